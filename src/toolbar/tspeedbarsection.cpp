// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/tspeedbarsection.h"

#include "toolbar/tspeedbar.h"
#include "toolbar/tspeeditem.h"

TSpeedbarSection::TSpeedbarSection(QObject *owner) : QObject(owner) {}

TSpeedbarSection::~TSpeedbarSection() {
    for (TSpeedItem *item : m_items)
        item->setSection(nullptr, nullptr);
    if (m_bar)
        m_bar->detachSection(this);
}

void TSpeedbarSection::addItem(TSpeedItem *item) {
    if (m_items.contains(item))
        return;
    if (TSpeedbarSection *old = item->Section())
        old->removeItem(item);
    m_items.append(item);
    item->setSection(this, m_bar);
}

void TSpeedbarSection::removeItem(TSpeedItem *item) {
    if (m_items.removeOne(item))
        item->setSection(nullptr, nullptr);
}
