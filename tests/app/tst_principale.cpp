// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's frame, driven as a user would: clock, hints in the status
// bar, tooltips, the popup menu, page switching, quitting and log-off.

#include "common/modal.h"
#include "common/recordinghelp.h"
#include "common/scratchwindow.h"
#include "help/helpwindows.h"
#include "help/thelpfacility.h"
#include "platform/timeformat.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/hints.h"
#include "toolkit/tapplication.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tglyphbutton.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/timage.h"
#include "toolkit/tlabel.h"
#include "toolkit/tmessagedialog.h"
#include "toolkit/tstatusbar.h"

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>
#include <functional>
#include <stdexcept>

namespace {

QPushButton *buttonCaptioned(QWidget *dialog, const QString &caption) {
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

// Clicks through the window system, where a modal window can block input.
void clickThroughWindow(QWidget *target) {
    QWidget *top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(top, target->rect().center()));
}

} // namespace

class TestPrincipale : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void frameGeometry();
    void clockShownAtStart();
    void statusBarHint_data();
    void statusBarHint();
    void hintHandlerCalledOnlyOnChange();
    void popupItemHints_data();
    void popupItemHints();
    void desktopKeysFromAColourList_data();
    void desktopKeysFromAColourList();
    void informationsTogglesTooltipsOnly();
    void pageHandlersAndTabs_data();
    void pageHandlersAndTabs();
    void laterPagesBuiltAfterTheFirstFrame();
    void laterPageChosenBeforeItsBuild();
    void quitQuestion_data();
    void quitQuestion();
    void quitHelpLeavesQuestionOpen();
    void helpViewerFromTheQuitQuestion_data();
    void helpViewerFromTheQuitQuestion();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void logOff_data();
    void logOff();
    void errorInHandlerShownAndProgramGoesOn();

private:
    QString panel(int i) const { return m_window->StatusBar->panelText(i); }

    RecordingHelp m_help;
    TPrincipale *m_window = nullptr;
    QWidget *m_hinted = nullptr; // a control with a hint of its own
    QWidget *m_inner = nullptr;  // inside it, without a hint
    QWidget *m_bare = nullptr;   // no hint anywhere in its chain
};

void TestPrincipale::init() {
    m_help.calls.clear();
    Application()->setHelpFacility(&m_help);
    Application()->setShowHint(true);
    m_window = new ScratchWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    m_hinted = new QWidget(m_window->TabSheet1);
    m_hinted->setGeometry(300, 100, 80, 60);
    tk::setHint(m_hinted, QStringLiteral("Indice du cadre"));
    tk::setShowHint(m_hinted, true);
    m_inner = new QWidget(m_hinted);
    m_inner->setGeometry(10, 10, 30, 30);
    m_bare = new QWidget(m_window->TabSheet1);
    m_bare->setGeometry(300, 180, 40, 20);
    for (QWidget *w : {m_hinted, m_inner, m_bare})
        w->show();
}

void TestPrincipale::cleanup() {
    delete m_window;
    m_window = nullptr;
    Application()->setHint(QString());
}

void TestPrincipale::frameGeometry() {
    QCOMPARE(m_window->size(), QSize(495, 332));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Chromohm 1.0"));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(m_window->PageControl1->geometry(), QRect(0, 62, 495, 251));
    QCOMPARE(m_window->StatusBar->geometry(), QRect(0, 313, 495, 19));
    QCOMPARE(m_window->PageControl1->count(), 3);
    QCOMPARE(m_window->PageControl1->currentWidget(), m_window->TabSheet1);
    // Panel 0 is 60 wide; the last panel reaches the right end.
    QCOMPARE(m_window->StatusBar->panelRect(0).width(), 60);
    QCOMPARE(m_window->StatusBar->panelRect(1).right(), m_window->StatusBar->width() - 1);
}

