// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The X11 window system against windows made by hand on a private X server
// without a window manager: what it reads, what it lists, what it activates.

#include "platform/x11windowsystem.h"

#include <QTest>
#include <memory>
#include <optional>
#include <unistd.h>

#include "xclient.h"

using platform::X11WindowSystem;

namespace {

using Text = std::optional<std::string>;
// Dialogs as (index of the owner, -1 for a window of another program; shown).
using Dialogs = QList<QPair<int, bool>>;

std::string bytes(const char *data, std::size_t size) {
    return std::string(data, size);
}

} // namespace

class TestX11WindowSystem : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void windowText_data();
    void windowText();
    void className_data();
    void className();
    void goneWindowIsUnreadable();
    void listsClientsFramedOrNot();
    void listsTopmostFirst();
    void popup_data();
    void popup();
    void minimised_data();
    void minimised();
    void shownOnceTheManagerSaysSo();
    void activateFocusesAndRestoreMaps();
    void thisProcess_data();
    void thisProcess();

private:
    Window makeWindow(Window parent = 0);
    void setWmState(Window w, long state);
    std::vector<platform::WindowId> listed();

    std::unique_ptr<xclient::Connection> m_x;
    std::unique_ptr<X11WindowSystem> m_system;
    std::vector<Window> m_made;
};

void TestX11WindowSystem::initTestCase() {
    m_x = std::make_unique<xclient::Connection>();
    QVERIFY2(m_x->dpy, "no X display");
    m_system = X11WindowSystem::open(nullptr);
    QVERIFY(m_system);
    QCOMPARE(m_system->displayName(), std::string(DisplayString(m_x->dpy)));
}

void TestX11WindowSystem::cleanup() {
    for (Window w : m_made)
        XDestroyWindow(m_x->dpy, w);
    XSync(m_x->dpy, False);
    m_made.clear();
}

Window TestX11WindowSystem::makeWindow(Window parent) {
    const Window w =
        XCreateSimpleWindow(m_x->dpy, parent ? parent : m_x->root, 10, 10, 50, 50, 0, 0, 0);
    if (!parent)
        m_made.push_back(w);
    XSync(m_x->dpy, False);
    return w;
}

void TestX11WindowSystem::setWmState(Window w, long state) {
    const long data[2] = {state, 0};
    const Atom wmState = m_x->atom("WM_STATE");
    XChangeProperty(m_x->dpy, w, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(data), 2);
    XSync(m_x->dpy, False);
}

std::vector<platform::WindowId> TestX11WindowSystem::listed() {
    std::vector<platform::WindowId> out;
    m_system->enumerateTopLevel([&](platform::WindowId w) {
        out.push_back(w);
        return true;
    });
    return out;
}

void TestX11WindowSystem::windowText_data() {
    QTest::addColumn<Text>("netWmName");
    QTest::addColumn<Text>("wmName");
    QTest::addColumn<std::string>("expected");

    const std::string accented = "Diode électroluminescente";
    QTest::newRow("UTF-8 name first") << Text(accented) << Text("Diode") << accented;
    QTest::newRow("WM_NAME alone") << Text() << Text("Chromohm 1.0") << std::string("Chromohm 1.0");
    QTest::newRow("empty UTF-8 name")
        << Text("") << Text("Chromohm 1.0") << std::string("Chromohm 1.0");
    QTest::newRow("no name") << Text() << Text() << std::string();
    QTest::newRow("past 255 bytes, whole")
        << Text(std::string(200, 'a') + std::string(100, 'b')) << Text()
        << std::string(200, 'a') + std::string(100, 'b');
    QTest::newRow("stops at a NUL") << Text(bytes("ab\0cd", 5)) << Text() << std::string("ab");
}

void TestX11WindowSystem::windowText() {
    QFETCH(Text, netWmName);
    QFETCH(Text, wmName);
    QFETCH(std::string, expected);
    const Window w = makeWindow();
    if (netWmName)
        m_x->setBytes(w, m_x->atom("_NET_WM_NAME"), m_x->atom("UTF8_STRING"), *netWmName);
    if (wmName)
        m_x->setBytes(w, XA_WM_NAME, XA_STRING, *wmName);
    XSync(m_x->dpy, False);

    const Text text = m_system->windowText(w);
    QVERIFY2(text, "readable, with a title or without");
    QCOMPARE(*text, expected);
}

void TestX11WindowSystem::className_data() {
    QTest::addColumn<Text>("wmClass");
    QTest::addColumn<std::string>("expected");
    QTest::newRow("class part") << Text(bytes("chromohm\0Chromohm\0", 18))
                                << std::string("Chromohm");
    QTest::newRow("no terminating NUL")
        << Text(bytes("chromohm\0Chromohm", 17)) << std::string("Chromohm");
    QTest::newRow("instance only") << Text("chromohm") << std::string();
    QTest::newRow("none") << Text() << std::string();
    QTest::newRow("past 255 bytes, whole")
        << Text("i" + std::string(1, '\0') + std::string(300, 'C')) << std::string(300, 'C');
}

