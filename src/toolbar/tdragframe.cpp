// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/tdragframe.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int Rings = 3;
} // namespace

TDragFrame::TDragFrame(QWidget *window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    window->installEventFilter(this);
}

bool TDragFrame::eventFilter(QObject *watched, QEvent *event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

QList<QPoint> TDragFrame::framePoints(const QRect &frame) {
    QList<QPoint> points;
    // The dots alternate like a focus rectangle's; the same pattern on screen
    // whatever the frame's position, so that nested rings interleave.
    auto dot = [&points](int x, int y) {
        if ((x + y) % 2 == 0)
            points.append(QPoint(x, y));
    };
    for (int i = 0; i < Rings; ++i) {
        const QRect r = frame.adjusted(i, i, -i, -i);
        if (r.width() <= 0 || r.height() <= 0)
            break;
        for (int x = r.left(); x <= r.right(); ++x) {
            dot(x, r.top());
            if (r.height() > 1)
                dot(x, r.bottom());
        }
        for (int y = r.top() + 1; y < r.bottom(); ++y) {
            dot(r.left(), y);
            if (r.width() > 1)
                dot(r.right(), y);
        }
    }
    return points;
}

QRegion TDragFrame::band(const QRect &frame) {
    if (frame.isEmpty())
        return {};
    return QRegion(frame).subtracted(QRegion(frame.adjusted(Rings, Rings, -Rings, -Rings)));
}

void TDragFrame::setFrame(const QRect &frame) {
    if (frame == m_frame)
        return;
    const QRegion dirty = band(m_frame) + band(frame);
    m_frame = frame;
    m_points = framePoints(frame);
    update(dirty);
}

void TDragFrame::paintEvent(QPaintEvent *) {
    if (m_points.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPoints(m_points.constData(), int(m_points.size()));
}
