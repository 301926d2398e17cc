// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/settings.h"
#include "app/tprincipale.h"
#include "common/modal.h"
#include "platform/filebytes.h"
#include "platform/renamewatch.h"
#include "platform/unprivileged.h"
#include "toolkit/tapplication.h"
#include "toolkit/tmessagedialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {

constexpr QPoint LayoutPosition(214, 127);

// Answers the modal boxes as a user would: "&Oui" to the quit question, "OK" to
// an error box, whose caption and text it keeps.
class ModalAnswerer {
public:
    int questions = 0;
    QStringList errors;
    QStringList captions;

private:
    void answer(QWidget *modal) {
        if (auto *question = qobject_cast<TMessageDialog *>(modal)) {
            ++questions;
            QTest::mouseClick(question->button(TMessageDialog::Button::Yes), Qt::LeftButton);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (box->icon() == QMessageBox::Critical) {
                errors << box->text();
                captions << box->windowTitle();
            }
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    }
    EveryModal m_answers{[this](QWidget *modal) { answer(modal); }};
};

// Closing the main window ends the application's loop; start the next test with
// a loop that can run modal boxes again.
void settleAfterClose() {
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void fileBesideExecutable_data();
    void fileBesideExecutable();
    void installedCopyUsesConfigFolder_data();
    void installedCopyUsesConfigFolder();
    void configFolderMadeOnFirstWrite();

    void startUp_data();
    void startUp();
    void firstStart();
    void close_data();
    void close();
    void unwritableAtStart_data();
    void unwritableAtStart();
    void unwritableAtClose_data();
    void unwritableAtClose();

private:
    SettingsFile settings() const;

    QString m_folder;
    QString m_file;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->filePath(QStringLiteral("Outils"));
    QVERIFY(QDir().mkdir(m_folder));
    m_file = m_folder + QStringLiteral("/chromohm.INI");
    Application()->setShowHint(true);
}

void TestSettings::cleanup() {
    ::chmod(QFile::encodeName(m_folder), 0755);
}

SettingsFile TestSettings::settings() const {
    return {QFile::encodeName(m_file).toStdString(), false};
}

void TestSettings::fileBesideExecutable_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("settings");
    QTest::newRow("no extension") << "/nulle-part/bin/chromohm"
                                  << "/nulle-part/bin/chromohm.INI";
    QTest::newRow("extension replaced") << "/opt/Outils/Calc.exe"
                                        << "/opt/Outils/Calc.INI";
    QTest::newRow("last extension only") << "/opt/chromohm.tar.bin"
                                         << "/opt/chromohm.tar.INI";
    QTest::newRow("dot in a folder name") << "/opt/v1.0/chromohm"
                                          << "/opt/v1.0/chromohm.INI";
    QTest::newRow("letter case kept") << "/Opt/ChromOhm.EXE"
                                      << "/Opt/ChromOhm.INI";
}

void TestSettings::fileBesideExecutable() {
    QFETCH(QString, executable);
    QFETCH(QString, settings);
    // No <prefix>/share/chromohm beside any of these: each is a copy run from its folder.
    const SettingsFile file =
        SettingsFile::forExecutable(executable.toStdString(), "/home/u/.config");
    QCOMPARE(QString::fromStdString(file.path), settings);
    QVERIFY(!file.makeFolder);
}

// An installed copy is told by its data folder beside its bin folder, wherever
// the prefix is; only then do the settings move to the configuration folder.
void TestSettings::installedCopyUsesConfigFolder_data() {
    QTest::addColumn<QString>("executable"); // under the temporary prefix
    QTest::addColumn<bool>("withData");
    QTest::addColumn<QString>("settings"); // "@" stands for the prefix, "~" for the config folder
    QTest::newRow("installed") << "bin/chromohm" << true << "~/chromohm/chromohm.INI";
    QTest::newRow("relocated prefix, other name")
        << "opt/outils/bin/Calc.exe" << true << "~/chromohm/Calc.INI";
    QTest::newRow("bin without data") << "bin/chromohm" << false << "@/bin/chromohm.INI";
    QTest::newRow("data, but not in bin") << "outils/chromohm" << true << "@/outils/chromohm.INI";
}

void TestSettings::installedCopyUsesConfigFolder() {
    QFETCH(QString, executable);
    QFETCH(bool, withData);
    QFETCH(QString, settings);
    const QString prefix = m_dir->path();
    const QString exe = prefix + u'/' + executable;
    QVERIFY(QDir().mkpath(QFileInfo(exe).path()));
    if (withData)
        QVERIFY(QDir().mkpath(QFileInfo(exe).path() + QStringLiteral("/../share/chromohm")));
    const QString config = prefix + QStringLiteral("/config");
    const SettingsFile file = SettingsFile::forExecutable(QFile::encodeName(exe).toStdString(),
                                                          QFile::encodeName(config).toStdString());
    QString expected = settings;
    expected.replace(u'@', prefix).replace(u'~', config);
    QCOMPARE(QString::fromStdString(file.path), expected);
    QCOMPARE(file.makeFolder, expected.startsWith(config));
}

