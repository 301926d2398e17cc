// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tjustone.h"

#include "app/programinfo.h"
#include "platform/applicationbus.h"
#include "platform/windowsystemlock.h"
#include "platform/x11windowsystem.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

namespace {

using platform::WindowId;
using platform::WindowSystem;

// How long a later copy waits for the first one's window to come on the screen,
// so that bringing it to the front lands on a window that is there: long enough
// for a copy busy starting on a loaded machine, short enough that one which
// hangs before showing its window does not hold every later start.
constexpr std::chrono::milliseconds LockTimeout(10000);
constexpr std::chrono::milliseconds PollInterval(10);
// All that a start waits on the session bus: one that answers slowly must not
// hold it for long.
constexpr std::chrono::milliseconds BusTimeout(2000);

// The display held for the length of a scope.
class Grab {
public:
    explicit Grab(WindowSystem &windows) : m_windows(windows) { m_windows.grab(); }
    ~Grab() { m_windows.ungrab(); }
    Grab(const Grab &) = delete;
    Grab &operator=(const Grab &) = delete;

private:
    WindowSystem &m_windows;
};

void waitUntilShown(WindowSystem &windows, WindowId window, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!windows.isShown(window) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(PollInterval);
}

std::unique_ptr<WindowSystem> nativeWindowSystem() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection()) {
        if (auto windows = platform::X11WindowSystem::open(x11->connection()))
            return windows;
    }
    return std::make_unique<platform::NullWindowSystem>();
}

// Names are compared on their first 255 bytes, the room the guard keeps for
// one: windows whose names agree that far are the same program's.
constexpr std::size_t ComparedBytes = 255;

std::optional<std::string> compared(std::optional<std::string> name) {
    if (name && name->size() > ComparedBytes)
        name->resize(ComparedBytes);
    return name;
}

// Exactly the saved name; one that cannot be read or is empty never is.
bool sameName(const std::optional<std::string> &name, const std::string &saved) {
    return name && !name->empty() && *name == saved;
}

// A window of another copy that counts, or this copy's own.
bool isMatch(WindowSystem &windows, WindowId window, const std::string &savedClass,
             const std::string &savedTitle, WindowId applicationWindow) {
    if (!sameName(compared(windows.className(window)), savedClass))
        return false;
    if (!sameName(compared(windows.windowText(window)), savedTitle))
        return false;
    if (window == applicationWindow)
        return true;
    // Our application window stands for every window of this process.
    if (windows.belongsToThisProcess(window))
        return false;
    // A copy still starting that has not claimed its place decides for itself;
    // counting it too could make every copy give way.
    return windows.isShown(window) || windows.isClaimed(window);
}

// Natively on Wayland, where the compositor decides and only an activation
// token lets a window take the front: the open dialog if there is one (the quit
// question, the about box), else the main window, back from minimised.
void bringForward(QWidget *mainWindow, const QString &activationToken) {
    if (mainWindow->isMinimized())
        mainWindow->setWindowState(mainWindow->windowState() & ~Qt::WindowMinimized);
    QWidget *target = QApplication::activeModalWidget();
    QWindow *window = (target ? target : mainWindow)->windowHandle();
    if (!window)
        return;
    // Qt's Wayland plugin takes the token from the environment when asked.
    if (activationToken.isEmpty())
        qunsetenv("XDG_ACTIVATION_TOKEN");
    else
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    window->requestActivate();
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace

TJustOne::Outcome TJustOne::CheckAndActivate(WindowSystem &windows, WindowId applicationWindow,
                                             std::chrono::milliseconds waitForShown) {
    Outcome outcome;
    // Our own window may not have reached the window system yet.
    windows.flush();
    const std::string savedTitle = compared(windows.windowText(applicationWindow)).value_or("");
    const std::string savedClass = compared(windows.className(applicationWindow)).value_or("");

    {
        // Looking and claiming in one go: of copies starting together, exactly
        // one finds no claim and stays, whatever became of the lock.
        const Grab grab(windows);
        windows.enumerateTopLevel([&](WindowId window) {
            if (isMatch(windows, window, savedClass, savedTitle, applicationWindow)) {
                ++outcome.matchCount;
                if (window != applicationWindow)
                    outcome.foundWindow = window;
            }
            return true;
        });
        if (!outcome.anotherInstance() && applicationWindow)
            windows.claim(applicationWindow);
    }

    if (!outcome.anotherInstance())
        return outcome;
    // A copy that claimed its place but is still starting is brought up once
    // its window is there.
    waitUntilShown(windows, outcome.foundWindow, waitForShown);
    outcome.popupWindow = windows.lastActivePopup(outcome.foundWindow);
    windows.bringToTop(outcome.foundWindow);
    if (windows.isMinimised(outcome.popupWindow))
        windows.restore(outcome.popupWindow);
    else
        windows.activate(outcome.popupWindow);
    windows.flush();
    return outcome;
}

TJustOne::TJustOne(QWidget *owner) : QObject(owner) {
    setObjectName(QStringLiteral("JustOne1"));
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        guardOnSessionBus(owner);
        return;
    }
    std::unique_ptr<WindowSystem> windows = nativeWindowSystem();
    const std::string display = windows->displayName();
    // Taken before our window exists: a copy let through finds the one before
    // it on the screen. Without a display there is none to take.
    m_lock = std::make_unique<platform::DisplayLock>(
        display, QCoreApplication::applicationName().toStdString(), LockTimeout);

    // The class name comes from the application name and the title is the
    // caption, which is the application title.
    const WindowId applicationWindow = display.empty() ? 0 : WindowId(owner->winId());
    // Behind the lock, the first copy's window is on the screen already.
    const Outcome outcome = CheckAndActivate(
        *windows, applicationWindow, m_lock->held() ? std::chrono::milliseconds(0) : LockTimeout);
    if (outcome.anotherInstance()) {
        // Never claimed, our window was never counted; it goes before we do.
        if (QWindow *window = owner->windowHandle())
            window->destroy();
        windows->flush();
        std::exit(0);
    }

    // Hold the lock until the window is on the screen: a copy started meanwhile
    // then finds a window it can activate. An error box shown while the window
    // is being prepared counts too, or a second start would wait for its
    // timeout.
    if (m_lock->held())
        qApp->installEventFilter(this);
    else
        m_lock.reset();
}

TJustOne::~TJustOne() = default;

void TJustOne::guardOnSessionBus(QWidget *owner) {
    auto *bus = new platform::ApplicationBus(QString::fromUtf8(programinfo::AppId), this);
    switch (bus->claim(platform::ApplicationBus::startPlatformData(), BusTimeout)) {
    case platform::ApplicationBus::Claim::Owned:
        connect(bus, &platform::ApplicationBus::activated, owner,
                [owner](const QString &token) { bringForward(owner, token); });
        return;
    case platform::ApplicationBus::Claim::OwnerActivated:
        std::exit(0);
    case platform::ApplicationBus::Claim::NoBus:
        // Starts as it would without a bus: its own window.
        delete bus;
        return;
    }
}

bool TJustOne::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Expose) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (window && window->isExposed()) {
            qApp->removeEventFilter(this);
            m_lock.reset();
        }
    }
    return QObject::eventFilter(watched, event);
}
