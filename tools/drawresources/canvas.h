// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small pixel-drawing helpers for the resource generator: the classic 16-colour
// palette, char grids (one palette letter per pixel), a tiny pixel font, the
// embossed "disabled" look of a glyph and the indexed PNG writers.

#include <QImage>
#include <QString>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace draw {

// The classic 16 colours, by the letters the grids use.
namespace c16 {
constexpr QRgb Black = 0xff000000, Maroon = 0xff800000, Green = 0xff008000, Olive = 0xff808000,
               Navy = 0xff000080, Purple = 0xff800080, Teal = 0xff008080, Silver = 0xffc0c0c0,
               Grey = 0xff808080, Red = 0xffff0000, Lime = 0xff00ff00, Yellow = 0xffffff00,
               Blue = 0xff0000ff, Fuchsia = 0xffff00ff, Aqua = 0xff00ffff, White = 0xffffffff;
} // namespace c16

constexpr QRgb Clear = 0x00000000;

// Letter -> colour: k m g o n p t s d r l y b f a w for the 16 colours.
using Letters = std::map<char, QRgb>;
const Letters &classicLetters();
const std::vector<QRgb> &classicPalette();

// A picture from rows of letters; `extra` adds or overrides letters ('.' is
// usually the background).
QImage fromGrid(std::initializer_list<const char *> rows, const Letters &extra);
// Copies `src` into `dst` at (x, y), skipping transparent pixels.
void blit(QImage &dst, const QImage &src, int x, int y);
QImage canvas(int w, int h, QRgb fill);

// 3 x 5 pixel font (digits, capitals, a few signs; lower-case n); returns the
// width drawn, letters one pixel apart. With scale 2, the same letters on a
// 6 x 10 grid, two-pixel strokes with rounded corners, two pixels apart.
int drawText(QImage &img, int x, int y, const QString &text, QRgb colour, int scale = 1);
int textWidth(const QString &text, int scale = 1);

void hline(QImage &img, int x0, int x1, int y, QRgb c);
void vline(QImage &img, int x, int y0, int y1, QRgb c);
void rect(QImage &img, int x, int y, int w, int h, QRgb c);
void fill(QImage &img, int x, int y, int w, int h, QRgb c);
void put(QImage &img, int x, int y, QRgb c);

// The disabled look of a glyph, on the key colour, with a white shadow `shadow`
// pixels (one layout pixel) right and down of the drawing:
// - Silhouette: its darker pixels as one grey shape (thin line drawings);
// - Greyed: the darkest pixels grey, the rest silver (filled pictures, whose
//   silhouette would be a shapeless blot).
enum class Disabled { Silhouette, Greyed };
QImage embossed(const QImage &glyph, QRgb key, Disabled style, int shadow = 1);
// Normal and disabled images side by side.
QImage glyphStrip(const QImage &glyph, QRgb key, Disabled style = Disabled::Greyed, int shadow = 1);

// Writers: every pixel must be one of the 16 colours (or fully transparent
// when allowed); the 256-colour writer builds its palette from the picture.
bool save16(const QImage &img, const QString &path, bool allowTransparent = false);
bool save256(const QImage &img, const QString &path);

} // namespace draw
