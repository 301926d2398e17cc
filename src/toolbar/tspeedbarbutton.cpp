// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/tspeedbarbutton.h"

#include "toolkit/resources.h"
#include "toolkit/tbevelpanel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr int MaxCaptionLength = 255;
} // namespace

TSpeedbarButton::TSpeedbarButton() {
    // The button paints its holder's background beneath itself: the bar never
    // needs to repaint for a hover or a press.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(24, 23);
    hide();
}

void TSpeedbarButton::setCaption(const QString &caption) {
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void TSpeedbarButton::setGlyph(const QImage &glyph) {
    m_glyph.setGlyph(glyph);
    update();
}

void TSpeedbarButton::setNumGlyphs(int count) {
    m_glyph.setNumGlyphs(count);
    update();
}

void TSpeedbarButton::setSpacing(int spacing) {
    m_spacing = spacing;
    update();
}

void TSpeedbarButton::setBackgroundPainter(BackgroundPainter painter) {
    m_background = std::move(painter);
    update();
}

// --- State --------------------------------------------------------------------

void TSpeedbarButton::fixState() {
    if (!isEnabled()) {
        m_state = State::Disabled;
        m_held = false;
    } else if (m_state == State::Disabled) {
        m_state = State::Up;
    }
}

bool TSpeedbarButton::isPressedLook() const {
    return m_state == State::Down;
}

// Flat: framed only under the pointer.
bool TSpeedbarButton::hasFrame() const {
    return m_mouseInside;
}

// --- Layout -------------------------------------------------------------------

QRect TSpeedbarButton::contentRect() const {
    QRect r = rect();
    if (hasFrame()) {
        // The one-pixel frame and a pixel of air inside it.
        const int inset = 2;
        r.adjust(inset, inset, -inset, -inset);
    }
    if (isPressedLook())
        r.translate(1, 1);
    return r;
}

QSize TSpeedbarButton::captionSize() const {
    const QString text = m_caption.left(MaxCaptionLength);
    if (text.isEmpty())
        return {0, 0};
    // The box must hold the whole line: the exact extent rounded up, which gives
    // the 13-pixel line the stored layout was made with for the 11-pixel face.
    const QFontMetricsF fm(font());
    return {int(std::ceil(fm.horizontalAdvance(text))), int(std::ceil(fm.height()))};
}

// Glyph above caption. Every half is taken on its own (C/2 - G/2), as the
// positions of the stored layout were made with it.
void TSpeedbarButton::layout(const QRect &content, QRect *glyph, QRect *caption) const {
    const QSize c = content.size();
    const QSize g = m_glyph.glyphSize();
    const QSize t = captionSize();
    const int glyphX = c.width() / 2 - g.width() / 2;
    const int captionX = c.width() / 2 - t.width() / 2;
    const int spacing = (t.width() == 0 || g.width() == 0) ? 0 : m_spacing;
    const int margin = c.height() / 2 - (g.height() + spacing + t.height()) / 2;
    const QPoint origin = content.topLeft();
    *glyph = QRect(origin + QPoint(glyphX, margin), g);
    *caption = QRect(origin + QPoint(captionX, margin + g.height() + spacing), t);
}

QRect TSpeedbarButton::glyphRect() const {
    QRect glyph, caption;
    layout(contentRect(), &glyph, &caption);
    return glyph;
}

QRect TSpeedbarButton::captionRect() const {
    QRect glyph, caption;
    layout(contentRect(), &glyph, &caption);
    return caption;
}

// --- Painting -----------------------------------------------------------------

void TSpeedbarButton::drawFrame(QPainter &painter) const {
    const QPalette &pal = palette();
    const QColor highlight = pal.color(QPalette::Light);
    if (isPressedLook())
        TBevelPanel::drawEdge(painter, rect(), pal.color(QPalette::Shadow), highlight);
    else
        TBevelPanel::drawEdge(painter, rect(), highlight, pal.color(QPalette::Dark));
}

void TSpeedbarButton::drawContents(QPainter &painter) {
    if (hasFrame())
        drawFrame(painter);
    QRect glyph, caption;
    layout(contentRect(), &glyph, &caption);
    if (!m_glyph.isEmpty()) {
        const QImage &image = m_glyph.image(m_state, palette());
        tk::prepareToDraw(painter, image.devicePixelRatio());
        painter.drawImage(glyph.topLeft(), image);
    }
    if (caption.isEmpty())
        return;
    const QString text = m_caption.left(MaxCaptionLength);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.setFont(font());
    if (m_state == State::Disabled) {
        painter.setPen(Qt::white);
        painter.drawText(caption.translated(1, 1), flags, text);
        painter.setPen(QColor(128, 128, 128));
    } else {
        painter.setPen(palette().color(QPalette::WindowText));
    }
    painter.drawText(caption, flags, text);
}

void TSpeedbarButton::drawBackground(QPainter &painter) {
    // The face also covers whatever part of the button lies off its holder.
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!m_background)
        return;
    painter.save();
    painter.translate(-pos());
    m_background(painter, geometry());
    painter.restore();
}

