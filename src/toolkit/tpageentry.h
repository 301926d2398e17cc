// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A page's entry for the question asked at the bench, typed in: made on first
// use; opened by the first key of a text the page reads (that key held), by F2
// or a double-click; closed by Escape, the focus going to another control or the
// page hiding, the page then as laid out again. Named for a screen reader, the
// answer is its description, announced when it changes. The page says only what
// it reads, where the entry and its answer stand, and what Enter does.

#include "toolkit/tinlineentry.h"

#include <QObject>
#include <QString>

#include <functional>

class TPageEntry : public QObject {
    Q_OBJECT
public:
    enum class Layout { EntryOpen, AtRest };
    struct Page {
        QString accessibleName;
        // Where the entry stands: the page, or a box on it.
        QWidget *container = nullptr;
        // Whether a text the page reads can begin with this typed character.
        std::function<bool(const QString &)> begins;
        // Once, at first use: the entry's place and the answer's controls.
        std::function<void(TInlineEntry *)> build;
        // The page while the entry is open, or as laid out again.
        std::function<void(Layout)> layOut;
        // Shows what the text gives; returns it as a screen reader should say it.
        std::function<QString(const QString &)> answer;
        // Enter; the page dismisses the entry when it takes the text.
        std::function<void(const QString &)> enter;
        // What F2 and a double-click open it holding, selected; empty by default.
        std::function<QString()> restingText = {};
    };

    // Nothing is made until the entry is first opened.
    TPageEntry(QWidget *page, Page behaviour);

    QWidget *page() const { return parentWidget(); }
    // Null until first opened.
    TInlineEntry *entry() const { return m_entry; }
    bool isOpen() const { return m_entry && m_entry->isOpen(); }

    // Opens holding a typed key, or a text as typed, when a text the page reads
    // can begin with its first character; false, and nothing done, otherwise.
    bool openOnKey(const QString &typed);
    // F2 and the double-click: opens holding the resting text, selected.
    void openAtRest();
    // Opens holding the text, the cursor after it.
    void openHolding(const QString &text);
    // A double-click on the control, or on a label in it, opens the entry at rest.
    void openOnDoubleClick(QObject *control);
    void dismiss();

private:
    QWidget *parentWidget() const { return static_cast<QWidget *>(parent()); }
    void open(const QString &text, TInlineEntry::Cursor cursor);
    void update();

    Page m_page;
    TInlineEntry *m_entry = nullptr;
};
