// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The guard inside a real main window on X11, in this process.

#include "app/program.h"
#include "common/scratchwindow.h"
#include "platform/windowsystemlock.h"
#include "platform/x11windowsystem.h"
#include "toolkit/tapplication.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>

class TestJustOneWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowReadyBeforeTheCheck();
    void lockHeldUntilTheWindowIsShown();
    void errorBoxBeforeTheWindowReleasesTheLock();
    void secondMainWindowOfThisProcessStays();

private:
    bool lockIsFree();
    std::unique_ptr<platform::X11WindowSystem> m_system;
    QTemporaryDir m_runtimeDir;
};

void TestJustOneWindow::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    QVERIFY(x11 && x11->display());
    m_system = platform::X11WindowSystem::open(x11->connection());
    QVERIFY(m_system);
    QVERIFY(m_runtimeDir.isValid());
    QFile::setPermissions(m_runtimeDir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toLocal8Bit());
}

bool TestJustOneWindow::lockIsFree() {
    platform::DisplayLock probe(m_system->displayName(), "Chromohm", std::chrono::milliseconds(0));
    return probe.held();
}

void TestJustOneWindow::windowReadyBeforeTheCheck() {
    // What another copy compares: the class name and the title, there before
    // the window is ever shown.
    ScratchWindow window;
    QVERIFY(!window.isVisible());
    QVERIFY(window.testAttribute(Qt::WA_WState_Created));
    const auto id = platform::WindowId(window.winId());
    m_system->flush();
    QCOMPARE(m_system->className(id).value_or("<unreadable>"), std::string("Chromohm"));
    QCOMPARE(m_system->windowText(id).value_or("<unreadable>"), std::string("Chromohm 1.0"));
    QVERIFY(m_system->belongsToThisProcess(id));
}

void TestJustOneWindow::lockHeldUntilTheWindowIsShown() {
    QVERIFY(lockIsFree());
    {
        ScratchWindow window;
        QVERIFY2(!lockIsFree(), "a copy starting now would not wait for this one");
        QTest::qWait(50);
        QVERIFY(!lockIsFree());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(lockIsFree());
    }
    // A window closed before it was ever shown lets go as well.
    { ScratchWindow window; }
    QVERIFY(lockIsFree());
}

void TestJustOneWindow::errorBoxBeforeTheWindowReleasesTheLock() {
    // An error while the window is being prepared shows a box before the
    // window itself; that box is on the screen, so later starts need not wait.
    ScratchWindow window;
    QVERIFY(!lockIsFree());
    QWidget box;
    box.setWindowTitle(QStringLiteral("Chromohm 1.0"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTRY_VERIFY(lockIsFree());
    QVERIFY(!window.isVisible());
}

void TestJustOneWindow::secondMainWindowOfThisProcessStays() {
    // This process's windows are one application; only another process counts
    // as another copy.
    ScratchWindow first;
    first.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    ScratchWindow second;
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QVERIFY(first.isVisible());
    QVERIFY(second.isVisible());
}

namespace {
bool testsFinished = false;
}

int main(int argc, char **argv) {
    // The guard ends a process with code 0; here that would pass for success.
    std::atexit([] {
        if (!testsFinished) {
            std::fputs("FAIL: the process ended in the middle of the tests\n", stderr);
            std::_Exit(1);
        }
    });
    TApplication app(argc, argv);
    // The window's class and title as the program gives them.
    identifyProgram(app);
    TestJustOneWindow t;
    const int failures = QTest::qExec(&t, argc, argv);
    testsFinished = true;
    return failures;
}

#include "tst_justonewindow.moc"
