// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's place on a real X server: the stored position is the frame's
// corner at start, and the close stores it back unchanged, start after start,
// with a window manager framing the window and without one.

#include "xclient.h"

#include "app/settings.h"
#include "app/tprincipale.h"
#include "toolkit/tapplication.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace xclient;

class TestWindowPosition : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void positionSurvivesRestarts_data();
    void positionSurvivesRestarts();

private:
    std::unique_ptr<Connection> m_x;
    WindowManager m_windowManager;
    QTemporaryDir m_dir;
};

void TestWindowPosition::initTestCase() {
    m_x = std::make_unique<Connection>();
    QVERIFY2(m_x->dpy, "no X display");
    QVERIFY(m_dir.isValid());
}

void TestWindowPosition::cleanup() {
    QVERIFY(m_windowManager.stop(*m_x));
}

void TestWindowPosition::positionSurvivesRestarts_data() {
    QTest::addColumn<bool>("windowManager");
    QTest::addColumn<QPoint>("stored");
    QTest::newRow("openbox, top-left corner") << true << QPoint(0, 0);
    QTest::newRow("openbox, moved") << true << QPoint(100, 50);
    QTest::newRow("no window manager, moved") << false << QPoint(100, 50);
}

void TestWindowPosition::positionSurvivesRestarts() {
    QFETCH(bool, windowManager);
    QFETCH(QPoint, stored);
    if (windowManager)
        QVERIFY(m_windowManager.start(*m_x));
    const QString path = m_dir.filePath(QStringLiteral("chromohm.INI"));
    QFile ini(path);
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(QStringLiteral("[Position]\r\nx=%1\r\ny=%2\r\n")
                  .arg(stored.x())
                  .arg(stored.y())
                  .toLatin1());
    ini.close();

    for (int start = 0; start < 3; ++start) {
        auto window = std::make_unique<TPrincipale>(SettingsFile{path.toStdString()});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (windowManager) // the frame's size is known once the manager framed it
            QTRY_VERIFY(window->frameGeometry() != window->geometry());
        QTRY_COMPARE(window->frameGeometry().topLeft(), stored);
        window->settingsSave();
        window.reset();

        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        ini.close();
        QVERIFY2(text.contains(
                     QStringLiteral("x=%1\r\ny=%2\r\n").arg(stored.x()).arg(stored.y()).toLatin1()),
                 text.constData());
    }
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestWindowPosition test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowposition.moc"
