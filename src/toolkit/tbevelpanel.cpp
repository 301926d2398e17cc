// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tbevelpanel.h"

#include "toolkit/devicepixels.h"

#include <QPainter>

TBevelPanel::TBevelPanel(QWidget *parent) : QWidget(parent) {}

void TBevelPanel::setBevels(Bevel outer, Bevel inner) {
    m_outer = outer;
    m_inner = inner;
    update();
}

void TBevelPanel::drawBevel(QPainter &painter, const QRect &r, Bevel bevel,
                            const QPalette &palette) {
    if (bevel == Bevel::None)
        return;
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    if (bevel == Bevel::Raised)
        drawEdge(painter, r, light, dark);
    else
        drawEdge(painter, r, dark, light);
}

void TBevelPanel::drawEdge(QPainter &painter, const QRect &r, const QColor &topLeft,
                           const QColor &bottomRight) {
    tk::frameSnapped(painter, r, topLeft, bottomRight);
}

void TBevelPanel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    QRect r = rect();
    drawBevel(painter, r, m_outer, palette());
    if (m_outer != Bevel::None)
        r.adjust(1, 1, -1, -1);
    drawBevel(painter, r, m_inner, palette());
}
