// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Real mouse events for the widget tests: sent to the top-level window through
// the window system, so Qt routes them (and keeps the implicit grab) as for a user.

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace mouse {

inline QWindow *windowOf(QWidget *w) {
    return w->window()->windowHandle();
}
inline QPoint inWindow(QWidget *w, QPoint p) {
    return w->mapTo(w->window(), p);
}

inline void press(QWidget *w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(windowOf(w), button, {}, inWindow(w, p));
}
inline void move(QWidget *w, QPoint p) {
    QTest::mouseMove(windowOf(w), inWindow(w, p));
}
inline void release(QWidget *w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(windowOf(w), button, {}, inWindow(w, p));
}
inline void click(QWidget *w, QPoint p) {
    move(w, p);
    press(w, p);
    release(w, p);
}

} // namespace mouse
