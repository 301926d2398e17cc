// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A panel with an outer and an inner bevel (raised, lowered or none), each one
// pixel wide, in the palette's light and dark shades, filled with its colour.

#include <QWidget>

class TBevelPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Lowered, Raised };

    explicit TBevelPanel(QWidget *parent = nullptr);

    void setBevels(Bevel outer, Bevel inner);
    Bevel bevelOuter() const { return m_outer; }
    Bevel bevelInner() const { return m_inner; }

    // Draws one bevel frame along the edge of r; shared with other bevelled controls.
    static void drawBevel(QPainter &painter, const QRect &r, Bevel bevel, const QPalette &palette);
    // A one-pixel frame: one colour on the top and left edges, one on the others.
    static void drawEdge(QPainter &painter, const QRect &r, const QColor &topLeft,
                         const QColor &bottomRight);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::None;
};
