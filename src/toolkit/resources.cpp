// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/resources.h"

#include "toolkit/packedpicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QResource>
#include <QtMath>

namespace tk {

namespace {

struct HotSpot {
    const char *name;
    int x, y;
};

// The cursors' hot spots: the hand points with the tip of its finger at the
// top-left corner; the closed hand holds on at its palm.
constexpr HotSpot HotSpots[] = {{"HANDPNT", 0, 0}, {"SB_DRAG", 15, 16}};
constexpr int CursorSide = 32;

QPoint hotSpotOf(const QString &name) {
    for (const HotSpot &h : HotSpots)
        if (name == QLatin1String(h.name))
            return {h.x, h.y};
    return {-1, -1};
}

// The built-in pictures are packed (see packedpicture.h): reading one is a copy.
QImage unpack(const QString &path) {
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return unpackPicture(resource.data(), resource.size());
    const QByteArray bytes = resource.uncompressedData();
    return unpackPicture(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}

// The 2x drawing above a ratio of 1, when there is one. The 1x path looks
// nothing else up, so a plain screen pays nothing for the 2x pictures.
QImage readPicture(const QString &stem, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        QImage twice = unpack(stem + QLatin1String("@2x.pix"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2);
            return twice;
        }
    }
    return unpack(stem + QLatin1String(".pix"));
}

} // namespace

qreal pictureRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QImage loadImage(const QString &name, qreal devicePixelRatio) {
    return readPicture(QStringLiteral(":/res/") + name, devicePixelRatio);
}

QImage loadImage(const QString &name) {
    return loadImage(name, pictureRatio());
}

QPixmap loadBitmap(const QString &name, qreal devicePixelRatio) {
    return QPixmap::fromImage(loadImage(name, devicePixelRatio));
}

QPixmap loadBitmap(const QString &name) {
    return loadBitmap(name, pictureRatio());
}

QCursor loadCursor(const QString &name, qreal devicePixelRatio) {
    QImage shape = readPicture(QStringLiteral(":/res/cursors/") + name, devicePixelRatio);
    if (shape.isNull())
        return QCursor(Qt::ArrowCursor);
    // Qt's X11 plugin gives the server the pixmap's pixels and the hot spot as
    // they are, whatever the pixmap's ratio: so the cursor is made in device
    // pixels, with a ratio of 1, the hot spot scaled to them.
    const qreal ratio = devicePixelRatio > 1 ? devicePixelRatio : 1.0;
    const int side = qRound(CursorSide * ratio);
    shape.setDevicePixelRatio(1);
    if (shape.width() != side)
        shape = shape.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                    .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPoint hot = hotSpotOf(name);
    if (hot.x() < 0)
        return QCursor(QPixmap::fromImage(shape));
    return QCursor(QPixmap::fromImage(shape), qFloor(hot.x() * ratio), qFloor(hot.y() * ratio));
}

QCursor loadCursor(const QString &name) {
    return loadCursor(name, pictureRatio());
}

void prepareToDraw(QPainter &painter, qreal pictureRatio) {
    const QPaintDevice *device = painter.device();
    const qreal deviceRatio = device ? device->devicePixelRatio() : 1.0;
    if (!qFuzzyCompare(deviceRatio, pictureRatio))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

} // namespace tk
