// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A bevel: a decorative line along one edge of its rectangle (a separator or a
// column rule), in the palette's light and dark shades.

#include <QWidget>

class TBevel : public QWidget {
    Q_OBJECT
public:
    enum class Shape { TopLine, BottomLine, LeftLine, RightLine };
    // Flat is one dark line; Lowered and Raised pair a dark and a light line so
    // that the rule looks cut in or standing out.
    enum class Style { Flat, Lowered, Raised };

    explicit TBevel(QWidget *parent = nullptr);

    void setShape(Shape shape);
    Shape shape() const { return m_shape; }
    void setStyle(Style style);
    Style bevelStyle() const { return m_style; }

    // The one-pixel lines that make up the bevel, first one on the edge.
    struct Line {
        QLine line;
        QPalette::ColorRole role;
    };
    QList<Line> lines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape m_shape = Shape::TopLine;
    Style m_style = Style::Lowered;
};
