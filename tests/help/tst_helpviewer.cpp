// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help facility and its viewer: index, topic and quit with the book present
// and absent, the book's folders and limits, the search and the navigation.

#include "help/helpwindows.h"
#include "help/thelpfacility.h"
#include "help/thelpviewer.h"
#include "toolkit/tapplication.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

namespace {

const std::string HelpFile = "Chromohm.hlp";

void writeFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A one-page book whose index page says which folder it came from.
void writeBook(const QString &folder, const QByteArray &marker) {
    writeFile(folder + "/Chromohm.hlp", "index = pages/index.html\n5 = pages/index.html\n");
    QDir(folder).mkpath("pages");
    writeFile(folder + "/pages/index.html", "<html><head><meta charset=\"utf-8\"><title>" + marker +
                                                "</title></head><body>" + marker +
                                                "</body></html>");
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void commands_data();
    void commands();
    void quitClosesOnlyThisProgramsViewer();
    void firstFolderWithABookWins_data();
    void firstFolderWithABookWins();
    void unreadableBookIsReported_data();
    void unreadableBookIsReported();
    void missingTopicPageIsReported();
    void bookReadOnceAgainWhenChanged();
    void linksStayInTheBook_data();
    void linksStayInTheBook();
    void defaultFoldersStartBesideTheProgram();
    void backForwardAndIndex();
    void searchAcrossTheBook_data();
    void searchAcrossTheBook();
    void viewerNeverKeepsTheProgramAlive();

private:
    QTemporaryDir m_empty;
};

void TestHelpViewer::init() {
    QVERIFY(m_empty.isValid());
}

void TestHelpViewer::cleanup() {
    Application()->setHelpFacility(nullptr);
}

void TestHelpViewer::commands_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("request"); // index, topic or quit
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("page");      // empty: no viewer
    QTest::addColumn<QString>("noticeHas"); // empty: no notice
    QTest::addColumn<bool>("reported");

    QTest::newRow("index") << true << "index" << 0 << "index.html"
                           << "" << false;
    QTest::newRow("topic 5, the quit question") << true << "topic" << 5 << "quitter.html"
                                                << "" << false;
    QTest::newRow("topic 1, colour code") << true << "topic" << 1 << "resistance.html"
                                          << "" << false;
    QTest::newRow("topic 2, LED") << true << "topic" << 2 << "led.html"
                                  << "" << false;
    QTest::newRow("topic 3, capacitance") << true << "topic" << 3 << "capacite.html"
                                          << "" << false;
    QTest::newRow("unknown topic") << true << "topic" << 42 << "index.html"
                                   << "42" << false;
    QTest::newRow("negative topic") << true << "topic" << -1 << "index.html"
                                    << "-1" << false;
    QTest::newRow("quit, nothing open") << true << "quit" << 0 << ""
                                        << "" << false;
    QTest::newRow("index, no book") << false << "index" << 0 << ""
                                    << "" << true;
    QTest::newRow("topic 5, no book") << false << "topic" << 5 << ""
                                      << "" << true;
    QTest::newRow("quit, no book") << false << "quit" << 0 << ""
                                   << "" << false;
}

void TestHelpViewer::commands() {
    QFETCH(bool, present);
    QFETCH(QString, request);
    QFETCH(int, topic);
    QFETCH(QString, page);
    QFETCH(QString, noticeHas);
    QFETCH(bool, reported);

    const QString folder = present ? builtBookFolder() : m_empty.path();
    THelpFacility facility({folder});
    ProblemBoxes boxes;
    if (request == u"index")
        facility.showIndex(HelpFile);
    else if (request == u"topic")
        facility.showTopic(HelpFile, topic);
    else
        facility.quit();

    if (reported) {
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains("Chromohm.hlp"));
        QVERIFY2(boxes.texts.first().contains(QDir::toNativeSeparators(folder)),
                 qPrintable(boxes.texts.first()));
    } else {
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
    }

    if (page.isEmpty()) {
        QVERIFY(visibleViewers().isEmpty());
        return;
    }
    QCOMPARE(visibleViewers(), QList<THelpViewer *>{facility.viewer()});
    QCOMPARE(pageName(facility.viewer()), page);
    QVERIFY(!facility.viewer()->browser()->toPlainText().isEmpty());
    if (noticeHas.isEmpty())
        QVERIFY(facility.viewer()->notice().isEmpty());
    else
        QVERIFY2(facility.viewer()->notice().contains(noticeHas),
                 qPrintable(facility.viewer()->notice()));
    if (request == u"topic" && topic == 5) {
        const QString text = facility.viewer()->browser()->toPlainText();
        QVERIFY(text.contains("Voulez-vous quitter Chromohm 1.0 ?"));
        QVERIFY(facility.viewer()->windowTitle().contains("Quitter Chromohm"));
    }
}

