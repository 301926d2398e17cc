#pragma once
// An exclusive lock shared by this user's programs on one display, named after
// the display and a window class. Two copies started at the same moment would
// otherwise each see the other's window and both give way, or both miss it and
// both stay; holding this lock around the single-instance check lines them up.

#include <chrono>
#include <string>

namespace platform {

class DisplayLock {
public:
    // Waits at most `timeout` for the lock; a copy that hangs while holding it
    // must not keep every later start waiting. Without a usable lock file the
    // lock is simply not held.
    DisplayLock(const std::string &displayName, const std::string &className,
                std::chrono::milliseconds timeout);
    ~DisplayLock();
    DisplayLock(const DisplayLock &) = delete;
    DisplayLock &operator=(const DisplayLock &) = delete;

    bool held() const { return m_fd >= 0; }
    void release();

    // The lock file for a display and class: in $XDG_RUNTIME_DIR when it is
    // ours, else in /tmp with the user id in the name.
    static std::string pathFor(const std::string &displayName, const std::string &className);

private:
    int m_fd = -1;
};

} // namespace platform
