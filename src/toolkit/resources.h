// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Bitmaps and cursors of the program's own resources, loaded by name ("BACKGROUND",
// "HANDPNT"), as the old toolkit loaded them from the executable. Every picture
// also comes drawn at twice the pixels a side (NAME@2x), taken on screens with
// more than one device pixel a layout pixel.

#include <QCursor>
#include <QPixmap>
#include <QString>

class QPainter;

namespace tk {

// The device pixel ratio the pictures are loaded for: the highest of the
// screens', since a window may go to any of them.
qreal pictureRatio();

// The picture NAME (resources/res/NAME.png, built in packed as :/res/NAME.pix),
// or NAME@2x (device pixel ratio 2) when `devicePixelRatio` is above 1 and
// there is one; a null image if there is none. Without a ratio, pictureRatio().
QImage loadImage(const QString &name, qreal devicePixelRatio);
QImage loadImage(const QString &name);
QPixmap loadBitmap(const QString &name, qreal devicePixelRatio);
QPixmap loadBitmap(const QString &name);

// Cursors are the pictures cursors/NAME; their hot spots are known by name.
// The shape is made in the screen's own pixels (32 x 32 layout pixels, the
// hot spot at the same layout point), from the 2x drawing above ratio 1.
QCursor loadCursor(const QString &name, qreal devicePixelRatio);
QCursor loadCursor(const QString &name);

// Before drawing a picture of `pictureRatio` with `painter`: a picture made for
// another ratio than the device's (a 2x one on a screen of 1.5) is resampled
// smoothly, which keeps its even lines even; one of the device's own ratio is
// left to be copied pixel for pixel.
void prepareToDraw(QPainter &painter, qreal pictureRatio);

} // namespace tk