void TestHelpViewer::quitClosesOnlyThisProgramsViewer() {
    THelpFacility ours({builtBookFolder()});
    THelpFacility another({builtBookFolder()});

    ours.showIndex(HelpFile);
    QCOMPARE(visibleViewers().size(), 1);

    // Another program's quit leaves our viewer alone.
    another.quit();
    QCOMPARE(visibleViewers(), QList<THelpViewer *>{ours.viewer()});

    ours.quit();
    QVERIFY(visibleViewers().isEmpty());
    QVERIFY(!ours.viewer());

    // Quit again: nothing left to close.
    ours.quit();
    QVERIFY(visibleViewers().isEmpty());

    // Closed by the user, then quit: still nothing shown.
    ours.showTopic(HelpFile, 5);
    QVERIFY(ours.viewer()->close());
    ours.quit();
    QVERIFY(visibleViewers().isEmpty());
}

void TestHelpViewer::firstFolderWithABookWins_data() {
    QTest::addColumn<bool>("firstHasBook");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both have one") << true << "PREMIER";
    QTest::newRow("only the second") << false << "SECOND";
}

void TestHelpViewer::firstFolderWithABookWins() {
    QFETCH(bool, firstHasBook);
    QFETCH(QString, expected);
    QTemporaryDir first, second;
    if (firstHasBook)
        writeBook(first.path(), "PREMIER");
    writeBook(second.path(), "SECOND");

    THelpFacility facility({first.path(), second.path()});
    ProblemBoxes boxes;
    facility.showTopic(HelpFile, 5);
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(facility.viewer()->browser()->toPlainText().trimmed(), expected);
}

void TestHelpViewer::unreadableBookIsReported_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why");
    QTest::newRow("no index line") << QByteArray("5 = pages/index.html\n") << "index";
    QTest::newRow("index page missing")
        << QByteArray("index = pages/absente.html\n") << "absente.html";
    QTest::newRow("line without a page")
        << QByteArray("index = pages/index.html\n5\n") << "ligne 2";
    QTest::newRow("long first line without =")
        << QByteArray(512 * 1024, 'a') + "\nindex = pages/index.html\n"
        << "ligne 1";
    QTest::newRow("10 MB first line without =") << QByteArray(10 * 1024 * 1024, 'a') + "\n"
                                                << "fichier illisible";
    QTest::newRow("book over the size limit")
        << "index = pages/index.html\n" + QByteArray(THelpBook::MaxFileSize, '#') + "\n"
        << "fichier illisible";
    QTest::newRow("page above the book's folder")
        << QByteArray("index = pages/index.html\n5 = ../../../../etc/passwd\n")
        << "ligne 2 : la page « ../../../../etc/passwd » est hors du dossier";
    QTest::newRow("page given by an absolute path")
        << QByteArray("index = /etc/passwd\n") << "ligne 1 : la page « /etc/passwd » est hors";
}

