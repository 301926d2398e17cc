// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tprincipale.h"

#include "app/programinfo.h"
#include "app/tjustone.h"
#include "platform/timeformat.h"
#include "toolkit/alignment.h"
#include "toolkit/eventhooks.h"
#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/texactsizeiconengine.h"
#include "toolkit/tmessagedialog.h"
#include "toolkit/tpageentry.h"
#include "toolkit/tstatusbar.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QSessionManager>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr QSize ClientSize(495, 332);
constexpr QPoint LayoutPosition(214, 127);

struct PopupRow {
    QAction *TPrincipale::*member;
    const char *caption; // "-" for a separator
    const char *hint;
    bool checked;
    void (TPrincipale::*handler)();
};

const PopupRow PopupRows[] = {
    {&TPrincipale::PopupResistance, "&Résistance", "Code des couleurs", false,
     &TPrincipale::BarreResistanceClick},
    {&TPrincipale::PopupLed, "&Led", "Diode électroluminescente", false,
     &TPrincipale::BarreDiodeClick},
    {&TPrincipale::PopupCapacite, "&Capacité", "Conversion capacité", false,
     &TPrincipale::BarreCapaciteClick},
    {&TPrincipale::N1, "-", "", false, nullptr},
    {&TPrincipale::PopupInformations, "Informations",
     "Option d'affichage des panneaux d'information", true, &TPrincipale::PopupInformationsClick},
    {&TPrincipale::N2, "-", "", false, nullptr},
    {&TPrincipale::PopupQuitter, "&Quitter", "Quitter Chromohm", false,
     &TPrincipale::BarreQuitterClick},
};

QIcon mainIcon() {
    // The window manager gets every size as pixels at start-up, so only the sizes
    // a title bar or task switcher shows, all of them the classic drawing; the
    // 64-pixel one (the 32 at 2x) only where a screen is fine enough to want it.
    // The desktop's own icons come installed.
    QList<QPixmap> sizes;
    for (const char *name : {"MAINICON-16", "MAINICON", "MAINICON-48"})
        sizes.append(tk::loadBitmap(QLatin1String(name), 1.0));
    if (tk::pictureRatio() > 1)
        sizes.append(tk::loadBitmap(QStringLiteral("MAINICON"), 2.0));
    return QIcon(new TExactSizeIconEngine(sizes));
}

} // namespace

TPrincipale::TPrincipale(SettingsFile settings)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_settings(std::move(settings)) {
    Application()->setMainForm(this);
    buildFrame();
    JustOne1 = new TJustOne(this);
    buildToolbar();
    buildResistorPage();
    TabSheet2->buildLater([this] {
        buildLedPage();
        ledPagePrepare();
    });
    TabSheet3->buildLater([this] { buildCapacitancePage(); });
    Application()->runHandler([this] { FormCreate(); });
}

TPrincipale::~TPrincipale() = default;

void TPrincipale::buildFrame() {
    setObjectName(QStringLiteral("Principale"));
    setWindowTitle(QString::fromUtf8(programinfo::Title));
    setWindowIcon(mainIcon());
    setFixedSize(ClientSize);
    move(LayoutPosition);
    new tk::AlignHost(this);

    StatusBar = new TStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setGeometry(0, 313, 495, 19);
    StatusBar->addPanel(60, Qt::AlignHCenter);
    StatusBar->addPanel(50, Qt::AlignLeft);
    tk::setAlign(StatusBar, tk::Align::Bottom);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 62, 495, 251);
    PageControl1->setUsesScrollButtons(false);
    TabSheet1 = addPage(QStringLiteral("TabSheet1"), QStringLiteral("Code des couleurs"));
    TabSheet2 = addPage(QStringLiteral("TabSheet2"), QStringLiteral("Diode électroluminescente"));
    TabSheet3 = addPage(QStringLiteral("TabSheet3"), QStringLiteral("Conversion capacité"));
    tk::setAlign(PageControl1, tk::Align::Client);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, TApplication::handler(this, &TPrincipale::Timer1Timer));
    Timer1->start();

    buildPopupMenu();
    buildShortcuts();
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TPrincipale::commitSession);
}

TTabSheet *TPrincipale::addPage(const QString &name, const QString &caption) {
    auto *page = new TTabSheet;
    page->setObjectName(name);
    page->setAccessibleName(caption);
    // Pages show the button face, as the controls laid on them expect.
    page->setAutoFillBackground(true);
    PageControl1->addTab(page, caption);
    return page;
}

// The desktop's keys, beside the layout's own: F1 is the toolbar's "Aide", Ctrl+Q
// its "Quitter", Shift+F10 or the Menu key open the popup menu from any control,
// and F2 opens the entry of the page shown. The popup's items keep no shortcut of
// their own.
void TPrincipale::buildShortcuts() {
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            TApplication::handler(this, &TPrincipale::BarreAideClick));
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this,
            TApplication::handler(this, &TPrincipale::BarreQuitterClick));
    for (const QKeySequence &keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *menu = new QShortcut(keys, this);
        connect(menu, &QShortcut::activated, this, &TPrincipale::popupAtFocus);
    }
    auto *entry = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(entry, &QShortcut::activated, this, [this] { openPageEntry({}); });
}

