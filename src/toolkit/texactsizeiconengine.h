// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An icon that hands out each of its pictures at its own pixel size, whatever
// the screen's scale: the window manager takes window icons by pixel size, and
// a drawing made for 16 pixels should reach it as those 16 pixels, not as the
// 32-pixel one scaled for a screen of ratio 2.

#include <QIconEngine>
#include <QList>
#include <QPixmap>

class TExactSizeIconEngine : public QIconEngine {
public:
    explicit TExactSizeIconEngine(QList<QPixmap> pixmaps);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    void virtual_hook(int id, void *data) override;

private:
    QPixmap pictureFor(const QSize &size) const;

    QList<QPixmap> m_pixmaps; // smallest first
};