void TestHelpViewer::unreadableBookIsReported() {
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    QTemporaryDir folder;
    writeBook(folder.path(), "LIVRE");
    writeFile(folder.path() + "/Chromohm.hlp", content);

    THelpFacility facility({folder.path()});
    ProblemBoxes boxes;
    facility.showIndex(HelpFile);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(
        boxes.texts.first().contains(QDir::toNativeSeparators(folder.filePath(HelpFile.c_str()))));
    QVERIFY2(boxes.texts.first().contains(why), qPrintable(boxes.texts.first()));
    // Whatever the book holds, the message quotes a few words of it at most.
    QVERIFY2(boxes.texts.first().size() < 400, qPrintable(boxes.texts.first().left(400)));
    QVERIFY(visibleViewers().isEmpty());
}

void TestHelpViewer::missingTopicPageIsReported() {
    QTemporaryDir folder;
    writeBook(folder.path(), "LIVRE");
    writeFile(folder.path() + "/Chromohm.hlp",
              "index = pages/index.html\n5 = pages/quitter.html\n");

    THelpFacility facility({folder.path()});
    ProblemBoxes boxes;
    facility.showTopic(HelpFile, 5);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts.first().contains("quitter.html"), qPrintable(boxes.texts.first()));
    QCOMPARE(pageName(facility.viewer()), "index.html");
    QCOMPARE(facility.viewer()->browser()->toPlainText().trimmed(), "LIVRE");
}

void TestHelpViewer::bookReadOnceAgainWhenChanged() {
    QTemporaryDir folder;
    writeBook(folder.path(), "LIVRE");
    writeFile(folder.path() + "/pages/autre.html", "AUTRE");
    THelpFacility facility({folder.path()});
    facility.showIndex(HelpFile);
    // Another text of the same size and time: the book read before is used;
    // one time later, it is read again.
    QFile book(folder.path() + "/Chromohm.hlp");
    QVERIFY(book.open(QIODevice::ReadWrite));
    QDateTime modified = book.fileTime(QFileDevice::FileModificationTime);
    book.write("index = pages/autre.html\n5 = pages/autre.html\n");
    QVERIFY(book.flush());
    for (const char *expected : {"LIVRE", "AUTRE"}) {
        QVERIFY(book.setFileTime(modified, QFileDevice::FileModificationTime));
        facility.showIndex(HelpFile);
        QCOMPARE(facility.viewer()->browser()->toPlainText().trimmed(), expected);
        modified = modified.addSecs(1);
    }
}

void TestHelpViewer::linksStayInTheBook_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("followed");
    QTest::newRow("page of the book") << "autre.html" << true;
    QTest::newRow("up out of the folder") << "../../dehors.html" << false;
    QTest::newRow("link inside that leads out") << "lien.html" << false;
}

void TestHelpViewer::linksStayInTheBook() {
    QFETCH(QString, link);
    QFETCH(bool, followed);
    QTemporaryDir root;
    const QString book = root.filePath("livre");
    QVERIFY(QDir().mkpath(book));
    writeBook(book, "LIVRE");
    writeFile(book + "/pages/index.html", "LIVRE <a href=\"" + link.toUtf8() + "\">aller</a>");
    writeFile(book + "/pages/autre.html", "AUTRE");
    writeFile(root.filePath("dehors.html"), "DEHORS");
    QVERIFY(QFile::link(root.filePath("dehors.html"), book + "/pages/lien.html"));

    THelpFacility facility({book});
    ProblemBoxes boxes;
    facility.showIndex(HelpFile);
    QTextBrowser *page = facility.viewer()->browser();
    QTextCursor anchor = page->document()->find(QStringLiteral("aller"));
    anchor.setPosition(anchor.selectionStart() + 2);
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(anchor).center());
    QCOMPARE(page->toPlainText().startsWith("AUTRE"), followed);
    QCOMPARE(boxes.texts.size(), followed ? 0 : 1);
}

