// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A named group of toolbar items; nothing of it is drawn. The bar makes its
// sections, owns them and is the one that fills them; a section knows neither
// its bar nor anything of its items but their order.

#include <QList>
#include <QObject>

class TSpeedItem;

class TSpeedbarSection : public QObject {
    Q_OBJECT
public:
    TSpeedbarSection(const QString &caption, QObject *owner);

    // Its name in a customisation list.
    QString Caption() const { return m_caption; }

    QList<TSpeedItem *> items() const { return m_items; }
    void addItem(TSpeedItem *item) { m_items.append(item); }
    void removeItem(TSpeedItem *item) { m_items.removeOne(item); }

private:
    QString m_caption;
    QList<TSpeedItem *> m_items;
};