void TSpeedbarButton::paintEvent(QPaintEvent *) {
    // Background, frame, glyph and caption go to the pixmap first and reach the
    // screen in one copy, so a hover or a press never shows a half-drawn button.
    const qreal dpr = devicePixelRatioF();
    const QSize size = this->size() * dpr;
    if (m_offscreen.size() != size) {
        m_offscreen = QPixmap(size);
        m_offscreen.setDevicePixelRatio(dpr);
    }
    {
        QPainter painter(&m_offscreen);
        drawBackground(painter);
        drawContents(painter);
    }
    QPainter(this).drawPixmap(0, 0, m_offscreen);
}

// --- Mouse --------------------------------------------------------------------

bool TSpeedbarButton::programIsActive() {
    return QApplication::activeWindow() != nullptr;
}

void TSpeedbarButton::setMouseInside(bool inside) {
    if (inside == m_mouseInside)
        return;
    m_mouseInside = inside;
    update();
}

void TSpeedbarButton::recomputeMouseInside(const QPoint &pos) {
    setMouseInside(isEnabled() && rect().contains(pos) && programIsActive());
}

void TSpeedbarButton::enterEvent(QEnterEvent *) {
    if (!m_mouseInside && isEnabled() && programIsActive())
        setMouseInside(true);
}

void TSpeedbarButton::leaveEvent(QEvent *) {
    if (m_mouseInside && isEnabled() && !m_held)
        setMouseInside(false);
}

void TSpeedbarButton::mousePressEvent(QMouseEvent *event) {
    if (!isEnabled())
        return;
    setMouseInside(true);
    if (event->button() == Qt::LeftButton) {
        if (m_state != State::Down) {
            m_state = State::Down;
            update();
        }
        m_held = true;
    } else if (event->button() == Qt::RightButton) {
        recomputeMouseInside(event->position().toPoint());
    }
}

void TSpeedbarButton::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double-click is an ordinary press.
    mousePressEvent(event);
}

void TSpeedbarButton::mouseMoveEvent(QMouseEvent *event) {
    if (!m_held) {
        // Catches a pointer that came in without an enter event (a window just shown).
        if (!m_mouseInside && isEnabled() && programIsActive())
            setMouseInside(true);
        return;
    }
    const State next = rect().contains(event->position().toPoint()) ? State::Down : State::Up;
    if (next != m_state) {
        m_state = next;
        update();
    }
}

void TSpeedbarButton::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_held) {
        m_held = false;
        m_state = State::Up;
        update();
        const bool inside = rect().contains(pos);
        recomputeMouseInside(pos);
        if (inside)
            emit clicked();
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        recomputeMouseInside(pos);
}

void TSpeedbarButton::click() {
    if (isEnabled())
        emit clicked();
}

void TSpeedbarButton::changeEvent(QEvent *event) {
    // QWidget repaints the button for each of these.
    switch (event->type()) {
    case QEvent::EnabledChange:
        fixState();
        recomputeMouseInside(mapFromGlobal(QCursor::pos()));
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        m_glyph.clearCache();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}
