// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tbevel.h"

#include "toolkit/devicepixels.h"

#include <QPainter>

TBevel::TBevel(QWidget *parent) : QWidget(parent) {}

void TBevel::setShape(Shape shape) {
    m_shape = shape;
    update();
}

void TBevel::setStyle(Style style) {
    m_style = style;
    update();
}

QList<TBevel::Line> TBevel::lines() const {
    QLine edge;
    QPoint inward; // from the edge into the control
    switch (m_shape) {
    case Shape::TopLine:
        edge = QLine(0, 0, width() - 1, 0);
        inward = QPoint(0, 1);
        break;
    case Shape::BottomLine:
        edge = QLine(0, height() - 1, width() - 1, height() - 1);
        inward = QPoint(0, -1);
        break;
    case Shape::LeftLine:
        edge = QLine(0, 0, 0, height() - 1);
        inward = QPoint(1, 0);
        break;
    case Shape::RightLine:
        edge = QLine(width() - 1, 0, width() - 1, height() - 1);
        inward = QPoint(-1, 0);
        break;
    }
    if (m_style == Style::Flat)
        return {{edge, QPalette::Dark}};
    // Light above or left of dark stands out; the reverse looks cut in, whichever
    // edge the pair sits on.
    const bool edgeFirst = m_shape == Shape::TopLine || m_shape == Shape::LeftLine;
    const QLine first = edgeFirst ? edge : edge.translated(inward);
    const QLine second = edgeFirst ? edge.translated(inward) : edge;
    const bool raised = m_style == Style::Raised;
    return {{first, raised ? QPalette::Light : QPalette::Dark},
            {second, raised ? QPalette::Dark : QPalette::Light}};
}

void TBevel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    for (const Line &l : lines())
        tk::fillSnapped(painter, QRect(l.line.p1(), l.line.p2()).normalized(),
                        palette().color(l.role));
}
