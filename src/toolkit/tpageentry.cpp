// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tpageentry.h"

#include "toolkit/eventhooks.h"
#include "toolkit/tapplication.h"

TPageEntry::TPageEntry(QWidget *page, Page behaviour)
    : QObject(page), m_page(std::move(behaviour)) {}

bool TPageEntry::openOnKey(const QString &typed) {
    if (isOpen() || typed.isEmpty() || !m_page.begins(typed.left(1)))
        return false;
    open(typed, TInlineEntry::Cursor::AtEnd);
    return true;
}

void TPageEntry::openAtRest() {
    open(m_page.restingText ? m_page.restingText() : QString(), TInlineEntry::Cursor::SelectingAll);
}

void TPageEntry::openHolding(const QString &text) {
    open(text, TInlineEntry::Cursor::AtEnd);
}

void TPageEntry::openOnDoubleClick(QObject *control) {
    tk::onDoubleClick(control, [this] { openAtRest(); });
}

void TPageEntry::dismiss() {
    if (m_entry)
        m_entry->dismiss();
}

void TPageEntry::open(const QString &text, TInlineEntry::Cursor cursor) {
    if (!m_entry) {
        m_entry = new TInlineEntry(m_page.container ? m_page.container : parentWidget());
        m_entry->setAccessibleName(m_page.accessibleName);
        m_page.build(m_entry);
        connect(m_entry, &QLineEdit::textChanged, this, &TPageEntry::update);
        connect(m_entry, &TInlineEntry::accepted, this,
                TApplication::handler([this] { m_page.enter(m_entry->text()); }));
        connect(m_entry, &TInlineEntry::closed, this, [this] { m_page.layOut(Layout::AtRest); });
    }
    if (m_entry->isOpen())
        return;
    m_page.layOut(Layout::EntryOpen);
    const QSignalBlocker quiet(m_entry); // one answer for the text it opens with
    m_entry->open(text, cursor);
    update();
}

void TPageEntry::update() {
    m_entry->announce(m_page.answer(m_entry->text()));
}
