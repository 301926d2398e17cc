// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tjustone.h"
#include "platform/windowsystem.h"
#include "platform/windowsystemlock.h"
#include "toolkit/tapplication.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <optional>
#include <sys/stat.h>

using platform::WindowId;

namespace {

// A top-level window as the fake window system shows it; an empty optional is
// a class name or title that cannot be read.
struct FakeWindow {
    WindowId id = 0;
    std::optional<std::string> className;
    std::optional<std::string> title;
    bool minimised = false;
    WindowId popup = 0; // an open dialog of the window
    bool thisProcess = false;
    bool shown = true;    // false: still starting
    bool claimed = false; // by a copy that stays
};

const std::string Class = "Chromohm";
const std::string Title = "Chromohm 1.0";

FakeWindow copy(WindowId id, bool minimised = false, WindowId popup = 0) {
    return {id, Class, Title, minimised, popup};
}

// Another copy that has created its window but not shown it yet.
FakeWindow starting(WindowId id, bool claimed) {
    FakeWindow w = copy(id);
    w.shown = false;
    w.claimed = claimed;
    return w;
}

// Lists windows in enumeration order and records what is done to them.
class FakeWindowSystem final : public platform::WindowSystem {
public:
    explicit FakeWindowSystem(QList<FakeWindow> windows) : m_windows(std::move(windows)) {}

    QStringList calls;

    std::string displayName() const override { return ":fake"; }
    void enumerateTopLevel(const std::function<bool(WindowId)> &visit) override {
        for (const FakeWindow &w : m_windows) {
            if (!visit(w.id))
                return;
        }
    }
    std::optional<std::string> className(WindowId id) override {
        return find(id) ? find(id)->className : std::nullopt;
    }
    std::optional<std::string> windowText(WindowId id) override {
        return find(id) ? find(id)->title : std::nullopt;
    }
    bool belongsToThisProcess(WindowId id) override {
        return id == 1 || (find(id) && find(id)->thisProcess);
    }
    WindowId lastActivePopup(WindowId id) override {
        const FakeWindow *w = find(id);
        return w && w->popup ? w->popup : id;
    }
    void bringToTop(WindowId id) override { calls << QStringLiteral("bringToTop(%1)").arg(id); }
    bool isMinimised(WindowId id) override {
        // A dialog is minimised together with its owner.
        for (const FakeWindow &w : m_windows) {
            if ((w.id == id || w.popup == id) && w.minimised)
                return true;
        }
        return false;
    }
    void restore(WindowId id) override { calls << QStringLiteral("restore(%1)").arg(id); }
    void activate(WindowId id) override { calls << QStringLiteral("activate(%1)").arg(id); }
    void flush() override {}
    void grab() override { grabbed = true; }
    void ungrab() override { grabbed = false; }
    bool isShown(WindowId id) override { return find(id) && find(id)->shown; }
    void claim(WindowId id) override {
        claims << QString::fromLatin1(grabbed ? "claim(%1)" : "claim(%1) without the grab").arg(id);
    }
    bool isClaimed(WindowId id) override { return find(id) && find(id)->claimed; }

    bool grabbed = false;
    QStringList claims;

private:
    const FakeWindow *find(WindowId id) const {
        for (const FakeWindow &w : m_windows) {
            if (w.id == id)
                return &w;
        }
        return nullptr;
    }
    QList<FakeWindow> m_windows;
};

// The lock's two places in folders of the test's own, for the length of a scope.
struct Places {
    Places() {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    }
    ~Places() {
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_CACHE_HOME");
    }
    QTemporaryDir runtime;
    QTemporaryDir cache;
};

} // namespace

Q_DECLARE_METATYPE(QList<FakeWindow>)

class TestJustOne : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void copiesStartingTogether_data();
    void copiesStartingTogether();
    void offscreenFindsNoOtherCopy();
    void lockPathIsPerDisplay_data();
    void lockPathIsPerDisplay();
    void lockIsExclusive();
    void lockGoesElsewhereWhenItsPlaceIsTaken_data();
    void lockGoesElsewhereWhenItsPlaceIsTaken();
};