void TestX11WindowSystem::className() {
    QFETCH(Text, wmClass);
    QFETCH(std::string, expected);
    const Window w = makeWindow();
    if (wmClass)
        m_x->setBytes(w, XA_WM_CLASS, XA_STRING, *wmClass);
    XSync(m_x->dpy, False);

    const Text name = m_system->className(w);
    QVERIFY2(name, "readable, with a class or without");
    QCOMPARE(*name, expected);
}

void TestX11WindowSystem::goneWindowIsUnreadable() {
    const Window w = XCreateSimpleWindow(m_x->dpy, m_x->root, 0, 0, 10, 10, 0, 0, 0);
    m_x->setBytes(w, XA_WM_CLASS, XA_STRING, bytes("a\0A", 3));
    m_x->setBytes(w, XA_WM_NAME, XA_STRING, "A");
    XDestroyWindow(m_x->dpy, w);
    XSync(m_x->dpy, False);

    QVERIFY(!m_system->className(w));
    QVERIFY(!m_system->windowText(w));
    // Asking more of it does no harm either.
    QCOMPARE(m_system->lastActivePopup(w), platform::WindowId(w));
    QVERIFY(!m_system->isMinimised(w));
    m_system->activate(w);
    m_system->restore(w);
    m_system->flush();
}

void TestX11WindowSystem::listsClientsFramedOrNot() {
    // Never shown: only WM_CLASS marks it as a program's window.
    const Window hidden = makeWindow();
    m_x->setBytes(hidden, XA_WM_CLASS, XA_STRING, bytes("h\0H", 3));
    // A window manager's frame, two levels deep, around a client.
    const Window frame = makeWindow();
    const Window inner = makeWindow(frame);
    const Window client = makeWindow(inner);
    m_x->setBytes(client, XA_WM_CLASS, XA_STRING, bytes("c\0C", 3));
    setWmState(client, NormalState);
    XMapWindow(m_x->dpy, client);
    XMapWindow(m_x->dpy, inner);
    XMapWindow(m_x->dpy, frame);
    // Taken into its frame, WM_STATE not set yet: the window manager is busy
    // with it, and it must not drop out of the list meanwhile.
    const Window taking = makeWindow();
    const Window arriving = makeWindow(taking);
    m_x->setBytes(arriving, XA_WM_CLASS, XA_STRING, bytes("a\0A", 3));
    // A helper window with nothing of a program's about it.
    const Window helper = makeWindow();

    const auto windows = listed();
    auto has = [&](Window w) { return std::count(windows.begin(), windows.end(), w) == 1; };
    QVERIFY(has(hidden));
    QVERIFY(has(client));
    QVERIFY(has(arriving));
    QVERIFY(!has(taking));
    QVERIFY(!has(frame));
    QVERIFY(!has(inner));
    QVERIFY(!has(helper));
}

void TestX11WindowSystem::listsTopmostFirst() {
    std::vector<Window> windows;
    for (int i = 0; i < 3; ++i) {
        windows.push_back(makeWindow());
        m_x->setBytes(windows.back(), XA_WM_CLASS, XA_STRING, bytes("s\0S", 3));
        XMapWindow(m_x->dpy, windows.back());
    }
    XRaiseWindow(m_x->dpy, windows[0]);
    XSync(m_x->dpy, False);

    std::vector<platform::WindowId> order;
    for (platform::WindowId w : listed()) {
        if (std::find(windows.begin(), windows.end(), Window(w)) != windows.end())
            order.push_back(w);
    }
    const std::vector<platform::WindowId> expected{windows[0], windows[2], windows[1]};
    QCOMPARE(order, expected);

    // The walk stops when asked to.
    int visits = 0;
    m_system->enumerateTopLevel([&](platform::WindowId) { return ++visits < 2; });
    QCOMPARE(visits, 2);
}

void TestX11WindowSystem::popup_data() {
    // Window 0 is the main window, the dialogs follow.
    QTest::addColumn<Dialogs>("dialogs");
    QTest::addColumn<int>("expected");
    QTest::newRow("no dialog") << Dialogs{} << 0;
    QTest::newRow("open dialog") << Dialogs{{0, true}} << 1;
    QTest::newRow("closed dialog") << Dialogs{{0, false}} << 0;
    QTest::newRow("dialog over a dialog") << Dialogs{{0, true}, {1, true}} << 2;
    QTest::newRow("closed dialog over an open one") << Dialogs{{0, true}, {1, false}} << 1;
    QTest::newRow("dialog of another window") << Dialogs{{-1, true}} << 0;
}

