#include "toolkit/resources.h"

#include <QImage>

namespace tk {

namespace {

struct HotSpot {
    const char *name;
    int x, y;
};

// The cursors' hot spots: the hand points with the tip of its finger at the
// top-left corner; the closed hand holds on at its palm.
constexpr HotSpot HotSpots[] = {{"HANDPNT", 0, 0}, {"SB_DRAG", 15, 16}};

} // namespace

QImage loadImage(const QString &name) {
    return QImage(QStringLiteral(":/res/%1.png").arg(name));
}

QPixmap loadBitmap(const QString &name) {
    return QPixmap::fromImage(loadImage(name));
}

QCursor loadCursor(const QString &name) {
    const QPixmap shape(QStringLiteral(":/res/cursors/%1.png").arg(name));
    if (shape.isNull())
        return QCursor(Qt::ArrowCursor);
    int x = -1, y = -1;
    for (const HotSpot &h : HotSpots) {
        if (name == QLatin1String(h.name)) {
            x = h.x;
            y = h.y;
        }
    }
    return QCursor(shape, x, y);
}

} // namespace tk