void TestSettings::configFolderMadeOnFirstWrite() {
    const QString file = m_dir->filePath(QStringLiteral("config/chromohm/chromohm.INI"));
    ModalAnswerer answerer;
    {
        TPrincipale w({QFile::encodeName(file).toStdString(), true});
        QVERIFY(answerer.errors.isEmpty());
        QCOMPARE(bytesOf(file), QByteArray("[Chromohm]\r\nversion=1.0\r\n"));
        QCOMPARE(QFileInfo(QFileInfo(file).path()).permissions() & 0x0077, 0);
    }
}

void TestSettings::startUp_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("status 0") << QByteArray("[Informations]\r\nstatus=0\r\n") << false
                              << QPoint(0, 0);
    QTest::newRow("status 1") << QByteArray("[Informations]\r\nstatus=1\r\n") << true
                              << QPoint(0, 0);
    QTest::newRow("status 7") << QByteArray("[Informations]\r\nstatus=7\r\n") << true
                              << QPoint(0, 0);
    QTest::newRow("status -1") << QByteArray("[Informations]\r\nstatus=-1\r\n") << true
                               << QPoint(0, 0);
    QTest::newRow("status not a number")
        << QByteArray("[Informations]\r\nstatus=non\r\n") << true << QPoint(0, 0);
    QTest::newRow("x 0x20") << QByteArray("[Position]\r\nx=0x20\r\ny=10\r\n") << true
                            << QPoint(32, 10);
    QTest::newRow("x $20") << QByteArray("[Position]\r\nx=$20\r\ny=10\r\n") << true
                           << QPoint(32, 10);
    QTest::newRow("x abc") << QByteArray("[Position]\r\nx=abc\r\ny=10\r\n") << true
                           << QPoint(0, 10);
    QTest::newRow("x empty") << QByteArray("[Position]\r\nx=\r\ny=10\r\n") << true << QPoint(0, 10);
    QTest::newRow("negative") << QByteArray("[Position]\r\nx=-300\r\ny=-20\r\n") << true
                              << QPoint(-300, -20);
    QTest::newRow("beyond the screen")
        << QByteArray("[Position]\r\nx=30000\r\ny=20000\r\n") << true << QPoint(30000, 20000);
    QTest::newRow("hand-edited, odd case, LF")
        << QByteArray("; mes réglages\n[INFORMATIONS]\n Status = 0 \n[position]\nX = 12\nY=34\n")
        << false << QPoint(12, 34);
}

void TestSettings::startUp() {
    QFETCH(QByteArray, file);
    QFETCH(bool, hints);
    QFETCH(QPoint, position);
    store(m_file, file);
    ModalAnswerer answerer;
    TPrincipale w(settings());
    QVERIFY(answerer.errors.isEmpty());
    QCOMPARE(w.PopupInformations->isChecked(), hints);
    QCOMPARE(Application()->ShowHint(), hints);
    QCOMPARE(w.pos(), position);
    // Only the version mark is added; the rest of the file is as it was.
    const QByteArray eol = file.contains("\r\n") ? "\r\n" : "\n";
    QCOMPARE(bytesOf(m_file), file + "[Chromohm]" + eol + "version=1.0" + eol);
}

void TestSettings::firstStart() {
    ModalAnswerer answerer;
    TPrincipale w(settings());
    QVERIFY(answerer.errors.isEmpty());
    QCOMPARE(bytesOf(m_file), QByteArray("[Chromohm]\r\nversion=1.0\r\n"));
    QCOMPARE(w.pos(), QPoint(0, 0));
    QVERIFY(w.PopupInformations->isChecked());
    QVERIFY(Application()->ShowHint());
}

void TestSettings::close_data() {
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<bool>("toggleHints");
    QTest::addColumn<QPoint>("moveTo"); // (-1, -1): left where it opens
    QTest::addColumn<QByteArray>("after");

    const QByteArray firstStart("[Chromohm]\r\nversion=1.0\r\n[Informations]\r\nstatus=1\r\n"
                                "[Position]\r\nx=0\r\ny=0\r\n");
    QTest::newRow("first start and close") << QByteArray() << false << QPoint(-1, -1) << firstStart;
    QTest::newRow("hints off, window moved")
        << QByteArray() << true << QPoint(40, 60)
        << QByteArray("[Chromohm]\r\nversion=1.0\r\n[Informations]\r\nstatus=0\r\n"
                      "[Position]\r\nx=40\r\ny=60\r\n");
    QTest::newRow("hand-edited file")
        << QByteArray("[Informations]\r\nstatus=yes\r\nextra=1\r\n[Position]\r\nx=3\r\ny=4\r\n"
                      "width=9\r\n[Other]\r\nk=v\r\n")
        << false << QPoint(-1, -1)
        << QByteArray("[Informations]\r\nstatus=1\r\nextra=1\r\n[Other]\r\nk=v\r\n"
                      "[Chromohm]\r\nversion=1.0\r\n[Position]\r\nx=3\r\ny=4\r\n");
    QTest::newRow("another version, LF")
        << QByteArray("[Chromohm]\nversion=2.0\n[Position]\nx=5\ny=6\n") << true << QPoint(-1, -1)
        << QByteArray("[Chromohm]\nversion=1.0\n[Informations]\nstatus=0\n[Position]\nx=5\ny=6\n");
}

