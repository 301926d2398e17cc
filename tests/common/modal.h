// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Acting on a modal dialog from a test: the dialog runs its own loop, so the
// test waits for it with a timer and acts once it is up.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Calls act with the next modal dialog as soon as it shows.
inline void whenModal(std::function<void(QWidget *)> act, int pollMs = 10) {
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(pollMs);
}
