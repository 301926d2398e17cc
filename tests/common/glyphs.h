// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A test glyph strip: two images on a background colour, a red block on the
// first and a grey one on the second, with black and white dots and one pixel
// just off the background colour.

#include <QColor>
#include <QImage>
#include <QPainter>

namespace glyphs {

inline const QColor Olive(0x80, 0x80, 0x00);
inline const QColor Purple(0x80, 0x00, 0x80);
inline const QColor NearlyOlive(0x80, 0x80, 0x01);

inline QImage makeGlyph(int side, const QColor &background) {
    QImage strip(2 * side, side, QImage::Format_RGB32);
    strip.fill(background);
    QPainter p(&strip);
    p.fillRect(4, 4, side - 8, side - 8, Qt::red);
    p.fillRect(side + 4, 4, side - 8, side - 8, Qt::gray);
    p.end();
    strip.setPixelColor(1, 1, NearlyOlive);
    strip.setPixelColor(2, 1, Qt::black);
    strip.setPixelColor(3, 1, Qt::white);
    return strip;
}

} // namespace glyphs
