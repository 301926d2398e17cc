// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the X11 tests need to look at and drive windows from the outside: a
// connection of their own, window properties, a window manager to start and
// stop, and a watch on the windows created and mapped at the top level.

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace xclient {

inline int ignoreErrors(Display *, XErrorEvent *) {
    return 0;
}

class Connection {
public:
    Connection() {
        dpy = XOpenDisplay(nullptr);
        if (dpy) {
            XSetErrorHandler(ignoreErrors);
            root = DefaultRootWindow(dpy);
        }
    }
    ~Connection() {
        if (dpy)
            XCloseDisplay(dpy);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    Display *dpy = nullptr;
    Window root = 0;

    Atom atom(const char *name) { return XInternAtom(dpy, name, False); }

    std::vector<unsigned long> longs(Window w, const char *property, Atom type = AnyPropertyType) {
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        std::vector<unsigned long> out;
        if (XGetWindowProperty(dpy, w, atom(property), 0, 1024, False, type, &actualType, &format,
                               &count, &after, &data) == Success &&
            format == 32 && data) {
            const auto *items = reinterpret_cast<const unsigned long *>(data);
            out.assign(items, items + count);
        }
        if (data)
            XFree(data);
        return out;
    }

    std::string bytes(Window w, Atom property) {
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        std::string out;
        if (XGetWindowProperty(dpy, w, property, 0, 4096, False, AnyPropertyType, &actualType,
                               &format, &count, &after, &data) == Success &&
            format == 8 && data)
            out.assign(reinterpret_cast<const char *>(data), count);
        if (data)
            XFree(data);
        return out;
    }

    void setBytes(Window w, Atom property, Atom type, const std::string &value) {
        XChangeProperty(dpy, w, property, type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(value.data()), int(value.size()));
    }

    std::string wmClassPart(Window w) {
        const std::string all = bytes(w, XA_WM_CLASS);
        const auto nul = all.find('\0');
        return nul == std::string::npos ? std::string() : std::string(all.c_str() + nul + 1);
    }

    long pidOf(Window w) {
        const auto pid = longs(w, "_NET_WM_PID", XA_CARDINAL);
        return pid.empty() ? -1 : long(pid[0]);
    }

    long wmState(Window w) {
        const auto state = longs(w, "WM_STATE");
        return state.empty() ? -1 : long(state[0]);
    }

    bool viewable(Window w) {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(dpy, w, &attributes) && attributes.map_state == IsViewable;
    }

    Window transientFor(Window w) {
        Window owner = 0;
        return XGetTransientForHint(dpy, w, &owner) ? owner : 0;
    }

    // Every window of the tree, parents before children.
    std::vector<Window> allWindows() {
        std::vector<Window> out;
        collect(root, out);
        return out;
    }

    bool windowManagerRunning() {
        const auto check = longs(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
        if (check.empty())
            return false;
        const auto self = longs(check[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
        return !self.empty() && self[0] == check[0];
    }

    // The window that has the keyboard: the window manager's word when one
    // runs, else the input focus.
    Window activeWindow() {
        if (windowManagerRunning()) {
            const auto active = longs(root, "_NET_ACTIVE_WINDOW", XA_WINDOW);
            return active.empty() ? 0 : active[0];
        }
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(dpy, &focus, &revert);
        return focus;
    }

    void requestActivation(Window w) {
        if (!windowManagerRunning()) {
            XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
            XSync(dpy, False);
            return;
        }
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = atom("_NET_ACTIVE_WINDOW");
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;
        XSendEvent(dpy, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XSync(dpy, False);
    }

    void sendDeleteRequest(Window w) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = atom("WM_PROTOCOLS");
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(atom("WM_DELETE_WINDOW"));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(dpy, w, False, NoEventMask, &event);
        XSync(dpy, False);
    }

    // A plain window of another program, mapped.
    Window createOtherWindow(const std::string &title, const std::string &instanceAndClass) {
        const Window w = XCreateSimpleWindow(dpy, root, 600, 500, 200, 100, 0, 0, 0);
        setBytes(w, XA_WM_NAME, XA_STRING, title);
        setBytes(w, XA_WM_CLASS, XA_STRING, instanceAndClass);
        XMapWindow(dpy, w);
        XSync(dpy, False);
        return w;
    }

private:
    void collect(Window w, std::vector<Window> &out) {
        Window rootReturn = 0, parent = 0;
        Window *list = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(dpy, w, &rootReturn, &parent, &list, &count))
            return;
        std::vector<Window> kids(list, list + count);
        if (list)
            XFree(list);
        for (Window kid : kids) {
            out.push_back(kid);
            collect(kid, out);
        }
    }
};

// Polls until done() holds or the time is up.
template <typename F> bool waitFor(F done, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// openbox on the test's display, started and stopped around a test.
class WindowManager {
public:
    ~WindowManager() { stopProcess(); }

    bool start(Connection &x) {
        m_process = new QProcess;
        m_process->setStandardOutputFile(QProcess::nullDevice());
        m_process->setStandardErrorFile(QProcess::nullDevice());
        m_process->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!m_process->waitForStarted(5000) || !waitFor([&] { return x.windowManagerRunning(); }))
            return false;
        // openbox announces itself before it manages windows: wait until it frames
        // a probe window (asking again, as a request made too early goes unheard).
        const Window probe = x.createOtherWindow("Probe", std::string("probe\0Probe", 12));
        QElapsedTimer sinceMap;
        sinceMap.start();
        const bool managed = waitFor([&] {
            if (x.wmState(probe) == NormalState)
                return true;
            if (sinceMap.elapsed() > 300) {
                XUnmapWindow(x.dpy, probe);
                XMapWindow(x.dpy, probe);
                XSync(x.dpy, False);
                sinceMap.restart();
            }
            return false;
        });
        XDestroyWindow(x.dpy, probe);
        XSync(x.dpy, False);
        return managed;
    }

    // True once no window manager runs any more.
    bool stop(Connection &x) {
        if (!m_process)
            return true;
        stopProcess();
        return waitFor([&] { return !x.windowManagerRunning(); });
    }

private:
    void stopProcess() {
        if (!m_process)
            return;
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
        delete m_process;
        m_process = nullptr;
    }

    QProcess *m_process = nullptr;
};

// Records the windows created at the top level from now on, and which of them
// were then mapped or taken into a window manager's frame (which happens only
// when a program asks for its window to be shown).
class TopLevelWatch {
public:
    explicit TopLevelWatch(Connection &x) : m_x(x) {
        XSelectInput(m_x.dpy, m_x.root, SubstructureNotifyMask);
        XSync(m_x.dpy, False);
        drain();
        created.clear();
        shown.clear();
    }
    ~TopLevelWatch() {
        XSelectInput(m_x.dpy, m_x.root, NoEventMask);
        XSync(m_x.dpy, False);
    }

    void drain() {
        XSync(m_x.dpy, False);
        while (XPending(m_x.dpy)) {
            XEvent event;
            XNextEvent(m_x.dpy, &event);
            if (event.type == CreateNotify)
                created.insert(event.xcreatewindow.window);
            else if (event.type == MapNotify && created.count(event.xmap.window))
                shown.insert(event.xmap.window);
            else if (event.type == ReparentNotify && created.count(event.xreparent.window) &&
                     event.xreparent.parent != m_x.root)
                shown.insert(event.xreparent.window);
        }
    }

    std::set<Window> created;
    std::set<Window> shown;

private:
    Connection &m_x;
};

} // namespace xclient
