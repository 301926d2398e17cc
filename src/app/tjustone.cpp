#include "app/tjustone.h"

#include "platform/windowsystemlock.h"
#include "platform/x11windowsystem.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>

namespace {

using platform::WindowId;
using platform::WindowSystem;

// Long enough for a copy that is busy starting on a loaded machine, short enough
// that one which hangs before showing its window does not block later starts.
constexpr std::chrono::milliseconds LockTimeout(10000);

std::unique_ptr<WindowSystem> nativeWindowSystem() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->display()) {
        if (auto windows = platform::X11WindowSystem::open(x11->display()))
            return windows;
    }
    return std::make_unique<platform::NullWindowSystem>();
}

} // namespace

TJustOne::Outcome TJustOne::CheckAndActivate(WindowSystem &windows, WindowId applicationWindow) {
    Outcome outcome;
    // Our own window may not have reached the window system yet.
    windows.flush();
    char savedTitle[WindowSystem::TextBufferSize] = {};
    char savedClass[WindowSystem::TextBufferSize] = {};
    windows.windowText(applicationWindow, savedTitle, sizeof savedTitle);
    windows.className(applicationWindow, savedClass, sizeof savedClass);

    windows.enumerateTopLevel([&](WindowId window) {
        char name[WindowSystem::TextBufferSize] = {};
        if (windows.className(window, name, sizeof name) <= 0 || std::strcmp(name, savedClass) != 0)
            return true;
        char text[WindowSystem::TextBufferSize] = {};
        if (windows.windowText(window, text, sizeof text) <= 0 ||
            std::strcmp(text, savedTitle) != 0)
            return true;
        // Our application window stands for every window of this process.
        if (window != applicationWindow && windows.belongsToThisProcess(window))
            return true;
        ++outcome.matchCount;
        if (window != applicationWindow)
            outcome.foundWindow = window;
        return true;
    });

    if (!outcome.anotherInstance())
        return outcome;
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
    std::unique_ptr<WindowSystem> windows = nativeWindowSystem();
    const std::string display = windows->displayName();
    // Taken before our window exists, so that no copy can see it while it is
    // still deciding whether to stay. Without a display there is none to take.
    m_lock = std::make_unique<platform::DisplayLock>(
        display, QCoreApplication::applicationName().toStdString(), LockTimeout);

    // The class name comes from the application name and the title is the
    // caption, which is the application title.
    const WindowId applicationWindow = display.empty() ? 0 : WindowId(owner->winId());
    const Outcome outcome = CheckAndActivate(*windows, applicationWindow);
    if (outcome.anotherInstance()) {
        // Our window goes before the lock does, so the next copy to check
        // never counts it.
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
