#include "toolkit/resources.h"

#include <QFile>
#include <QImage>

namespace tk {

namespace {

QString findResource(const QString &folder, const QString &name) {
    for (const char *ext : {".png", ".xpm", ".bmp"}) {
        const QString path = folder + name + QLatin1String(ext);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

struct HotSpot {
    const char *name;
    int x, y;
};

// The cursors' hot spots: the hand points with the tip of its finger at the
// top-left corner; the closed hand holds on at its palm.
constexpr HotSpot HotSpots[] = {{"HANDPNT", 0, 0}, {"SB_DRAG", 15, 16}};

} // namespace

QImage loadImage(const QString &name) {
    const QString path = findResource(QStringLiteral(":/res/"), name);
    return path.isEmpty() ? QImage() : QImage(path);
}

QPixmap loadBitmap(const QString &name) {
    return QPixmap::fromImage(loadImage(name));
}

QCursor loadCursor(const QString &name) {
    const QString path = findResource(QStringLiteral(":/res/cursors/"), name);
    if (path.isEmpty())
        return QCursor(Qt::ArrowCursor);
    int x = -1, y = -1;
    for (const HotSpot &h : HotSpots) {
        if (name == QLatin1String(h.name)) {
            x = h.x;
            y = h.y;
        }
    }
    return QCursor(QPixmap(path), x, y);
}

} // namespace tk
