// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Real copies of the program natively on a private headless weston, on a
// session bus of the test's own or on none. What a copy shows is read from
// its side of the Wayland protocol (WAYLAND_DEBUG).

#include <QDBusConnection>
#include <QDBusInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestWaylandInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void startsLeaveOneCopy_data();
    void startsLeaveOneCopy();

private:
    // A copy waits for a line on its input before it runs the program.
    QProcess *startCopy(const QByteArray &busAddress);
    QByteArray protocolOf(QProcess *copy) const;
    bool showsWindow(QProcess *copy) const {
        return protocolOf(copy).contains(".attach(wl_buffer");
    }

    QTemporaryDir m_dir;
    QString m_program;
    QList<QProcess *> m_copies;
};

void TestWaylandInstance::initTestCase() {
    QVERIFY(!qEnvironmentVariableIsEmpty("CHROMOHM_TEST_BUS"));
    // Settings beside the program: ours alone.
    m_program = m_dir.filePath(QStringLiteral("chromohm"));
    QVERIFY(QFile::copy(QStringLiteral(CHROMOHM_BINARY), m_program));
}

void TestWaylandInstance::cleanup() {
    for (QProcess *copy : std::as_const(m_copies)) {
        copy->kill();
        copy->waitForFinished(5000);
    }
    qDeleteAll(m_copies);
    m_copies.clear();
}

QProcess *TestWaylandInstance::startCopy(const QByteArray &busAddress) {
    auto *copy = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(busAddress));
    env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"),
               QStringLiteral("jeton-%1").arg(m_copies.size()));
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    copy->setProcessEnvironment(env);
    copy->setStandardOutputFile(QProcess::nullDevice());
    copy->setStandardErrorFile(m_dir.filePath(QStringLiteral("copy-%1.log").arg(m_copies.size())));
    copy->start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("read go; exec \"$0\""), m_program});
    m_copies << copy;
    return copy;
}

QByteArray TestWaylandInstance::protocolOf(QProcess *copy) const {
    QFile log(m_dir.filePath(QStringLiteral("copy-%1.log").arg(m_copies.indexOf(copy))));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

void TestWaylandInstance::startsLeaveOneCopy_data() {
    QTest::addColumn<bool>("bus");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("together");
    QTest::newRow("second start") << true << 2 << false;
    QTest::newRow("started together") << true << 6 << true;
    QTest::newRow("no bus: each start stays") << false << 2 << false;
}

void TestWaylandInstance::startsLeaveOneCopy() {
    QFETCH(bool, bus);
    QFETCH(int, copies);
    QFETCH(bool, together);
    const QByteArray address = bus ? qgetenv("CHROMOHM_TEST_BUS") : QByteArray("disabled:");
    if (!together) {
        QProcess *first = startCopy(address);
        first->write("\n");
        QTRY_VERIFY_WITH_TIMEOUT(showsWindow(first), 20000);
    }
    while (m_copies.size() < copies)
        QVERIFY(startCopy(address)->waitForStarted(5000));
    for (QProcess *copy : std::as_const(m_copies))
        copy->write("\n");

    const int staying = bus ? 1 : copies;
    const auto running = [this] {
        return int(std::count_if(m_copies.cbegin(), m_copies.cend(),
                                 [](QProcess *c) { return c->state() == QProcess::Running; }));
    };
    QTRY_VERIFY_WITH_TIMEOUT(running() <= staying, 30000);
    for (QProcess *copy : std::as_const(m_copies)) {
        if (copy->state() == QProcess::Running) {
            QTRY_VERIFY_WITH_TIMEOUT(showsWindow(copy), 20000);
            continue;
        }
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        QVERIFY2(!protocolOf(copy).contains("get_toplevel"), "a leaving copy made a window");
    }
    QCOMPARE(running(), staying);
    if (!bus)
        return;

    // The copy that stays answers on the standard's path.
    QDBusConnection connection = QDBusConnection::connectToBus(QString::fromUtf8(address), "test");
    QDBusInterface application(QStringLiteral(CHROMOHM_APP_ID),
                               QStringLiteral("/org/chromohm/chromohm"),
                               QStringLiteral("org.freedesktop.Application"), connection);
    QCOMPARE(application.call(QStringLiteral("Activate"), QVariantMap()).type(),
             QDBusMessage::ReplyMessage);
    QDBusConnection::disconnectFromBus(QStringLiteral("test"));
}

QTEST_GUILESS_MAIN(TestWaylandInstance)

#include "tst_waylandinstance.moc"
