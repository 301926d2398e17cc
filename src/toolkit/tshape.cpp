// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tshape.h"

#include "toolkit/hints.h"

#include <QEvent>
#include <QPainter>

TShape::TShape(QWidget *parent) : QWidget(parent) {
    // A rectangle covers every pixel of the control, so a repaint never has to
    // repaint what lies beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TShape::setShape(Shape shape) {
    if (shape == m_shape)
        return;
    m_shape = shape;
    setAttribute(Qt::WA_OpaquePaintEvent, shape == Shape::Rectangle);
    update();
}

void TShape::setBrushColor(const QColor &color) {
    if (color == m_brush)
        return;
    m_brush = color;
    update();
}

void TShape::setPenColor(const QColor &color) {
    if (color == m_pen)
        return;
    m_pen = color;
    update();
}

QRect TShape::shapeRect() const {
    if (m_shape == Shape::Rectangle)
        return rect();
    const int side = qMin(width(), height());
    return QRect((width() - side) / 2, (height() - side) / 2, side, side);
}

bool TShape::event(QEvent *event) {
    // The hint and its display are dynamic properties (see hints.h); the
    // accessible name follows them.
    if (event->type() == QEvent::DynamicPropertyChange)
        syncAccessibleName();
    return QWidget::event(event);
}

void TShape::syncAccessibleName() {
    const QString name = tk::showsHint(this) ? tk::hint(this) : QString();
    if (name != accessibleName())
        setAccessibleName(name);
}

void TShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (m_shape == Shape::Rectangle)
        drawRectangle(painter);
    else
        drawCircle(painter);
}

void TShape::drawRectangle(QPainter &painter) const {
    painter.fillRect(rect(), m_pen);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), m_brush);
}

void TShape::drawCircle(QPainter &painter) const {
    // The outline's pixels lie inside the square, as the rectangle's do.
    const QRect square = shapeRect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(m_pen, 1));
    painter.setBrush(m_brush);
    painter.drawEllipse(square);
}