void TestSettings::close() {
    QFETCH(QByteArray, before);
    QFETCH(bool, toggleHints);
    QFETCH(QPoint, moveTo);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        store(m_file, before);
    ModalAnswerer answerer;
    RenameWatch watch(m_folder);
    {
        TPrincipale w(settings());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        watch.renamesOnto(QStringLiteral("chromohm.INI")); // the start's own write
        const QByteArray started = bytesOf(m_file);
        if (toggleHints) {
            w.PopupMenu1->popup(w.mapToGlobal(QPoint(100, 150)));
            QVERIFY(QTest::qWaitForWindowExposed(w.PopupMenu1));
            QTest::mouseClick(w.PopupMenu1, Qt::LeftButton, {},
                              w.PopupMenu1->actionGeometry(w.PopupInformations).center());
            QVERIFY(!w.PopupInformations->isChecked());
            QVERIFY(!Application()->ShowHint());
        }
        if (moveTo != QPoint(-1, -1))
            w.move(moveTo);
        // Nothing is written while the program runs.
        QCOMPARE(bytesOf(m_file), started);
        QVERIFY(watch.valid());
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
    }
    settleAfterClose();
    QCOMPARE(answerer.questions, 1);
    QVERIFY(answerer.errors.isEmpty());
    QCOMPARE(bytesOf(m_file), after);
    // All of it in one replacement, so that no kill can leave a part.
    QCOMPARE(watch.renamesOnto(QStringLiteral("chromohm.INI")), 1);
}

void TestSettings::unwritableAtStart_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("folder where no file can be made") << "unwritable folder";
    QTest::newRow("missing folder") << "missing folder";
}

void TestSettings::unwritableAtStart() {
    QFETCH(QString, kind);
    if (!fileModesApply() && kind != QLatin1String("missing folder"))
        QSKIP("running as root, which ignores file modes");
    const QByteArray stored("[Informations]\r\nstatus=0\r\n[Position]\r\nx=10\r\ny=20\r\n");
    if (kind == QLatin1String("read-only file")) {
        store(m_file, stored);
        QVERIFY(::chmod(QFile::encodeName(m_file), 0444) == 0);
    } else if (kind == QLatin1String("unwritable folder")) {
        QVERIFY(::chmod(QFile::encodeName(m_folder), 0555) == 0);
    } else {
        QVERIFY(QDir(m_folder).removeRecursively());
    }
    const QByteArray before = bytesOf(m_file);

    ModalAnswerer answerer;
    TPrincipale w(settings());
    QCOMPARE(answerer.errors, QStringList{QStringLiteral("Ne peut écrire dans %1.").arg(m_file)});
    QCOMPARE(answerer.captions, QStringList{Application()->Title()});
    // The rest of the load is skipped: the layout's state stays.
    QCOMPARE(w.pos(), LayoutPosition);
    QVERIFY(w.PopupInformations->isChecked());
    QVERIFY(Application()->ShowHint());
    QCOMPARE(bytesOf(m_file), before);
    QCOMPARE(QFileInfo::exists(m_file), !before.isEmpty());
}

void TestSettings::unwritableAtClose_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("folder where no file can be made") << "unwritable folder";
    QTest::newRow("folder gone") << "missing folder";
}

void TestSettings::unwritableAtClose() {
    QFETCH(QString, kind);
    if (!fileModesApply() && kind != QLatin1String("missing folder"))
        QSKIP("running as root, which ignores file modes");
    store(m_file, "[Informations]\r\nstatus=1\r\n[Position]\r\nx=10\r\ny=20\r\n");
    ModalAnswerer answerer;
    {
        TPrincipale w(settings());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(answerer.errors.isEmpty());
        w.move(50, 70);
        if (kind == QLatin1String("read-only file"))
            QVERIFY(::chmod(QFile::encodeName(m_file), 0444) == 0);
        else if (kind == QLatin1String("unwritable folder"))
            QVERIFY(::chmod(QFile::encodeName(m_folder), 0555) == 0);
        else
            QVERIFY(QDir(m_folder).removeRecursively());
        const QByteArray before = bytesOf(m_file);

        // The error is shown, and the user can still quit.
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        QCOMPARE(answerer.questions, 1);
        QCOMPARE(answerer.errors,
                 QStringList{QStringLiteral("Ne peut écrire dans %1.").arg(m_file)});
        QCOMPARE(bytesOf(m_file), before);
    }
    settleAfterClose();
}

int main(int argc, char **argv) {
    dropRootPrivileges();
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
