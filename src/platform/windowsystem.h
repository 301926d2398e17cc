// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the single-instance check asks of the window system: the top-level
// windows, their class names and titles, and bringing another program's window
// to the front. X11 has its own implementation; elsewhere the null one finds
// nothing, so start-up simply goes on.

#include <functional>
#include <optional>
#include <string>

namespace platform {

// A native top-level window; 0 is no window.
using WindowId = unsigned long;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Identifies the display for naming things shared by its programs; empty when
    // there is no display to share.
    virtual std::string displayName() const = 0;

    // Calls visit for every top-level window, hidden ones included, topmost
    // first, until visit returns false.
    virtual void enumerateTopLevel(const std::function<bool(WindowId)> &visit) = 0;

    // The window's class name / title: empty when it has none, nothing when the
    // window cannot be read (it has gone).
    virtual std::optional<std::string> className(WindowId window) = 0;
    virtual std::optional<std::string> windowText(WindowId window) = 0;

    // True for a window of this very process. The other windows of this
    // process belong to its application, whose own window stands for them all.
    virtual bool belongsToThisProcess(WindowId window) = 0;

    // The window of that program to activate: its open dialog if it has one,
    // otherwise the window itself.
    virtual WindowId lastActivePopup(WindowId window) = 0;

    virtual void bringToTop(WindowId window) = 0;
    virtual bool isMinimised(WindowId window) = 0;
    // Brings a minimised window back onto the screen, in front, with the keyboard.
    // Like activate, returns once the window system has the request.
    virtual void restore(WindowId window) = 0;
    // Gives a window on the screen the front and the keyboard; one that is not
    // on the screen stays off it. Returns once the window system has taken the
    // request, so that the caller may end at once.
    virtual void activate(WindowId window) = 0;

    // Makes every request sent so far, ours and the toolkit's, take effect.
    virtual void flush() = 0;

    // Holds back every other program's requests to the display until ungrab,
    // so that a look at the windows and a claim made on what it saw cannot
    // interleave with another copy's.
    virtual void grab() = 0;
    virtual void ungrab() = 0;

    // On the screen or minimised: its program has finished starting.
    virtual bool isShown(WindowId window) = 0;
    // The mark that a copy which stays puts on its window, and the test for it.
    virtual void claim(WindowId window) = 0;
    virtual bool isClaimed(WindowId window) = 0;
};

// For platforms without X11 (offscreen, Wayland without XWayland): no windows
// of other programs are visible, so there is never another instance.
class NullWindowSystem final : public WindowSystem {
public:
    std::string displayName() const override { return {}; }
    void enumerateTopLevel(const std::function<bool(WindowId)> &) override {}
    std::optional<std::string> className(WindowId) override { return std::nullopt; }
    std::optional<std::string> windowText(WindowId) override { return std::nullopt; }
    bool belongsToThisProcess(WindowId) override { return false; }
    WindowId lastActivePopup(WindowId window) override { return window; }
    void bringToTop(WindowId) override {}
    bool isMinimised(WindowId) override { return false; }
    void restore(WindowId) override {}
    void activate(WindowId) override {}
    void flush() override {}
    void grab() override {}
    void ungrab() override {}
    bool isShown(WindowId) override { return false; }
    void claim(WindowId) override {}
    bool isClaimed(WindowId) override { return false; }
};

} // namespace platform
