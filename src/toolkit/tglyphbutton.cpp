#include "toolkit/tglyphbutton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

// The image with every pixel of the strip's transparent colour made clear.
QPixmap masked(const QImage &image, QRgb transparent) {
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (transparent & 0xFFFFFF))
                line[x] = 0;
    }
    return QPixmap::fromImage(argb);
}

// A strip with a single image gets its disabled look made up: the shape embossed
// in the palette's light and dark shades.
QPixmap embossed(const QPixmap &image, const QPalette &palette) {
    QImage shape = image.toImage().convertToFormat(QImage::Format_ARGB32);
    auto tinted = [&](const QColor &colour) {
        QImage out = shape;
        for (int y = 0; y < out.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                if (qAlpha(line[x]))
                    line[x] = colour.rgb();
        }
        return out;
    };
    QPixmap result(image.size());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage(1, 1, tinted(palette.color(QPalette::Light)));
    painter.drawImage(0, 0, tinted(palette.color(QPalette::Dark)));
    return result;
}

} // namespace

TGlyphButton::TGlyphButton(QWidget *parent) : QPushButton(parent) {}

void TGlyphButton::setGlyph(const QPixmap &strip) {
    m_strip = strip;
    rebuildImages();
    update();
}

void TGlyphButton::setNumGlyphs(int count) {
    m_numGlyphs = qMax(1, count);
    rebuildImages();
    update();
}

void TGlyphButton::setMargin(int margin) {
    m_margin = margin;
    update();
}

void TGlyphButton::setSpacing(int spacing) {
    m_spacing = spacing;
    update();
}

void TGlyphButton::rebuildImages() {
    m_images.clear();
    if (m_strip.isNull())
        return;
    const QImage strip = m_strip.toImage();
    const QRgb transparent = strip.pixel(0, strip.height() - 1);
    const int w = strip.width() / m_numGlyphs;
    for (int i = 0; i < m_numGlyphs; ++i)
        m_images.append(masked(strip.copy(i * w, 0, w, strip.height()), transparent));
}

QPixmap TGlyphButton::glyphImage(bool enabled) const {
    if (m_images.isEmpty())
        return {};
    if (enabled)
        return m_images.first();
    return m_images.size() > 1 ? m_images.at(1) : embossed(m_images.first(), palette());
}

QSize TGlyphButton::imageSize() const {
    return m_images.isEmpty() ? QSize() : m_images.first().size();
}

QSize TGlyphButton::captionSize() const {
    if (text().isEmpty())
        return {};
    return fontMetrics().size(TextFlags, text());
}

void TGlyphButton::layoutRects(QRect *glyph, QRect *caption) const {
    const QSize g = imageSize();
    const QSize t = captionSize();
    const int gap = (g.isEmpty() || t.isEmpty()) ? 0 : m_spacing;
    int x = m_margin;
    if (x < 0)
        x = (width() - g.width() - gap - t.width() + 1) / 2;
    *glyph = QRect(QPoint(x, (height() - g.height() + 1) / 2), g);
    *caption = QRect(QPoint(x + g.width() + gap, (height() - t.height() + 1) / 2), t);
    if (isDown()) {
        glyph->translate(1, 1);
        caption->translate(1, 1);
    }
}

QRect TGlyphButton::glyphRect() const {
    QRect glyph, caption;
    layoutRects(&glyph, &caption);
    return glyph;
}

QRect TGlyphButton::captionRect() const {
    QRect glyph, caption;
    layoutRects(&glyph, &caption);
    return caption;
}

QSize TGlyphButton::sizeHint() const {
    const QSize g = imageSize();
    const QSize t = captionSize();
    const int margin = qMax(m_margin, 4);
    return QSize(2 * margin + g.width() + m_spacing + t.width(),
                 qMax(qMax(g.height(), t.height()) + 10, 25));
}

void TGlyphButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // The style draws the face, frame and focus; glyph and caption are ours.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

    QRect glyph, caption;
    layoutRects(&glyph, &caption);
    const bool enabled = isEnabled();
    if (!m_images.isEmpty())
        painter.drawPixmap(glyph.topLeft(), glyphImage(enabled));
    if (!text().isEmpty()) {
        painter.setPen(
            palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(caption, TextFlags, text());
    }
}