void TestX11WindowSystem::popup() {
    QFETCH(Dialogs, dialogs);
    QFETCH(int, expected);
    std::vector<Window> windows{makeWindow()};
    const Window stranger = makeWindow();
    for (const auto &[owner, shown] : dialogs) {
        const Window dialog = makeWindow();
        m_x->setBytes(dialog, XA_WM_CLASS, XA_STRING, bytes("d\0D", 3));
        XSetTransientForHint(m_x->dpy, dialog, owner < 0 ? stranger : windows[std::size_t(owner)]);
        if (shown)
            XMapWindow(m_x->dpy, dialog);
        windows.push_back(dialog);
    }
    XSync(m_x->dpy, False);
    QCOMPARE(m_system->lastActivePopup(windows[0]),
             platform::WindowId(windows[std::size_t(expected)]));
}

void TestX11WindowSystem::minimised_data() {
    QTest::addColumn<long>("state");
    QTest::addColumn<bool>("minimised");
    QTest::newRow("iconic") << long(IconicState) << true;
    QTest::newRow("normal") << long(NormalState) << false;
    QTest::newRow("withdrawn") << long(WithdrawnState) << false;
    QTest::newRow("not managed") << -1L << false;
}

void TestX11WindowSystem::minimised() {
    QFETCH(long, state);
    QFETCH(bool, minimised);
    const Window w = makeWindow();
    if (state >= 0)
        setWmState(w, state);
    QCOMPARE(m_system->isMinimised(w), minimised);
}

void TestX11WindowSystem::shownOnceTheManagerSaysSo() {
    const Window w = makeWindow();
    m_x->setBytes(w, XA_WM_CLASS, XA_STRING, bytes("s\0S", 3));
    XSync(m_x->dpy, False);
    const auto windows = listed();
    QVERIFY(std::count(windows.begin(), windows.end(), w) == 1);
    QVERIFY(!m_system->isShown(w));
    QVERIFY(!m_system->isMinimised(w));
    // A copy polls for this while another one starts: each look is a new one.
    setWmState(w, IconicState);
    QVERIFY(m_system->isShown(w));
    QVERIFY(m_system->isMinimised(w));
}

void TestX11WindowSystem::activateFocusesAndRestoreMaps() {
    const Window w = makeWindow();
    const Window other = makeWindow();
    XMapWindow(m_x->dpy, w);
    XMapWindow(m_x->dpy, other);
    XSync(m_x->dpy, False);
    XSetInputFocus(m_x->dpy, other, RevertToParent, CurrentTime);
    XSync(m_x->dpy, False);
    QCOMPARE(m_x->activeWindow(), other);
    auto inFront = [&] {
        const auto stack = m_x->allWindows(); // bottom first
        return std::find(stack.begin(), stack.end(), w) >
               std::find(stack.begin(), stack.end(), other);
    };
    QVERIFY(!inFront());

    m_system->activate(w);
    m_system->flush();
    QVERIFY(inFront());
    QCOMPARE(m_x->activeWindow(), w);

    // Minimised, as a manager without _NET_ACTIVE_WINDOW leaves a window.
    XSetInputFocus(m_x->dpy, other, RevertToParent, CurrentTime);
    XUnmapWindow(m_x->dpy, w);
    XSync(m_x->dpy, False);
    setWmState(w, IconicState);
    m_system->activate(w);
    m_system->flush();
    QVERIFY(!m_x->viewable(w));
    QCOMPARE(m_x->activeWindow(), other);

    m_system->restore(w);
    m_system->flush();
    QVERIFY(m_x->viewable(w));
    QVERIFY(inFront());
    QCOMPARE(m_x->activeWindow(), w);
}

void TestX11WindowSystem::thisProcess_data() {
    QTest::addColumn<long>("pid");
    QTest::addColumn<std::string>("machine");
    QTest::addColumn<bool>("ours");
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    QTest::newRow("this process") << long(getpid()) << std::string(host) << true;
    QTest::newRow("another process") << long(getpid()) + 1 << std::string(host) << false;
    QTest::newRow("same number elsewhere")
        << long(getpid()) << std::string(host) + "-elsewhere" << false;
    QTest::newRow("no process number") << -1L << std::string(host) << false;
}

void TestX11WindowSystem::thisProcess() {
    QFETCH(long, pid);
    QFETCH(std::string, machine);
    QFETCH(bool, ours);
    const Window w = makeWindow();
    if (pid >= 0)
        XChangeProperty(m_x->dpy, w, m_x->atom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(&pid), 1);
    m_x->setBytes(w, XA_WM_CLIENT_MACHINE, XA_STRING, machine);
    XSync(m_x->dpy, False);
    QCOMPARE(m_system->belongsToThisProcess(w), ours);
}

QTEST_GUILESS_MAIN(TestX11WindowSystem)

#include "tst_x11windowsystem.moc"
