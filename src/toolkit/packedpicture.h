// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form the program's pictures are built into it: the pixels as they are,
// with their palette, so that loading one is a copy rather than a decode. Qt
// decodes PNG itself, but asks every image plugin of the system first, which at
// start-up costs more than all the pictures together. The PNG files stay the
// pictures' sources; the build packs each one (see src/pack).
//
//   "CHPK", width, height (16 bits each), colours (16 bits, 0 for 32-bit pixels),
//   the palette (colours x ARGB, 32 bits), then the rows: one byte a pixel with
//   a palette, four (ARGB) without.
// Numbers are little-endian.

#include <QByteArray>
#include <QImage>

namespace tk {

// The packed form of an image; paletted images (up to 256 colours) stay
// paletted, any other becomes 32-bit ARGB.
QByteArray packPicture(const QImage &image);

// The image back from its packed form; a null image for anything else.
QImage unpackPicture(const uchar *data, qsizetype size);

} // namespace tk