// Found from the executable's own path, so that any prefix works: beside it,
// then in <prefix>/share/chromohm when it is installed in <prefix>/bin.
void TestHelpViewer::defaultFoldersStartBesideTheProgram() {
    QCOMPARE(THelpFacility::defaultFolders().value(0), QCoreApplication::applicationDirPath());
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString data = prefix.filePath(QStringLiteral("share/chromohm"));
    QVERIFY(QDir().mkpath(bin));
    const std::string exe = QFile::encodeName(bin + QStringLiteral("/chromohm")).toStdString();
    QCOMPARE(THelpFacility::foldersFor(exe), QStringList{bin});
    QVERIFY(QDir().mkpath(data));
    writeBook(data, "INSTALLE");
    QCOMPARE(THelpFacility::foldersFor(exe), (QStringList{bin, data}));
    THelpFacility facility(THelpFacility::foldersFor(exe));
    facility.showIndex(HelpFile);
    QVERIFY(facility.viewer());
    QCOMPARE(facility.viewer()->browser()->toPlainText().trimmed(), QStringLiteral("INSTALLE"));
}

void TestHelpViewer::backForwardAndIndex() {
    THelpFacility facility({builtBookFolder()});
    facility.showTopic(HelpFile, 1);
    facility.showTopic(HelpFile, 2);
    THelpViewer *viewer = facility.viewer();
    auto *back = viewer->findChild<QToolButton *>("HelpBack");
    auto *forward = viewer->findChild<QToolButton *>("HelpForward");
    auto *index = viewer->findChild<QToolButton *>("HelpIndex");
    QVERIFY(back && forward && index);
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(pageName(viewer), "resistance.html");
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(pageName(viewer), "led.html");
    QTest::mouseClick(index, Qt::LeftButton);
    QCOMPARE(pageName(viewer), "index.html");
    QVERIFY(viewer->windowTitle().contains("Aide de Chromohm"));
}

void TestHelpViewer::searchAcrossTheBook_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("found");
    QTest::newRow("diode of the LED page") << "1N4148" << 1 << "led.html" << true;
    QTest::newRow("quit question") << "Alt+F4" << 1 << "quitter.html" << true;
    QTest::newRow("settings file") << "chromohm.INI" << 2 << "reglages.html" << true;
    QTest::newRow("blanks match the pages' fixed spaces")
        << "1 000 000 pF" << 1 << "capacite.html" << true;
    QTest::newRow("quit question on the index")
        << "Voulez-vous quitter Chromohm 1.0 ?" << 1 << "index.html" << true;
    QTest::newRow("nowhere") << "xylophone" << 1 << "index.html" << false;
}

void TestHelpViewer::searchAcrossTheBook() {
    QFETCH(QString, text);
    QFETCH(int, presses);
    QFETCH(QString, page);
    QFETCH(bool, found);

    THelpFacility facility({builtBookFolder()});
    facility.showIndex(HelpFile);
    THelpViewer *viewer = facility.viewer();
    auto *search = viewer->findChild<QLineEdit *>("HelpSearch");
    QVERIFY(search);
    search->setFocus();
    QTest::keyClicks(search, text);
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(search, Qt::Key_Return);

    QCOMPARE(pageName(viewer), page);
    const QString selected =
        viewer->browser()->textCursor().selectedText().replace(QChar::Nbsp, u' ');
    if (found) {
        QCOMPARE(selected.compare(text, Qt::CaseInsensitive), 0);
        QVERIFY(viewer->notice().isEmpty());
    } else {
        QVERIFY(selected.isEmpty());
        QVERIFY(viewer->notice().contains(text));
    }
}

void TestHelpViewer::viewerNeverKeepsTheProgramAlive() {
    QWidget mainWindow;
    THelpFacility facility({builtBookFolder()});
    bool viewerShown = false;
    QTimer::singleShot(0, this, [&] {
        mainWindow.show();
        facility.showIndex(HelpFile);
        viewerShown = facility.viewer() && facility.viewer()->isVisible();
        mainWindow.close();
    });
    // With only the viewer left, the program's loop must end by itself.
    QTimer giveUp; // only a loop that never ends meets it
    connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    giveUp.start(60000);
    const int code = QApplication::exec();
    QVERIFY(viewerShown);
    QCOMPARE(code, 0);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestHelpViewer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helpviewer.moc"