void TestPrincipale::clockShownAtStart() {
    // No tick has happened yet: FormCreate showed the time at once.
    const QTime now = QTime::currentTime();
    const auto fmt = platform::LongTimeFormat::system();
    const QString shown = panel(0);
    QVERIFY2(shown == fmt.format(now) || shown == fmt.format(now.addSecs(-1)) ||
                 shown == fmt.format(now.addSecs(-2)),
             qPrintable(shown));
    QCOMPARE(m_window->Timer1->interval(), 1000);
    QVERIFY(m_window->Timer1->isActive());
}

void TestPrincipale::statusBarHint_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("hint");
    QTest::newRow("control with a hint") << "hinted"
                                         << "Indice du cadre";
    QTest::newRow("inside it: the ancestor's hint") << "inner"
                                                    << "Indice du cadre";
    QTest::newRow("no hint in the chain") << "bare"
                                          << "";
}

void TestPrincipale::statusBarHint() {
    QFETCH(QString, where);
    QFETCH(QString, hint);
    QWidget *target = where == "hinted" ? m_hinted : where == "inner" ? m_inner : m_bare;
    // Start from a known different text so that an update must happen.
    const bool fromBare = !hint.isEmpty();
    QTest::mouseMove(m_window, (fromBare ? m_bare : m_hinted)->mapTo(m_window, QPoint(2, 2)));
    QCOMPARE(panel(1), fromBare ? QString() : QStringLiteral("Indice du cadre"));
    QTest::mouseMove(m_window, target->mapTo(m_window, QPoint(2, 2)));
    QCOMPARE(panel(1), hint);
    QCOMPARE(Application()->Hint(), hint);
}

void TestPrincipale::hintHandlerCalledOnlyOnChange() {
    int calls = 0;
    QObject context;
    connect(Application(), &TApplication::hintChanged, &context, [&calls] { ++calls; });
    QTest::mouseMove(m_window, m_bare->mapTo(m_window, QPoint(1, 1)));
    const int base = calls;
    QTest::mouseMove(m_window, m_hinted->mapTo(m_window, QPoint(70, 50)));
    QTest::mouseMove(m_window, m_hinted->mapTo(m_window, QPoint(71, 51)));
    QTest::mouseMove(m_window, m_inner->mapTo(m_window, QPoint(3, 3)));
    QCOMPARE(calls, base + 1);
}

// An item with a toolbar twin has its caption, with an access key, and its hint;
// the pages' hints are their tabs' captions. Highlighting an item shows its hint.
void TestPrincipale::popupItemHints_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("twin"); // the toolbar item with the same role
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Résistance") << 0 << "BarreResistance"
                                << ""
                                << "";
    QTest::newRow("Led") << 1 << "BarreDiode"
                         << ""
                         << "";
    QTest::newRow("Capacité") << 2 << "BarreCapacite"
                              << ""
                              << "";
    QTest::newRow("N1 separator") << 3 << ""
                                  << ""
                                  << "";
    QTest::newRow("Informations") << 4 << ""
                                  << "Informations"
                                  << "Option d'affichage des panneaux d'information";
    QTest::newRow("N2 separator") << 5 << ""
                                  << ""
                                  << "";
    QTest::newRow("Quitter") << 6 << "BarreQuitter"
                             << ""
                             << "";
}

