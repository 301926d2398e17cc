// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Real copies of the program on a private X server, with openbox and without
// a window manager.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <signal.h>

#include "platform/windowsystemlock.h"
#include "xclient.h"

using xclient::Connection;
using xclient::TopLevelWatch;
using xclient::waitFor;
using xclient::WindowManager;

namespace {

const char *const Title = "Chromohm 1.0";

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void secondStartActivatesFirst_data();
    void secondStartActivatesFirst();
    void minimisedCopyIsRestored();
    void openDialogIsActivated_data();
    void openDialogIsActivated();
    void simultaneousStartsLeaveOneCopy_data();
    void simultaneousStartsLeaveOneCopy();

private:
    void simultaneousStartsOnce(int copies);
    void plantAtLockPlace(int place, const QString &what);

private:
    void addWindowManagerColumn();
    void startWindowManager(bool wanted);
    // A gated copy waits for a line on its input before it runs the program.
    QProcess *startCopy(bool gated = false);
    Window mainWindowOf(QProcess *copy);
    Window findMainWindow(qint64 pid);
    void startSecondCopyAndCheckItLeaves(TopLevelWatch &watch);
    int runningCopies() const;
    void stopCopies();
    int countMainWindows(bool shownOnly);
    QByteArray iniSnapshot() const;

    std::unique_ptr<Connection> m_x;
    QTemporaryDir m_runtimeDir;
    QTemporaryDir m_cacheDir;
    QTemporaryDir m_programDir;
    QStringList m_planted;
    QString m_program;
    WindowManager m_windowManager;
    QList<QProcess *> m_copies;
    Window m_other = 0;
};

void TestSingleInstance::initTestCase() {
    m_x = std::make_unique<Connection>();
    QVERIFY2(m_x->dpy, "no X display");
    QVERIFY(m_runtimeDir.isValid());
    QVERIFY(m_cacheDir.isValid());
    QFile::setPermissions(m_runtimeDir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The copies' places for their lock, as this process sees them too.
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", m_cacheDir.path().toLocal8Bit());

    // A copy run from its own folder keeps its settings beside itself: ours alone.
    QVERIFY(m_programDir.isValid());
    m_program = m_programDir.filePath(QStringLiteral("chromohm"));
    QVERIFY(QFile::copy(QStringLiteral(CHROMOHM_BINARY), m_program));
}

void TestSingleInstance::cleanupTestCase() {
    m_x.reset();
}

void TestSingleInstance::stopCopies() {
    for (QProcess *copy : std::as_const(m_copies)) {
        copy->kill();
        copy->waitForFinished(5000);
        delete copy;
    }
    m_copies.clear();
    // The server drops a killed copy's windows a moment later; the next copy
    // must not take them for a running one.
    QVERIFY(waitFor([this] { return countMainWindows(false) == 0; }));
}

void TestSingleInstance::cleanup() {
    stopCopies();
    if (m_other) {
        XDestroyWindow(m_x->dpy, m_other);
        XSync(m_x->dpy, False);
        m_other = 0;
    }
    QVERIFY(m_windowManager.stop(*m_x));
    for (const QString &path : std::as_const(m_planted))
        if (!QFile::remove(path))
            QDir(path).removeRecursively();
    m_planted.clear();
}

void TestSingleInstance::addWindowManagerColumn() {
    QTest::addColumn<bool>("windowManager");
    QTest::newRow("openbox") << true;
    QTest::newRow("no window manager") << false;
}

void TestSingleInstance::startWindowManager(bool wanted) {
    if (wanted)
        QVERIFY(m_windowManager.start(*m_x));
}

QProcess *TestSingleInstance::startCopy(bool gated) {
    auto *copy = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Keeps the copies' lock away from any other session's.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_cacheDir.path());
    // A session bus beside the display, which the copies must leave alone.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               qEnvironmentVariable("CHROMOHM_TEST_BUS"));
    copy->setProcessEnvironment(env);
    copy->setStandardOutputFile(QProcess::nullDevice());
    copy->setStandardErrorFile(QProcess::nullDevice());
    if (gated)
        copy->start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("read go; exec \"$0\""), m_program});
    else
        copy->start(m_program, {});
    m_copies << copy;
    return copy;
}

// The copy's main window once it is on the screen; 0 if it never gets there.
Window TestSingleInstance::findMainWindow(qint64 pid) {
    for (Window w : m_x->allWindows()) {
        if (m_x->pidOf(w) == pid && m_x->wmClassPart(w) == "Chromohm" &&
            m_x->bytes(w, m_x->atom("_NET_WM_NAME")) == Title && m_x->viewable(w) &&
            m_x->transientFor(w) == 0)
            return w;
    }
    return 0;
}

