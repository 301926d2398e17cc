// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tinlineentry.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

TInlineEntry::TInlineEntry(QWidget *parent) : QLineEdit(parent) {
    // The window's own popup menu rather than the line edit's editing menu,
    // whose commands have their keys.
    setContextMenuPolicy(Qt::NoContextMenu);
    hide();
}

void TInlineEntry::open(const QString &text, Cursor cursor) {
    if (!m_open)
        m_focusBefore = QApplication::focusWidget();
    m_open = true;
    setText(text);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    if (cursor == Cursor::SelectingAll)
        selectAll();
    else
        setCursorPosition(int(text.size()));
}

void TInlineEntry::dismiss() {
    finish(Focus::GivenBack);
}

void TInlineEntry::finish(Focus focus) {
    if (!m_open)
        return;
    m_open = false;
    if (focus == Focus::GivenBack && m_focusBefore && m_focusBefore->isVisible())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    hide();
    emit closed();
}

void TInlineEntry::announce(const QString &text) {
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void TInlineEntry::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        dismiss();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit accepted();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void TInlineEntry::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // A menu or another window taking the keyboard for a while is no leaving.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        finish(Focus::LeftWhereItGoes);
}

void TInlineEntry::hideEvent(QHideEvent *event) {
    QLineEdit::hideEvent(event);
    // Hidden with its page. A minimised window keeps what was typed; a window
    // closing or going away has no one left to tell.
    if (!event->spontaneous() && window()->isVisible())
        finish(Focus::LeftWhereItGoes);
}