void TestPrincipale::popupItemHints() {
    QFETCH(int, item);
    QFETCH(QString, twin);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QMenu *menu = m_window->PopupMenu1;
    QCOMPARE(menu->actions().size(), 7);
    QAction *action = menu->actions().at(item);
    QVERIFY(action->shortcut().isEmpty());
    QCOMPARE(action->isSeparator(), twin.isEmpty() && caption.isEmpty());
    if (auto *toolbar = m_window->findChild<TSpeedItem *>(twin)) {
        QCOMPARE(QString(action->text()).remove(u'&'), toolbar->BtnCaption());
        QVERIFY(action->text().startsWith(u'&'));
        hint = toolbar->Hint();
        if (item < 3)
            QCOMPARE(hint, m_window->PageControl1->tabText(item));
    } else if (!action->isSeparator()) {
        QCOMPARE(action->text(), caption);
    }
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(200, 150),
                         m_window->mapToGlobal(QPoint(200, 150)));
    QApplication::sendEvent(m_window, &ev);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    // From another item, so that the text must change.
    QAction *from = menu->actions().at(item == 6 ? 0 : 6);
    QTest::mouseMove(menu, menu->actionGeometry(from).center());
    QCOMPARE(panel(1), (item == 6 ? m_window->BarreResistance : m_window->BarreQuitter)->Hint());
    QTest::mouseMove(menu, menu->actionGeometry(action).center());
    QCOMPARE(panel(1), hint);
    menu->hide();
    QVERIFY(m_window->PopupInformations->isChecked());
}

void TestPrincipale::desktopKeysFromAColourList_data() {
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << "help index";
    QTest::newRow("Ctrl+Q") << QKeyCombination(Qt::ControlModifier, Qt::Key_Q) << "quit question";
    QTest::newRow("Shift+F10") << QKeyCombination(Qt::ShiftModifier, Qt::Key_F10) << "popup";
    QTest::newRow("Menu") << QKeyCombination(Qt::Key_Menu) << "popup";
}

void TestPrincipale::desktopKeysFromAColourList() {
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, outcome);
    QWidget *list = m_window->ComboBox4;
    m_window->activateWindow();
    list->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QString question;
    if (outcome == QLatin1String("quit question"))
        whenModal([&](QWidget *dialog) {
            question = dialog->findChild<QLabel *>(QStringLiteral("Message"))->text();
            QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
        });
    QTest::keyClick(m_window->windowHandle(), keys.key(), keys.keyboardModifiers());

    QCOMPARE(m_help.calls.contains("index"), outcome == QLatin1String("help index"));
    if (outcome == QLatin1String("quit question"))
        QTRY_COMPARE(question, QStringLiteral("Voulez-vous quitter Chromohm 1.0 ?"));
    QVERIFY(m_window->isVisible());
    QMenu *menu = m_window->PopupMenu1;
    QCOMPARE(menu->isVisible(), outcome == QLatin1String("popup"));
    if (menu->isVisible()) {
        // At the list, not wherever the pointer happens to be.
        QVERIFY(QRect(list->mapToGlobal(QPoint(0, 0)), list->size()).contains(menu->pos()));
        menu->hide();
    }
}

void TestPrincipale::informationsTogglesTooltipsOnly() {
    const QPoint local(5, 5);
    auto requestTooltip = [&] {
        QHelpEvent help(QEvent::ToolTip, local, m_hinted->mapToGlobal(local));
        QApplication::sendEvent(m_hinted, &help);
    };
    requestTooltip();
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Indice du cadre"));

    m_window->PopupInformations->trigger();
    QVERIFY(!m_window->PopupInformations->isChecked());
    QVERIFY(!Application()->ShowHint());
    QTRY_VERIFY(!QToolTip::isVisible());
    requestTooltip();
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());
    // The status bar still follows the pointer.
    QTest::mouseMove(m_window, m_bare->mapTo(m_window, QPoint(1, 1)));
    QCOMPARE(panel(1), QString());
    QTest::mouseMove(m_window, m_inner->mapTo(m_window, QPoint(1, 1)));
    QCOMPARE(panel(1), QStringLiteral("Indice du cadre"));

    m_window->PopupInformations->trigger();
    QVERIFY(m_window->PopupInformations->isChecked());
    QVERIFY(Application()->ShowHint());
    requestTooltip();
    QTRY_VERIFY(QToolTip::isVisible());
    QToolTip::hideText();
}

void TestPrincipale::pageHandlersAndTabs_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("Résistance") << 0;
    QTest::newRow("Led") << 1;
    QTest::newRow("Capacité") << 2;
}

