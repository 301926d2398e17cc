// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The frame shown while the toolbar is dragged: three nested dotted rectangles
// that invert the pixels of the window beneath them. It lies on a see-through
// layer over the window's client area; moving it repaints only the old and new
// three-pixel bands, so the pixels the old frame inverted come back as they were.

#include <QWidget>

class TDragFrame : public QWidget {
    Q_OBJECT
public:
    explicit TDragFrame(QWidget *window);

    // Erases the frame shown and draws the new one (an empty rectangle: none).
    void setFrame(const QRect &frame);

    // The pixels one frame inverts: every other pixel of each of the three rectangles.
    static QList<QPoint> framePoints(const QRect &frame);
    // The band the frame covers.
    static QRegion band(const QRect &frame);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRect m_frame;
    QList<QPoint> m_points;
};
