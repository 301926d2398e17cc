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

// The supply glyphs of the LED page's push button, on the button face.
QImage glyphContinu();
QImage glyphAlternatif();

QImage ledCircuit(); // IMAGE, 80 x 120
QImage capacitor();  // CAPACITOR, 25 x 25
QImage wallpaper();  // BACKGROUND, 640 x 125

// The program's icon: a magnifying glass over a colour-banded resistor.
QImage iconClassic(int size); // 16 colours, transparent outside
QImage iconSmooth(int size);  // full colour, antialiased

QImage handPointCursor(); // HANDPNT, hot spot (0, 0)
QImage dragCursor();      // SB_DRAG, hot spot (15, 16)

} // namespace draw
