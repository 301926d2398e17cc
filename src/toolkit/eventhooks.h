// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reacting to one kind of event of a control without subclassing it, and the
// keys the pages' entries open on.

#include <QEvent>
#include <QString>

#include <functional>

class QKeyEvent;
class QObject;

namespace tk {

// Calls the handler for every event of the type that reaches the object; the
// handler returns true when it has used the event. Lasts as long as the object.
void onEvent(QObject *watched, QEvent::Type type, std::function<bool(QEvent *)> handler);

// Calls the action on a double-click of the left button on the widget or on a
// child that leaves the click to it (a label).
void onDoubleClick(QObject *watched, std::function<void()> action);

// The one printable character a key press types (with Shift, as digits are on a
// French keyboard, or on the keypad), or an empty text for any other key or with
// Ctrl, Alt or Meta.
QString typedCharacter(const QKeyEvent *event);

} // namespace tk