void TestJustOne::check_data() {
    QTest::addColumn<QList<FakeWindow>>("windows");
    QTest::addColumn<int>("matchCount");
    QTest::addColumn<WindowId>("foundWindow");
    QTest::addColumn<QStringList>("calls");

    // This process's application window is always id 1.
    const FakeWindow xterm{7, "XTerm", "xterm", false, 0};
    const std::string first255(255, 'x');

    QTest::newRow("alone") << QList<FakeWindow>{xterm, copy(1)} << 1 << WindowId(0)
                           << QStringList{};
    QTest::newRow("another copy") << QList<FakeWindow>{copy(1), xterm, copy(2)} << 2 << WindowId(2)
                                  << QStringList{"bringToTop(2)", "activate(2)"};
    QTest::newRow("another copy, minimised")
        << QList<FakeWindow>{copy(2, true), copy(1)} << 2 << WindowId(2)
        << QStringList{"bringToTop(2)", "restore(2)"};
    QTest::newRow("another copy with its dialog open")
        << QList<FakeWindow>{copy(1), copy(2, false, 5)} << 2 << WindowId(2)
        << QStringList{"bringToTop(2)", "activate(5)"};
    QTest::newRow("another copy minimised with its dialog open")
        << QList<FakeWindow>{copy(1), copy(2, true, 5)} << 2 << WindowId(2)
        << QStringList{"bringToTop(2)", "restore(5)"};
    QTest::newRow("two other copies: the last one met")
        << QList<FakeWindow>{copy(3), copy(1), copy(2)} << 3 << WindowId(2)
        << QStringList{"bringToTop(2)", "activate(2)"};
    QTest::newRow("two other copies, other order")
        << QList<FakeWindow>{copy(2), copy(1), copy(3)} << 3 << WindowId(3)
        << QStringList{"bringToTop(3)", "activate(3)"};
    QTest::newRow("own window met last does not replace the other")
        << QList<FakeWindow>{copy(2), copy(1)} << 2 << WindowId(2)
        << QStringList{"bringToTop(2)", "activate(2)"};
    QTest::newRow("title differs in one character")
        << QList<FakeWindow>{copy(1), {2, Class, "Chromohm 1.1", false, 0}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("title differs in case")
        << QList<FakeWindow>{copy(1), {2, Class, "chromohm 1.0", false, 0}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("title with a trailing blank")
        << QList<FakeWindow>{copy(1), {2, Class, "Chromohm 1.0 ", false, 0}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("class differs in case")
        << QList<FakeWindow>{copy(1), {2, "chromohm", Title, false, 0}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("unrelated window with the same class and title")
        << QList<FakeWindow>{xterm, copy(1), {9, Class, Title, false, 0}} << 2 << WindowId(9)
        << QStringList{"bringToTop(9)", "activate(9)"};
    QTest::newRow("empty application title")
        << QList<FakeWindow>{{1, Class, "", false, 0}, {2, Class, "", false, 0}} << 0 << WindowId(0)
        << QStringList{};
    QTest::newRow("unreadable class name")
        << QList<FakeWindow>{copy(1), {2, std::nullopt, Title, false, 0}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("unreadable title")
        << QList<FakeWindow>{copy(1), {2, Class, std::nullopt, false, 0}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("own window unreadable")
        << QList<FakeWindow>{{1, Class, std::nullopt, false, 0}, copy(2)} << 0 << WindowId(0)
        << QStringList{};
    QTest::newRow("window gone before the check")
        << QList<FakeWindow>{copy(1), {2, std::nullopt, std::nullopt, false, 0}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("another main window of this process")
        << QList<FakeWindow>{copy(1), {4, Class, Title, false, 0, true}} << 1 << WindowId(0)
        << QStringList{};
    QTest::newRow("another copy beside a second window of this process")
        << QList<FakeWindow>{copy(2), copy(1), {4, Class, Title, false, 0, true}} << 2
        << WindowId(2) << QStringList{"bringToTop(2)", "activate(2)"};
    QTest::newRow("names alike in their first 255 bytes")
        << QList<FakeWindow>{{1, first255 + "A", first255 + " 1.0", false, 0},
                             {2, first255 + "B", first255 + " 1.1", false, 0}}
        << 2 << WindowId(2) << QStringList{"bringToTop(2)", "activate(2)"};
}

void TestJustOne::check() {
    QFETCH(QList<FakeWindow>, windows);
    QFETCH(int, matchCount);
    QFETCH(WindowId, foundWindow);
    QFETCH(QStringList, calls);

    FakeWindowSystem system(windows);
    const TJustOne::Outcome outcome = TJustOne::CheckAndActivate(system, 1);
    QCOMPARE(outcome.matchCount, matchCount);
    QCOMPARE(outcome.foundWindow, foundWindow);
    QCOMPARE(outcome.anotherInstance(), matchCount > 1);
    QCOMPARE(system.calls, calls);
}

void TestJustOne::copiesStartingTogether_data() {
    QTest::addColumn<QList<FakeWindow>>("windows");
    QTest::addColumn<WindowId>("foundWindow"); // 0: this copy stays
    QTest::newRow("the others have not claimed: this one stays")
        << QList<FakeWindow>{starting(2, false), copy(1), starting(3, false)} << WindowId(0);
    QTest::newRow("one has claimed: this one goes")
        << QList<FakeWindow>{starting(2, false), copy(1), starting(3, true)} << WindowId(3);
    QTest::newRow("a shown copy that never claimed")
        << QList<FakeWindow>{copy(1), copy(2)} << WindowId(2);
}

void TestJustOne::copiesStartingTogether() {
    QFETCH(QList<FakeWindow>, windows);
    QFETCH(WindowId, foundWindow);
    // This copy's own window, still starting as well.
    for (FakeWindow &w : windows)
        if (w.id == 1)
            w.shown = false;
    FakeWindowSystem system(windows);
    const TJustOne::Outcome outcome = TJustOne::CheckAndActivate(system, 1);
    QCOMPARE(outcome.foundWindow, foundWindow);
    QCOMPARE(outcome.anotherInstance(), foundWindow != 0);
    // Only the copy that stays claims its place, while it holds the display.
    QCOMPARE(system.claims, foundWindow ? QStringList() : QStringList{"claim(1)"});
    QVERIFY(!system.grabbed);
}

void TestJustOne::offscreenFindsNoOtherCopy() {
    // Two main windows in one offscreen process: without a window system to
    // search, the second guard lets start-up go on as the first did.
    QWidget first;
    first.setWindowTitle(QString::fromStdString(Title));
    new TJustOne(&first);
    QWidget second;
    second.setWindowTitle(QString::fromStdString(Title));
    auto *guard = new TJustOne(&second);
    QCOMPARE(guard->parent(), &second);
    QVERIFY(!second.isVisible());
}

void TestJustOne::lockPathIsPerDisplay_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("screen number") << ":0"
                                   << ":0.1" << true;
    QTest::newRow("unix socket") << "unix:0"
                                 << ":0" << true;
    QTest::newRow("other display") << ":0"
                                   << ":1" << false;
    QTest::newRow("remote display") << "host:10.0"
                                    << ":10" << false;
}

void TestJustOne::lockPathIsPerDisplay() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    Places places;
    using platform::DisplayLock;
    const auto pathsA = DisplayLock::placesFor(a.toStdString(), Class);
    QCOMPARE(pathsA == DisplayLock::placesFor(b.toStdString(), Class), same);
    QVERIFY(pathsA != DisplayLock::placesFor(a.toStdString(), "Other"));
    // The names never leave the user's own folders.
    QCOMPARE(pathsA.size(), std::size_t(2));
    QCOMPARE(QFileInfo(QString::fromStdString(pathsA[0])).absolutePath(), places.runtime.path());
    QCOMPARE(QFileInfo(QString::fromStdString(pathsA[1])).absolutePath(),
             places.cache.filePath("chromohm"));
}

void TestJustOne::lockIsExclusive() {
    Places places;
    const std::string display = ":42/../x";
    const QString path =
        QString::fromStdString(platform::DisplayLock::placesFor(display, Class).front());
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(places.runtime.path()).absolutePath());

    using std::chrono::milliseconds;
    auto first = std::make_unique<platform::DisplayLock>(display, Class, milliseconds(0));
    QVERIFY(first->held());
    struct stat st {};
    QCOMPARE(::stat(path.toLocal8Bit().constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0600);

    // Busy: a later copy waits here, and does not look for another place.
    platform::DisplayLock second(display, Class, milliseconds(150));
    QVERIFY(!second.held());
    QVERIFY(!QFileInfo::exists(places.cache.filePath("chromohm")));
    platform::DisplayLock otherDisplay(":43", Class, milliseconds(0));
    QVERIFY(otherDisplay.held());

    first->release();
    platform::DisplayLock third(display, Class, milliseconds(0));
    QVERIFY(third.held());
    third.release();
    first.reset();
    platform::DisplayLock fourth(display, Class, milliseconds(0));
    QVERIFY(fourth.held());
}

void TestJustOne::lockGoesElsewhereWhenItsPlaceIsTaken_data() {
    QTest::addColumn<QStringList>("planted"); // at the first place, then the second
    QTest::addColumn<bool>("held");
    QTest::newRow("link at the first") << QStringList{"link"} << true;
    QTest::newRow("folder at the first") << QStringList{"folder"} << true;
    QTest::newRow("pipe at the first") << QStringList{"pipe"} << true;
    QTest::newRow("both taken") << QStringList{"folder", "link"} << false;
}

void TestJustOne::lockGoesElsewhereWhenItsPlaceIsTaken() {
    QFETCH(QStringList, planted);
    QFETCH(bool, held);
    Places places;
    const auto paths = platform::DisplayLock::placesFor(":7", Class);
    const QString target = places.runtime.filePath(QStringLiteral("target"));
    for (qsizetype i = 0; i < planted.size(); ++i) {
        const QString path = QString::fromStdString(paths[std::size_t(i)]);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (planted[i] == u"link")
            QVERIFY(QFile::link(target, path));
        else if (planted[i] == u"folder")
            QVERIFY(QDir().mkdir(path));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    platform::DisplayLock lock(":7", Class, std::chrono::milliseconds(0));
    QCOMPARE(lock.held(), held);
    QVERIFY(!QFile::exists(target)); // no link followed
    // Held in the second place, where the next copy looks as well.
    platform::DisplayLock next(":7", Class, std::chrono::milliseconds(0));
    QVERIFY(!next.held());
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestJustOne t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_justone.moc"
