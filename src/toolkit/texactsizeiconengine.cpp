// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/texactsizeiconengine.h"

#include <QPainter>
#include <algorithm>

TExactSizeIconEngine::TExactSizeIconEngine(QList<QPixmap> pixmaps) : m_pixmaps(std::move(pixmaps)) {
    for (QPixmap &pixmap : m_pixmaps)
        pixmap.setDevicePixelRatio(1);
    std::sort(m_pixmaps.begin(), m_pixmaps.end(),
              [](const QPixmap &a, const QPixmap &b) { return a.width() < b.width(); });
}

// The picture drawn for that size; for any other, the next larger one (or the
// largest) scaled to it.
QPixmap TExactSizeIconEngine::pictureFor(const QSize &size) const {
    if (m_pixmaps.isEmpty() || size.isEmpty())
        return {};
    const auto fits = std::find_if(m_pixmaps.begin(), m_pixmaps.end(), [&](const QPixmap &p) {
        return p.width() >= size.width() && p.height() >= size.height();
    });
    const QPixmap &best = fits != m_pixmaps.end() ? *fits : m_pixmaps.last();
    if (best.size() == size)
        return best;
    return best.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap TExactSizeIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State) {
    return pictureFor(size);
}

void TExactSizeIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) {
    painter->drawPixmap(rect, pictureFor(rect.size()));
}

QList<QSize> TExactSizeIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const QPixmap &pixmap : m_pixmaps)
        sizes.append(pixmap.size());
    return sizes;
}

QIconEngine *TExactSizeIconEngine::clone() const {
    return new TExactSizeIconEngine(m_pixmaps);
}

QString TExactSizeIconEngine::key() const {
    return QStringLiteral("TExactSizeIconEngine");
}

void TExactSizeIconEngine::virtual_hook(int id, void *data) {
    // QIcon asks for size x ratio pixels on a scaled screen; the answer is the
    // picture for the size itself.
    if (id == QIconEngine::ScaledPixmapHook) {
        auto *arg = static_cast<QIconEngine::ScaledPixmapArgument *>(data);
        const qreal scale = arg->scale > 0 ? arg->scale : 1.0;
        arg->pixmap = pictureFor((QSizeF(arg->size) / scale).toSize());
        return;
    }
    QIconEngine::virtual_hook(id, data);
}