void TestPrincipale::pageHandlersAndTabs() {
    QFETCH(int, page);
    QWidget *sheets[] = {m_window->TabSheet1, m_window->TabSheet2, m_window->TabSheet3};
    void (TPrincipale::*handlers[])() = {&TPrincipale::BarreResistanceClick,
                                         &TPrincipale::BarreDiodeClick,
                                         &TPrincipale::BarreCapaciteClick};
    QAction *items[] = {m_window->PopupResistance, m_window->PopupLed, m_window->PopupCapacite};
    QTabWidget *tabs = m_window->PageControl1;
    const int other = (page + 1) % 3;

    tabs->setCurrentIndex(other);
    (m_window->*handlers[page])();
    QCOMPARE(tabs->currentWidget(), sheets[page]);

    tabs->setCurrentIndex(other);
    items[page]->trigger();
    QCOMPARE(tabs->currentWidget(), sheets[page]);

    tabs->setCurrentIndex(other);
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    QCOMPARE(tabs->currentWidget(), sheets[page]);
}

void TestPrincipale::laterPagesBuiltAfterTheFirstFrame() {
    {
        ScratchWindow unshown;
        QVERIFY(!unshown.TabSheet2->isBuilt());
        QVERIFY(!unshown.TabSheet3->isBuilt());
    }
    QTRY_VERIFY(m_window->TabSheet2->isBuilt() && m_window->TabSheet3->isBuilt());
    QCOMPARE(m_window->PageControl1->currentWidget(), m_window->TabSheet1);
    QCOMPARE(m_window->AlimLed->parentWidget(), m_window->TabSheet2);
    QCOMPARE(m_window->GroupBox2->parentWidget(), m_window->TabSheet3);
    // With the LED page's preparation: both tables in one place, the circuit drawn.
    QCOMPARE(m_window->GroupBox4->pos(), m_window->GroupBox3->pos());
    QVERIFY(!m_window->Image1->picture().isNull());
}

void TestPrincipale::laterPageChosenBeforeItsBuild() {
    ScratchWindow window;
    window.show();
    window.ComboBox1->setFocus();
    QVERIFY(!window.TabSheet2->isBuilt());
    window.BarreDiodeClick();
    // Its controls show with it, the ones kept for the other supply excepted,
    // and the focus went from the left page to its first control.
    const QList<QWidget *> shown{window.AlimLed, window.Image1, window.GroupBox3, window.Label42};
    for (QWidget *control : shown)
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    QVERIFY(!window.GroupBox4->isVisible());
    QVERIFY(!window.Label61->isVisible());
    QCOMPARE(window.focusWidget(), window.AlimLed);
}

void TestPrincipale::quitQuestion_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("quits");
    QTest::newRow("Oui") << "&Oui" << true;
    QTest::newRow("Non") << "&Non" << false;
    QTest::newRow("Escape") << "Escape" << false;
    QTest::newRow("Enter (Oui is the default)") << "Enter" << true;
    QTest::newRow("dialog's close box") << "close" << true;
}

void TestPrincipale::quitQuestion() {
    QFETCH(QString, answer);
    QFETCH(bool, quits);
    QString title, message;
    whenModal([&](QWidget *dialog) {
        title = dialog->windowTitle();
        message = dialog->findChild<QLabel *>(QStringLiteral("Message"))->text();
        if (answer == "Escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (answer == "Enter")
            QTest::keyClick(dialog, Qt::Key_Return);
        else if (answer == "close")
            dialog->close();
        else
            buttonCaptioned(dialog, answer)->click();
    });
    m_window->PopupQuitter->trigger();
    QCOMPARE(title, QStringLiteral("Confirmation"));
    QCOMPARE(message, QStringLiteral("Voulez-vous quitter Chromohm 1.0 ?"));
    QCOMPARE(m_window->isVisible(), !quits);
    QCOMPARE(m_help.calls.contains("quit"), quits);
}

// Keys typed as a user types them: through the window, to the focused control.
void TestPrincipale::enterPressesTheFocusedButton_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("quits");
    QTest::newRow("Oui, focused at first") << 0 << "&Oui" << true;
    QTest::newRow("Non") << 1 << "&Non" << false;
    QTest::newRow("Aide, the question stays") << 2 << "&Aide" << false;
}

