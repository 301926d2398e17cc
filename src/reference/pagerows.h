// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixed contents of the reference pages, one row per control (name, parent,
// position, size, text, look), so a page is built from a table a reader can check.
// Rows are created in table order, which is also the order assistive technology
// reads them in.

#include <QWidget>

namespace reference {

enum class Look {
    Regular,    // label in the window's font and text colour
    Bold,       // label in bold black: headers and row labels
    Maroon,     // label in regular maroon: the resistor values
    RedMark,    // red circle; the text is its accessible name
    LimeMark,   // lime circle; the text is its accessible name
    Separator,  // a single line along the top edge
    ColumnRule, // a raised line along the left edge
};

struct PageRow {
    const char *name;
    const char *parent;
    int left, top;
    int width, height; // labels: 0 × 0 sizes to the text, otherwise word-wraps in the box
    const char *text;
    Look look;
};

QWidget *addControl(QWidget *page, const PageRow &row);

} // namespace reference
