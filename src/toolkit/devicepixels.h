// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One-pixel lines on whole device pixels. At a fractional scale (1.5) a line one
// layout pixel wide falls across two device pixels: drawn as it is, it comes out
// one or none of them wide, or is covered by the line beside it. Snapped, each
// line gets its own device pixels, one or two of them; at a whole scale nothing
// changes.

#include <QColor>
#include <QRect>

class QPainter;

namespace tk {

// Fills `r` (layout pixels) with its edges moved to the nearest device pixel
// boundaries.
void fillSnapped(QPainter &painter, const QRect &r, const QColor &colour);

// The four one-pixel sides of `r`, top and left in `topLeft`, then bottom and
// right in `bottomRight` (which so take the two corners they share).
void frameSnapped(QPainter &painter, const QRect &r, const QColor &topLeft,
                  const QColor &bottomRight);

} // namespace tk
