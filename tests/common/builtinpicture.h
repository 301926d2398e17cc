// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture built into the program, named as its source file is
// (":/res/GLYPH_LED.png", ":/res/cursors/SB_DRAG@2x.png"), read the way the
// program reads it.

#include "toolkit/resources.h"

#include <QImage>
#include <QString>

inline QImage builtInPicture(QString path) {
    path.remove(QLatin1String(":/res/")).remove(QLatin1String(".png"));
    const bool twice = path.endsWith(QLatin1String("@2x"));
    if (twice)
        path.chop(3);
    QImage image = tk::loadImage(path, twice ? 2.0 : 1.0);
    // Asked for the 2x drawing, only the 2x drawing will do.
    if (twice && image.devicePixelRatio() != 2)
        return {};
    return image;
}
