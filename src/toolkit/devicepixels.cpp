// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/devicepixels.h"

#include <QPainter>
#include <cmath>

namespace tk {

void fillSnapped(QPainter &painter, const QRect &r, const QColor &colour) {
    // The painter's whole way to the device: the widget's place in its window
    // and the screen's scale.
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale) {
        painter.fillRect(r, colour);
        return;
    }
    const QRectF d = toDevice.mapRect(QRectF(r));
    const QRectF snapped(QPointF(std::round(d.left()), std::round(d.top())),
                         QPointF(std::round(d.right()), std::round(d.bottom())));
    painter.fillRect(toDevice.inverted().mapRect(snapped), colour);
}

void frameSnapped(QPainter &painter, const QRect &r, const QColor &topLeft,
                  const QColor &bottomRight) {
    fillSnapped(painter, QRect(r.left(), r.top(), r.width(), 1), topLeft);
    fillSnapped(painter, QRect(r.left(), r.top(), 1, r.height()), topLeft);
    fillSnapped(painter, QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    fillSnapped(painter, QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace tk