void TestPrincipale::enterPressesTheFocusedButton() {
    QFETCH(int, tabs);
    QFETCH(QString, focused);
    QFETCH(bool, quits);
    QString focusedCaption;
    bool openAfterEnter = false;
    whenModal([&](QWidget *dialog) {
        QWindow *window = dialog->windowHandle();
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(window, Qt::Key_Tab);
        if (auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget()))
            focusedCaption = button->text();
        QTest::keyClick(window, Qt::Key_Return);
        openAfterEnter = dialog->isVisible();
        if (openAfterEnter)
            QTest::keyClick(window, Qt::Key_Escape);
    });
    m_window->close();
    QCOMPARE(focusedCaption, focused);
    QCOMPARE(m_window->isVisible(), !quits);
    QCOMPARE(openAfterEnter, !quits && focused == QLatin1String("&Aide"));
    QCOMPARE(m_help.calls.contains("topic 5"), focused == QLatin1String("&Aide"));
}

void TestPrincipale::quitHelpLeavesQuestionOpen() {
    QStringList captions;
    bool stillOpen = false;
    whenModal([&](QWidget *dialog) {
        for (QPushButton *b : dialog->findChildren<QPushButton *>())
            captions << b->text();
        buttonCaptioned(dialog, QStringLiteral("&Aide"))->click();
        stillOpen = dialog->isVisible();
        buttonCaptioned(dialog, QStringLiteral("&Non"))->click();
    });
    m_window->close();
    QCOMPARE(captions, (QStringList{"&Oui", "&Non", "&Aide"}));
    QVERIFY(stillOpen);
    QVERIFY(m_help.calls.contains("topic 5"));
    QVERIFY(m_window->isVisible());
}

// With the real help facility: the question is modal to the main window only,
// so the viewer it opens answers clicks while the main window is blocked; "&Oui"
// closes that viewer too, and the program's loop ends.
void TestPrincipale::helpViewerFromTheQuitQuestion_data() {
    QTest::addColumn<bool>("present");
    QTest::newRow("book present") << true;
    QTest::newRow("book absent") << false;
}

void TestPrincipale::helpViewerFromTheQuitQuestion() {
    QFETCH(bool, present);
    QTemporaryDir empty;
    THelpFacility facility({present ? builtBookFolder() : empty.path()});
    Application()->setHelpFacility(&facility);
    ProblemBoxes boxes;
    bool questionStayed = false, mainBlocked = false, viewerUsable = false;
    QString topicPage;
    whenModal<TMessageDialog>([&](TMessageDialog *question) {
        clickThroughWindow(question->button(TMessageDialog::Button::Help));
        questionStayed = question->isVisible();
        QTabBar *tabs = m_window->PageControl1->tabBar();
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                          tabs->mapTo(m_window, tabs->tabRect(1).center()));
        mainBlocked = m_window->PageControl1->currentIndex() == 0;
        if (THelpViewer *viewer = facility.viewer()) {
            topicPage = pageName(viewer);
            clickThroughWindow(viewer->findChild<QToolButton *>("HelpIndex"));
            viewerUsable = pageName(viewer) == "index.html";
        }
        QTest::mouseClick(question->button(TMessageDialog::Button::No), Qt::LeftButton);
    });
    m_window->close();
    QVERIFY(questionStayed);
    QVERIFY(mainBlocked);
    QVERIFY(m_window->isVisible());
    QCOMPARE(boxes.texts.size(), present ? 0 : 1);
    QCOMPARE(topicPage, present ? "quitter.html" : "");
    QCOMPARE(viewerUsable, present);
    QCOMPARE(visibleViewers().size(), present ? 1 : 0);

    whenModal<TMessageDialog>([](TMessageDialog *question) {
        QTest::mouseClick(question->button(TMessageDialog::Button::Yes), Qt::LeftButton);
    });
    QTimer::singleShot(0, m_window, &QWidget::close);
    QTimer giveUp; // only a loop that never ends meets it
    connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    giveUp.start(60000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_window->isVisible());
    QVERIFY(visibleViewers().isEmpty());
    QVERIFY(!facility.viewer());
}

