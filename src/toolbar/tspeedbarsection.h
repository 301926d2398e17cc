// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A named group of toolbar items. Sections only group the items for the
// customisation list; nothing of them is drawn.
//
// Ownership: the bar owns its sections and deletes them with itself. A section
// only lists its items; deleting it takes it out of its bar and leaves its items
// in no section, and deleting an item takes it out of its section.

#include <QList>
#include <QObject>
#include <QPointer>

class TSpeedBar;
class TSpeedItem;

class TSpeedbarSection : public QObject {
    Q_OBJECT
public:
    explicit TSpeedbarSection(QObject *owner = nullptr);
    ~TSpeedbarSection() override;

    // Given by the bar that makes the section, unique within it.
    QString Caption() const { return m_caption; }

    QList<TSpeedItem *> items() const { return m_items; }
    void addItem(TSpeedItem *item);
    void removeItem(TSpeedItem *item);

private:
    friend class TSpeedBar;
    QString m_caption;
    QPointer<TSpeedBar> m_bar;
    QList<TSpeedItem *> m_items;
};
