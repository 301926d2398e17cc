// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every picture of the program, drawn pixel by pixel.

#include "canvas.h"

namespace draw {

// Toolbar glyphs: normal and disabled image side by side, on their
// transparent colour (bottom-left pixel).
QImage glyphResistance();
QImage glyphLed();
QImage glyphCapacite();
QImage glyphAide();
QImage glyphApropos();
QImage glyphQuitter();
// The same at 2x, redrawn on grids twice as fine.
QImage glyphResistance2x();
QImage glyphLed2x();
QImage glyphCapacite2x();
QImage glyphAide2x();
QImage glyphApropos2x();
QImage glyphQuitter2x();

// The supply glyphs of the LED page's push button, on the button face.
QImage glyphContinu();
QImage glyphAlternatif();
QImage glyphContinu2x();
QImage glyphAlternatif2x();

// `scale` device pixels a layout pixel: 1, or 2 for NAME@2x.
QImage ledCircuit(int scale); // IMAGE, 80 x 120
QImage capacitor();           // CAPACITOR, 25 x 25
QImage capacitor2x();
QImage wallpaper(int scale); // BACKGROUND, 640 x 125

// The program's icon: a magnifying glass over a colour-banded resistor.
// 16 colours, transparent outside; the 16-pixel one from a grid. With
// wholePixelLines, one-unit lines are drawn a whole number of pixels wide (the
// 1x MAINICON and ABOUTICON are drawn as they always were).
QImage iconClassic(int size, bool wholePixelLines = false);
QImage iconSmooth(int size); // full colour, antialiased

QImage handPointCursor(); // HANDPNT, hot spot (0, 0)
QImage dragCursor();      // SB_DRAG, hot spot (15, 16)
// 64 x 64, hot spots at twice the layout point: (0, 0) and (30, 32).
QImage handPointCursor2x();
QImage dragCursor2x();

} // namespace draw