// What Qt's session manager tells the program: a request to commit (for a
// log-off, a shutdown or a mere checkpoint alike), then, only if the session
// really ends, the application's termination. A cancelled log-off and a
// checkpoint are followed by nothing at all.
void TestPrincipale::logOff_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("sessionEnds");
    QTest::addColumn<bool>("stopsWithoutFormClose");
    QTest::newRow("Non refuses the log-off") << "&Non" << false << false;
    QTest::newRow("Oui, and the session ends") << "&Oui" << true << true;
    QTest::newRow("Oui, then another program cancels") << "&Oui" << false << false;
    QTest::newRow("save only: nothing follows") << "&Oui" << false << false;
}

void TestPrincipale::logOff() {
    QFETCH(QString, answer);
    QFETCH(bool, sessionEnds);
    QFETCH(bool, stopsWithoutFormClose);
    int questions = 0;
    whenModal([&](QWidget *dialog) {
        ++questions;
        buttonCaptioned(dialog, answer)->click();
    });
    QCOMPARE(m_window->queryEndSession(), answer == QLatin1String("&Oui"));
    QCOMPARE(questions, 1);
    QVERIFY(m_window->isVisible());
    if (sessionEnds) {
        // As Qt delivers the end: a Quit event that closes every window.
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
        // The Quit also ended every loop; the next test needs them to run again.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    } else {
        // Later, the user quits as usual.
        whenModal([&](QWidget *dialog) {
            ++questions;
            buttonCaptioned(dialog, QStringLiteral("&Oui"))->click();
        });
        m_window->BarreQuitterClick();
    }
    QVERIFY(!m_window->isVisible());
    QCOMPARE(questions, stopsWithoutFormClose ? 1 : 2);
    QCOMPARE(m_help.calls.contains("quit"), !stopsWithoutFormClose);
}

void TestPrincipale::errorInHandlerShownAndProgramGoesOn() {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    auto readAndClose = [&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    };

    whenModal(readAndClose);
    bool restRan = false;
    const bool ok = Application()->runHandler([&] {
        throw std::runtime_error("Ne peut écrire dans /nulle/part/chromohm.INI");
        restRan = true;
    });
    QVERIFY(!ok);
    QVERIFY(!restRan);
    QCOMPARE(caption, QStringLiteral("Chromohm 1.0"));
    QCOMPARE(text, QStringLiteral("Ne peut écrire dans /nulle/part/chromohm.INI."));
    QCOMPARE(icon, QMessageBox::Critical);

    // Raised from a handler run by an event: caught in the handler, before it
    // could unwind through Qt's delivery of the click; shown, and the program
    // goes on.
    text.clear();
    QPushButton button(m_window->TabSheet2);
    restRan = false;
    connect(&button, &QPushButton::clicked, this, TApplication::handler([&restRan] {
        throw std::runtime_error("Erreur");
        restRan = true;
    }));
    button.show();
    whenModal(readAndClose);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(text, QStringLiteral("Erreur."));
    QVERIFY(!restRan);
    m_window->BarreDiodeClick();
    QCOMPARE(m_window->PageControl1->currentWidget(), m_window->TabSheet2);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestPrincipale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_principale.moc"
