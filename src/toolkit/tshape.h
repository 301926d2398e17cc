// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A shape control: a rectangle or a circle filled with a brush colour and drawn
// with a one-pixel outline in the pen colour, pixel-exact (no antialiasing).
// Assistive technology sees it as a graphic named by its hint where it shows one.

#include <QColor>
#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Rectangle, Circle };

    explicit TShape(QWidget *parent = nullptr);

    void setShape(Shape shape);
    Shape shape() const { return m_shape; }

    // Both setters repaint only when the colour really changes.
    void setBrushColor(const QColor &color);
    QColor brushColor() const { return m_brush; }
    void setPenColor(const QColor &color);
    QColor penColor() const { return m_pen; }

    // Where the figure lies: the whole control for a rectangle, the centred
    // square of the smaller side for a circle.
    QRect shapeRect() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawRectangle(QPainter &painter) const;
    void drawCircle(QPainter &painter) const;
    void syncAccessibleName();

    Shape m_shape = Shape::Rectangle;
    QColor m_brush = Qt::white;
    QColor m_pen = Qt::black;
};
