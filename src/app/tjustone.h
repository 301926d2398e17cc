// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// TJustOne, the single-instance guard of the main window: constructing it looks
// for another copy of the program on the same display (natively on Wayland, on
// the session bus); if there is one, that copy is brought to the front and this
// process ends with exit code 0 before any window of its own appears.

#include "platform/windowsystem.h"

#include <QObject>
#include <chrono>
#include <memory>

class QWidget;
namespace platform {
class DisplayLock;
}

class TJustOne : public QObject {
    Q_OBJECT
public:
    // owner is the main window, not yet shown; its native window stands for
    // this process's application window. Does not return when another copy runs.
    explicit TJustOne(QWidget *owner);
    ~TJustOne() override;

    struct Outcome {
        int matchCount = 0;
        platform::WindowId foundWindow = 0;
        platform::WindowId popupWindow = 0;
        bool anotherInstance() const { return matchCount > 1; }
    };

    // The check itself: counts the top-level windows with the class name and
    // title of applicationWindow and, when there is another one, activates it
    // (restoring it if minimised), once it is shown or waitForShown has passed.
    // Another copy counts once it is shown or has claimed its place; a copy
    // that finds none claims its own, in the same hold on the display. Leaves
    // ending the process to the caller.
    static Outcome CheckAndActivate(platform::WindowSystem &windows,
                                    platform::WindowId applicationWindow,
                                    std::chrono::milliseconds waitForShown = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Natively on Wayland no program sees another's windows: the name on the
    // session bus decides instead. Does not return when another copy owns it.
    void guardOnSessionBus(QWidget *owner);

    std::unique_ptr<platform::DisplayLock> m_lock;
};
