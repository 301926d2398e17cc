// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Acting on modal dialogs from a test: a dialog runs its own loop, so the test
// polls for it with a timer and acts once it is up.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <type_traits>

// The modal dialog on the screen now, if it is a Dialog.
template <typename Dialog = QWidget> Dialog *shownModal() {
    QWidget *modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? qobject_cast<Dialog *>(modal) : nullptr;
}

// Calls act with the next modal Dialog as soon as it shows; a modal window of
// another kind is left alone.
template <typename Dialog = QWidget>
void whenModal(std::type_identity_t<std::function<void(Dialog *)>> act, int pollMs = 10) {
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, act] {
        Dialog *dialog = shownModal<Dialog>();
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start(pollMs);
}

// Calls act with every modal dialog up, as long as it lives: for answers a
// test keeps giving, whichever dialogs come and in whatever number.
class EveryModal {
public:
    explicit EveryModal(std::function<void(QWidget *)> act, int pollMs = 10) {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [act = std::move(act)] {
            if (QWidget *dialog = shownModal())
                act(dialog);
        });
        m_poll.start(pollMs);
    }

private:
    QTimer m_poll;
};
