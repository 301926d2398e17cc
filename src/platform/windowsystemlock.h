// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An exclusive lock shared by this user's programs on one display, named after
// the display and a window class. Copies started together take it in turn
// around the single-instance check, so that each later one finds the first
// copy's window on the screen, ready to be brought to the front. The check is
// right without it too; the lock only spares the later copies a window that
// is not there yet.

#include <chrono>
#include <string>
#include <vector>

namespace platform {

class DisplayLock {
public:
    // Waits at most `timeout` for the lock; a copy that hangs while holding it
    // must not keep every later start waiting. The lock file goes in the first
    // of placesFor where one can be had; with none, the lock is not held.
    DisplayLock(const std::string &displayName, const std::string &className,
                std::chrono::milliseconds timeout);
    ~DisplayLock();
    DisplayLock(const DisplayLock &) = delete;
    DisplayLock &operator=(const DisplayLock &) = delete;

    bool held() const { return m_fd >= 0; }
    void release();

    // Where the lock file for a display and class may go, in order: in
    // $XDG_RUNTIME_DIR when it is ours and closed to others, else in a folder of
    // the user's own cache (with the host's name, as a home may be shared).
    // Another user can take neither place.
    static std::vector<std::string> placesFor(const std::string &displayName,
                                              const std::string &className);

private:
    int m_fd = -1;
};

} // namespace platform
