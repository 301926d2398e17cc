// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window system on X11, through xcb. Top-level windows are the client
// windows, whether or not a window manager has put them into frames, hidden ones
// included; activating and restoring go through the window manager
// (_NET_ACTIVE_WINDOW) when one is running, else the window is raised and given
// the input focus, and restoring maps it again first.

#include "platform/windowsystem.h"

#include <memory>
#include <string>

struct xcb_connection_t;

namespace platform {

class X11WindowSystem final : public WindowSystem {
public:
    // Works on the toolkit's own connection, so that the program talks to the
    // display through one connection and what the toolkit has sent comes before
    // our requests; the reads of a look at the windows go out together, so that
    // it costs a few round trips, not one per property. Errors about windows
    // vanishing under our feet are dropped. Without a connection it opens one of
    // its own ($DISPLAY). displayName names the display for the lock ($DISPLAY
    // when empty). Null when there is no display.
    static std::unique_ptr<X11WindowSystem> open(xcb_connection_t *appConnection,
                                                 const std::string &displayName = {});
    ~X11WindowSystem() override;

    std::string displayName() const override;
    void enumerateTopLevel(const std::function<bool(WindowId)> &visit) override;
    std::optional<std::string> className(WindowId window) override;
    std::optional<std::string> windowText(WindowId window) override;
    // Told by _NET_WM_PID and WM_CLIENT_MACHINE, which the toolkit sets on
    // each of its windows.
    bool belongsToThisProcess(WindowId window) override;
    WindowId lastActivePopup(WindowId window) override;
    void bringToTop(WindowId window) override;
    bool isMinimised(WindowId window) override;
    void restore(WindowId window) override;
    void activate(WindowId window) override;
    void flush() override;
    void grab() override;
    void ungrab() override;
    bool isShown(WindowId window) override;
    // A property of the window, _CHROMOHM_CLAIM, holding the process id.
    void claim(WindowId window) override;
    bool isClaimed(WindowId window) override;

private:
    struct Private;
    explicit X11WindowSystem(std::unique_ptr<Private> d);
    // The connection's state, its atoms known.
    Private &x();
    std::unique_ptr<Private> d;
};

} // namespace platform
