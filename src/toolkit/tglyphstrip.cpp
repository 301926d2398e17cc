// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tglyphstrip.h"

#include <QPainter>

void TGlyphStrip::setGlyph(const QImage &strip) {
    m_strip = strip;
    clearCache();
    if (strip.isNull())
        return;
    // A monochrome bitmap keeps white as its background.
    m_transparent =
        strip.depth() == 1 ? QColor(Qt::white) : strip.pixelColor(0, strip.height() - 1);
    if (strip.height() > 0 && strip.width() % strip.height() == 0) {
        const int count = strip.width() / strip.height();
        m_numGlyphs = count < 6 ? count : 1;
    }
}

void TGlyphStrip::setNumGlyphs(int count) {
    if (count <= 0)
        return;
    m_numGlyphs = std::min(count, MaxGlyphs);
    clearCache();
}

QSize TGlyphStrip::glyphSize() const {
    if (m_strip.isNull())
        return {0, 0};
    return (QSizeF(pixelSize()) / m_strip.devicePixelRatio()).toSize();
}

QSize TGlyphStrip::pixelSize() const {
    return {m_strip.width() / m_numGlyphs, m_strip.height()};
}

void TGlyphStrip::clearCache() {
    m_images.fill(std::nullopt);
}

const QImage &TGlyphStrip::image(State state, const QPalette &palette) {
    std::optional<QImage> &cached = m_images[state];
    if (!cached)
        cached = makeImage(state, palette);
    return *cached;
}

QImage TGlyphStrip::cutImage(int index) const {
    const QSize size = pixelSize();
    QImage image = m_strip.copy(index * size.width(), 0, size.width(), size.height())
                       .convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(m_strip.devicePixelRatio());
    // Only the exact transparent colour lets the background through.
    const QRgb key = m_transparent.rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return image;
}

QImage TGlyphStrip::makeImage(State state, const QPalette &palette) const {
    if (m_strip.isNull())
        return {};
    if (state < m_numGlyphs)
        return cutImage(state);
    QImage source = cutImage(0);
    if (state == Disabled) {
        // Embossed: the glyph's shape in highlight, and again in shadow one pixel
        // up-left; the face around it stays see-through. Painting at the
        // glyph's ratio keeps that one layout pixel on a 2x glyph.
        QImage out(source.size(), QImage::Format_ARGB32);
        out.setDevicePixelRatio(source.devicePixelRatio());
        out.fill(Qt::transparent);
        QImage shape(source.size(), QImage::Format_ARGB32);
        shape.setDevicePixelRatio(source.devicePixelRatio());
        auto paintShape = [&](const QColor &colour, int offset) {
            shape.fill(colour);
            QPainter sp(&shape);
            sp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            sp.drawImage(0, 0, source);
            sp.end();
            QPainter op(&out);
            op.drawImage(offset, offset, shape);
        };
        paintShape(palette.color(QPalette::Light), 1);
        paintShape(palette.color(QPalette::Dark), 0);
        return out;
    }
    return source;
}
