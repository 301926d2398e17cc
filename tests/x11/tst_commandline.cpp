// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program takes no arguments: Qt's own options given on its command line
// must not act either, or a changed title would defeat the single-instance rule.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "xclient.h"

using xclient::Connection;
using xclient::waitFor;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void qtOptionsAreIgnored();

private:
    QProcess *start(const QStringList &arguments);
    Window mainWindowOf(qint64 pid);

    Connection m_x;
    QTemporaryDir m_dir;
    QList<QProcess *> m_copies;
};

QProcess *TestCommandLine::start(const QStringList &arguments) {
    auto *copy = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    copy->setProcessEnvironment(env);
    copy->setStandardOutputFile(QProcess::nullDevice());
    copy->setStandardErrorFile(QProcess::nullDevice());
    copy->start(m_dir.filePath(QStringLiteral("chromohm")), arguments);
    m_copies << copy;
    return copy;
}

Window TestCommandLine::mainWindowOf(qint64 pid) {
    Window found = 0;
    waitFor(
        [&] {
            for (Window w : m_x.allWindows())
                if (m_x.pidOf(w) == pid && m_x.wmClassPart(w) == "Chromohm" && m_x.viewable(w) &&
                    m_x.transientFor(w) == 0)
                    found = w;
            return found != 0;
        },
        15000);
    return found;
}

void TestCommandLine::qtOptionsAreIgnored() {
    QVERIFY2(m_x.dpy, "no X display");
    QVERIFY(m_dir.isValid());
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A copy of its own, so that its settings file is ours alone.
    QVERIFY(
        QFile::copy(QStringLiteral(CHROMOHM_BINARY), m_dir.filePath(QStringLiteral("chromohm"))));
    QFile ini(m_dir.filePath(QStringLiteral("chromohm.INI")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Position]\r\nx=40\r\ny=30\r\n");
    ini.close();

    QProcess *first = start({QStringLiteral("-qwindowtitle"), QStringLiteral("Autre"),
                             QStringLiteral("-geometry"), QStringLiteral("200x100+300+300"),
                             QStringLiteral("-platform"), QStringLiteral("minimal"),
                             QStringLiteral("-stylesheet"), QStringLiteral("/nonexistent.qss"),
                             QStringLiteral("-reverse"), QStringLiteral("document.txt")});
    const Window window = mainWindowOf(first->processId());
    QVERIFY2(window, "the copy with options shows no window on the display");
    QCOMPARE(m_x.bytes(window, m_x.atom("_NET_WM_NAME")), std::string("Chromohm 1.0"));
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates(m_x.dpy, window, m_x.root, 0, 0, &x, &y, &child);
    QCOMPARE(QPoint(x, y), QPoint(40, 30));

    // Same title, so a second start finds it and leaves.
    QProcess *second = start({});
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);

    for (QProcess *copy : std::as_const(m_copies)) {
        copy->kill();
        copy->waitForFinished(5000);
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
