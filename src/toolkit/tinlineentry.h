// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A one-line entry that stands in for a display while the user types: Enter asks
// its owner to take the text; Escape, or the focus going to another control or
// the entry being hidden with its page, closes it with nothing done. Closed, it
// is hidden, and the owner shows its display again.

#include <QLineEdit>
#include <QPointer>

class TInlineEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit TInlineEntry(QWidget *parent = nullptr);

    enum class Cursor { SelectingAll, AtEnd };
    // Shows the entry holding the text, with the focus: the whole text selected,
    // or the cursor after it.
    void open(const QString &text, Cursor cursor);
    // Hides the entry; the focus goes back where it was when it opened.
    void dismiss();
    bool isOpen() const { return m_open; }
    // What the typed text gives, as the entry's description, which a screen
    // reader announces for the focused entry.
    void announce(const QString &text);

signals:
    void accepted();
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Focus { GivenBack, LeftWhereItGoes };
    void finish(Focus focus);

    QPointer<QWidget> m_focusBefore;
    bool m_open = false;
};
