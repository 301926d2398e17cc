// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tglyphbutton.h"

#include "toolkit/resources.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

} // namespace

TGlyphButton::TGlyphButton(QWidget *parent) : QPushButton(parent) {}

void TGlyphButton::setGlyph(const QPixmap &strip) {
    m_strip = strip;
    m_glyph.setGlyph(strip.toImage());
    // The count given stands, whatever the strip's shape suggests.
    m_glyph.setNumGlyphs(m_numGlyphs);
    update();
}

void TGlyphButton::setNumGlyphs(int count) {
    m_numGlyphs = qMax(1, count);
    m_glyph.setNumGlyphs(m_numGlyphs);
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

QSize TGlyphButton::imageSize() const {
    return m_glyph.isEmpty() ? QSize() : m_glyph.glyphSize();
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

void TGlyphButton::keyPressEvent(QKeyEvent *event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
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
    if (!m_glyph.isEmpty()) {
        const QImage &image =
            m_glyph.image(enabled ? TGlyphStrip::Up : TGlyphStrip::Disabled, palette());
        tk::prepareToDraw(painter, image.devicePixelRatio());
        painter.drawImage(glyph.topLeft(), image);
    }
    if (!text().isEmpty()) {
        painter.setPen(
            palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(caption, TextFlags, text());
    }
}