// No control of the window types text (the colour lists pass their keys on),
// so a key typed anywhere in it that begins what the page shown reads reaches
// the window and opens that page's entry.
void TPrincipale::keyPressEvent(QKeyEvent *event) {
    const QString typed = tk::typedCharacter(event);
    if (!typed.isEmpty() && openPageEntry(typed))
        return;
    QWidget::keyPressEvent(event);
}

bool TPrincipale::openPageEntry(const QString &typed) {
    for (TPageEntry *entry : {m_valueEntry, m_supplyEntry, m_markingEntry}) {
        if (!entry || entry->page() != PageControl1->currentWidget())
            continue;
        if (!typed.isEmpty())
            return entry->openOnKey(typed);
        entry->openAtRest();
        return true;
    }
    return false;
}

void TPrincipale::popupAtFocus() {
    QWidget *at = focusWidget() ? focusWidget() : this;
    PopupMenu1->popup(at->mapToGlobal(at->rect().center()));
}

void TPrincipale::buildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const PopupRow &row : PopupRows) {
        QAction *action = nullptr;
        if (QLatin1String(row.caption) == QLatin1String("-")) {
            action = PopupMenu1->addSeparator();
        } else {
            action = PopupMenu1->addAction(QString::fromUtf8(row.caption));
            action->setStatusTip(QString::fromUtf8(row.hint));
            if (row.checked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            connect(action, &QAction::triggered, this, TApplication::handler(this, row.handler));
        }
        this->*row.member = action;
    }
    // Keyboard highlighting shows the hint as pointing does.
    connect(PopupMenu1, &QMenu::hovered, this,
            [](QAction *action) { Application()->setHint(action->statusTip()); });
}

bool TPrincipale::event(QEvent *event) {
    if (event->type() == QEvent::Paint && !m_painted) {
        // The pages not shown are built once the first frame is on screen.
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            Application()->runHandler([this] {
                TabSheet2->buildNow();
                TabSheet3->buildNow();
            });
        });
    }
    return QWidget::event(event);
}

void TPrincipale::contextMenuEvent(QContextMenuEvent *event) {
    PopupMenu1->popup(event->globalPos());
}

void TPrincipale::FormCreate() {
    Timer1Timer();
    resistorPageFirstStep();
    loadToolbarWallpaper();
    resistorPageInit();
    connect(Application(), &TApplication::hintChanged, this,
            TApplication::handler(this, &TPrincipale::showhint));
    setToolbarCursors();
    // The LED page's preparation comes with the page (see the constructor).
    settingsLoad();
}

void TPrincipale::Timer1Timer() {
    StatusBar->setPanelText(0, platform::LongTimeFormat::system().format(QTime::currentTime()));
}

void TPrincipale::showhint() {
    StatusBar->setPanelText(1, Application()->Hint());
}

void TPrincipale::BarreResistanceClick() {
    PageControl1->setCurrentWidget(TabSheet1);
}

void TPrincipale::BarreDiodeClick() {
    PageControl1->setCurrentWidget(TabSheet2);
}

void TPrincipale::BarreCapaciteClick() {
    PageControl1->setCurrentWidget(TabSheet3);
}

void TPrincipale::PopupInformationsClick() {
    // QAction has already flipped its check mark when triggered by the user.
    Application()->setShowHint(PopupInformations->isChecked());
}

void TPrincipale::BarreAideClick() {
    Application()->showHelpIndex();
}

void TPrincipale::BarreQuitterClick() {
    close();
}

void TPrincipale::FormCloseQuery(bool &CanClose) {
    using B = TMessageDialog::Button;
    TMessageDialog dialog(
        TMessageDialog::Type::Confirmation, QStringLiteral("Confirmation"),
        QStringLiteral("Voulez-vous quitter %1 ?").arg(QString::fromUtf8(programinfo::Title)),
        {B::Yes, B::No, B::Help}, B::Yes, B::No, 5, this);
    dialog.setObjectName(QStringLiteral("QuitConfirmation"));
    CanClose = dialog.run() != ModalResult::No;
}

void TPrincipale::FormClose() {
    Application()->quitHelp();
    settingsSave();
}

void TPrincipale::closeEvent(QCloseEvent *event) {
    if (m_endSessionConsent && Application()->isTerminating()) {
        // The session ends: stop without the help quit and the settings save.
        event->accept();
        return;
    }
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (!CanClose) {
        event->ignore();
        return;
    }
    // A failed settings save is reported, but the user can always quit.
    Application()->runHandler([this] { FormClose(); });
    // The main window is the last one that keeps the program alive, so the
    // loop ends once it has closed.
    event->accept();
}

bool TPrincipale::queryEndSession() {
    bool CanClose = true;
    FormCloseQuery(CanClose);
    m_endSessionConsent = CanClose;
    return CanClose;
}

// Qt's session manager asks for this at a log-off or shutdown and at a mere
// checkpoint alike, and never says when another program cancels a log-off; the
// end itself comes as the application's termination, which closes every
// window. So consent is only remembered here, and it stops the program without
// FormClose only when that termination follows; any other close asks again.
void TPrincipale::commitSession(QSessionManager &manager) {
    if (!manager.allowsInteraction()) {
        // No question can be asked: the end, if it comes, may go ahead.
        m_endSessionConsent = true;
        return;
    }
    const bool consent = queryEndSession();
    manager.release();
    if (!consent)
        manager.cancel();
}