Window TestSingleInstance::mainWindowOf(QProcess *copy) {
    Window found = 0;
    if (!waitFor([&] { return (found = findMainWindow(copy->processId())) != 0; }, 15000)) {
        qWarning("copy %lld: state %d, exit code %d", copy->processId(), int(copy->state()),
                 copy->exitCode());
        for (Window w : m_x->allWindows()) {
            if (m_x->wmClassPart(w) == "Chromohm")
                qWarning("window %lx pid %ld viewable %d state %ld transient %lx", w, m_x->pidOf(w),
                         m_x->viewable(w), m_x->wmState(w), m_x->transientFor(w));
        }
    }
    return found;
}

void TestSingleInstance::startSecondCopyAndCheckItLeaves(TopLevelWatch &watch) {
    QProcess *second = startCopy();
    QVERIFY(second->waitForFinished(30000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    watch.drain();
    QVERIFY2(!watch.created.empty(), "the second copy made no window to compare");
    QVERIFY2(watch.shown.empty(), "the second copy put a window on the screen");
}

int TestSingleInstance::runningCopies() const {
    return int(std::count_if(m_copies.cbegin(), m_copies.cend(),
                             [](QProcess *p) { return p->state() == QProcess::Running; }));
}

// What a copy could have done to the settings file: its content and time.
QByteArray TestSingleInstance::iniSnapshot() const {
    QFile ini(m_programDir.filePath(QStringLiteral("chromohm.INI")));
    if (!ini.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<none>");
    const QDateTime modified = QFileInfo(ini).fileTime(QFileDevice::FileModificationTime);
    return modified.toString(Qt::ISODateWithMs).toUtf8() + '\n' + ini.readAll();
}

int TestSingleInstance::countMainWindows(bool shownOnly) {
    int count = 0;
    for (Window w : m_x->allWindows()) {
        if (m_x->wmClassPart(w) == "Chromohm" && m_x->transientFor(w) == 0 &&
            m_x->bytes(w, m_x->atom("_NET_WM_NAME")) == Title && (!shownOnly || m_x->viewable(w)))
            ++count;
    }
    return count;
}

void TestSingleInstance::secondStartActivatesFirst_data() {
    addWindowManagerColumn();
}

void TestSingleInstance::secondStartActivatesFirst() {
    QFETCH(bool, windowManager);
    startWindowManager(windowManager);
    QProcess *first = startCopy();
    const Window main = mainWindowOf(first);
    QVERIFY(main);
    // The manager gives a new window the keyboard; taking it away before then
    // is undone when it does. Without one, no one gives it.
    if (windowManager)
        QVERIFY(waitFor([&] { return m_x->activeWindow() == main; }));

    // Another program has the keyboard when the second copy starts.
    m_other = m_x->createOtherWindow("Autre", std::string("other\0Other", 11));
    QVERIFY(waitFor([&] { return m_x->viewable(m_other); }));
    m_x->requestActivation(m_other);
    QVERIFY(waitFor([&] { return m_x->activeWindow() == m_other; }));

    const QByteArray settingsBefore = iniSnapshot();
    TopLevelWatch watch(*m_x);
    startSecondCopyAndCheckItLeaves(watch);
    QVERIFY2(waitFor([&] { return m_x->activeWindow() == main; }),
             "the first copy did not become the active window");
    QCOMPARE(iniSnapshot(), settingsBefore);
    QCOMPARE(first->state(), QProcess::Running);
    // On X11 the window list decides; the bus is not asked.
    QDBusConnection bus =
        QDBusConnection::connectToBus(qEnvironmentVariable("CHROMOHM_TEST_BUS"), "t");
    QVERIFY(!bus.interface()->isServiceRegistered(QStringLiteral(CHROMOHM_APP_ID)).value());
}

void TestSingleInstance::minimisedCopyIsRestored() {
    // Minimising needs a window manager.
    startWindowManager(true);
    QProcess *first = startCopy();
    const Window main = mainWindowOf(first);
    QVERIFY(main);
    XIconifyWindow(m_x->dpy, main, DefaultScreen(m_x->dpy));
    XSync(m_x->dpy, False);
    QVERIFY(waitFor([&] { return m_x->wmState(main) == IconicState && !m_x->viewable(main); }));

    TopLevelWatch watch(*m_x);
    startSecondCopyAndCheckItLeaves(watch);
    QVERIFY2(waitFor([&] { return m_x->wmState(main) == NormalState && m_x->viewable(main); }),
             "the first copy is still minimised");
    QVERIFY(waitFor([&] { return m_x->activeWindow() == main; }));
}

void TestSingleInstance::openDialogIsActivated_data() {
    addWindowManagerColumn();
}

void TestSingleInstance::openDialogIsActivated() {
    QFETCH(bool, windowManager);
    startWindowManager(windowManager);
    QProcess *first = startCopy();
    const Window main = mainWindowOf(first);
    QVERIFY(main);

    // Closing the window asks for confirmation in a dialog of its own.
    m_x->sendDeleteRequest(main);
    Window dialog = 0;
    QVERIFY2(waitFor([&] {
                 for (Window w : m_x->allWindows()) {
                     if (m_x->transientFor(w) == main && m_x->viewable(w))
                         dialog = w;
                 }
                 return dialog != 0;
             }),
             "the quit confirmation did not open");
    // The dialog takes the keyboard once it is shown, with or without a manager.
    QVERIFY(waitFor([&] { return m_x->activeWindow() == dialog; }));

    m_other = m_x->createOtherWindow("Autre", std::string("other\0Other", 11));
    QVERIFY(waitFor([&] { return m_x->viewable(m_other); }));
    m_x->requestActivation(m_other);
    QVERIFY(waitFor([&] { return m_x->activeWindow() == m_other; }));

    TopLevelWatch watch(*m_x);
    startSecondCopyAndCheckItLeaves(watch);
    QVERIFY2(waitFor([&] { return m_x->activeWindow() == dialog; }),
             "the open dialog of the first copy did not become the active window");
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleInstance::simultaneousStartsLeaveOneCopy_data() {
    QTest::addColumn<bool>("windowManager");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("firstPlace"); // what stands where the lock goes first
    QTest::addColumn<QString>("secondPlace");
    QTest::addColumn<int>("rounds");
    QTest::newRow("openbox") << true << 10 << ""
                             << "" << 3;
    QTest::newRow("no window manager") << false << 10 << ""
                                       << "" << 3;
    QTest::newRow("folder where the lock goes") << false << 20 << "folder"
                                                << "" << 4;
    QTest::newRow("openbox, link where the lock goes") << true << 20 << "link"
                                                       << "" << 4;
    QTest::newRow("no place for the lock") << false << 20 << "folder"
                                           << "folder" << 4;
}

void TestSingleInstance::plantAtLockPlace(int place, const QString &what) {
    if (what.isEmpty())
        return;
    const std::string display = DisplayString(m_x->dpy);
    const auto places = platform::DisplayLock::placesFor(display, "Chromohm");
    QCOMPARE(places.size(), std::size_t(2));
    const QString path = QString::fromStdString(places[std::size_t(place)]);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile::remove(path); // an earlier copy's lock file
    if (what == u"link")
        QVERIFY(QFile::link(m_cacheDir.filePath(QStringLiteral("nowhere")), path));
    else
        QVERIFY(QDir().mkdir(path));
    m_planted << path;
}

void TestSingleInstance::simultaneousStartsLeaveOneCopy() {
    QFETCH(bool, windowManager);
    QFETCH(int, copies);
    QFETCH(QString, firstPlace);
    QFETCH(QString, secondPlace);
    QFETCH(int, rounds);
    startWindowManager(windowManager);
    plantAtLockPlace(0, firstPlace);
    plantAtLockPlace(1, secondPlace);
    // Whether the copies find a place for their lock at all.
    platform::DisplayLock probe(DisplayString(m_x->dpy), "Chromohm", std::chrono::milliseconds(0));
    QCOMPARE(probe.held(), secondPlace.isEmpty());
    probe.release();
    // The race is a matter of luck; give it a few chances.
    for (int round = 0; round < rounds; ++round) {
        simultaneousStartsOnce(copies);
        if (QTest::currentTestFailed())
            return;
        stopCopies();
    }
}

void TestSingleInstance::simultaneousStartsOnce(int copies) {
    for (int i = 0; i < copies; ++i)
        startCopy(true);
    for (QProcess *copy : std::as_const(m_copies))
        QVERIFY(copy->waitForStarted(5000));
    // Let them all go at the same moment.
    for (QProcess *copy : std::as_const(m_copies))
        copy->write("\n");
    for (QProcess *copy : std::as_const(m_copies))
        copy->waitForBytesWritten(1000);

    QVERIFY2(waitFor([this] { return runningCopies() <= 1; }, 30000),
             qPrintable(QStringLiteral("%1 copies still running").arg(runningCopies())));
    QCOMPARE(runningCopies(), 1);
    QProcess *survivor = nullptr;
    for (QProcess *copy : std::as_const(m_copies)) {
        if (copy->state() == QProcess::Running) {
            survivor = copy;
            continue;
        }
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }
    QVERIFY(survivor);
    // The one that stays is up, and the others are gone for good.
    QVERIFY(mainWindowOf(survivor));
    QCOMPARE(runningCopies(), 1);
    QCOMPARE(countMainWindows(true), 1);
}

QTEST_GUILESS_MAIN(TestSingleInstance)

#include "tst_singleinstance.moc"
