#pragma once
// Bitmaps and cursors of the program's own resources, loaded by name ("BACKGROUND",
// "HANDPNT"), as the old toolkit loaded them from the executable.

#include <QCursor>
#include <QPixmap>
#include <QString>

namespace tk {

// :/res/NAME.png; a null pixmap if there is none.
QPixmap loadBitmap(const QString &name);
QImage loadImage(const QString &name);

// Cursors live in :/res/cursors/NAME.png; their hot spots are known by name.
QCursor loadCursor(const QString &name);

} // namespace tk
