// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/thelpviewer.h"

#include "toolkit/hints.h"
#include "toolkit/tapplication.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString ViewerTitle = QStringLiteral("Aide de Chromohm");

// The pages keep numbers and French punctuation together with non-breaking
// spaces; a blank typed in the search field matches either kind.
QRegularExpression searchPattern(const QString &text) {
    QStringList words = text.simplified().split(u' ');
    for (QString &word : words)
        word = QRegularExpression::escape(word);
    return QRegularExpression(words.join(QStringLiteral("[\\s\\x{00a0}]+")),
                              QRegularExpression::CaseInsensitiveOption);
}

struct ButtonRow {
    QToolButton *THelpViewer::*member;
    const char *name;
    const char *caption;
    const char *hint;
    QStyle::StandardPixmap icon;
};

} // namespace

THelpViewer::THelpViewer(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(ViewerTitle);
    setAccessibleName(ViewerTitle);
    // Help must never keep the program alive on its own.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (QWidget *main = Application() ? Application()->MainForm() : nullptr)
        setWindowIcon(main->windowIcon());
    tk::setShowHint(this, true);

    // The page first: the order the controls are made in is their Tab order.
    buildPage();
    buildToolbar();
    layOut();
    resize(640, 560);
    connectNavigation();
}

void THelpViewer::buildPage() {
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpPage"));
    m_browser->setAccessibleName(QStringLiteral("Page d'aide"));
    // Links are followed here, so that none leads out of the book.
    m_browser->setOpenLinks(false);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("HelpNotice"));
    m_notice->setAccessibleName(QStringLiteral("Avis"));
    m_notice->setWordWrap(true);
    m_notice->setFrameShape(QFrame::StyledPanel);
    m_notice->setMargin(4);
    m_notice->setAutoFillBackground(true);
    m_notice->setBackgroundRole(QPalette::ToolTipBase);
    m_notice->setForegroundRole(QPalette::ToolTipText);
    m_notice->hide();
}

void THelpViewer::layOut() {
    auto *bar = new QHBoxLayout;
    bar->setSpacing(4);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_index);
    bar->addStretch();
    bar->addWidget(m_search, 1);
    bar->addWidget(m_find);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(bar);
    layout->addWidget(m_notice);
    layout->addWidget(m_browser, 1);
}

void THelpViewer::connectNavigation() {
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        setNotice(QString());
        updateTitle();
    });
    connect(m_browser, &QTextBrowser::anchorClicked, this, &THelpViewer::followLink);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_index, &QToolButton::clicked, this, [this] { showIndex(); });
    connect(m_find, &QToolButton::clicked, this, [this] { find(m_search->text()); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] { find(m_search->text()); });

    auto *focusSearch = new QShortcut(QKeySequence::Find, this);
    connect(focusSearch, &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    auto *findNext = new QShortcut(QKeySequence::FindNext, this);
    connect(findNext, &QShortcut::activated, this, [this] { find(m_search->text()); });
    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

void THelpViewer::buildToolbar() {
    static const ButtonRow Rows[] = {
        {&THelpViewer::m_back, "HelpBack", "Précédent", "Page précédente (Alt+Gauche)",
         QStyle::SP_ArrowBack},
        {&THelpViewer::m_forward, "HelpForward", "Suivant", "Page suivante (Alt+Droite)",
         QStyle::SP_ArrowForward},
        {&THelpViewer::m_index, "HelpIndex", "Index", "Retour à l'index de l'aide (Alt+Origine)",
         QStyle::SP_DirHomeIcon},
        {&THelpViewer::m_find, "HelpFind", "Rechercher",
         "Chercher le texte dans toute l'aide (Ctrl+F, puis Entrée ou F3)",
         QStyle::SP_FileDialogContentsView},
    };
    for (const ButtonRow &row : Rows) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromUtf8(row.name));
        button->setText(QString::fromUtf8(row.caption));
        button->setIcon(style()->standardIcon(row.icon, nullptr, button));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setAccessibleName(QString::fromUtf8(row.caption));
        tk::setHint(button, QString::fromUtf8(row.hint));
        this->*row.member = button;
    }
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_index->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setPlaceholderText(QStringLiteral("Rechercher…"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(QStringLiteral("Rechercher dans l'aide"));
    tk::setHint(m_search, QStringLiteral("Texte à chercher dans l'aide"));
}

void THelpViewer::setBook(const THelpBook &book) {
    const bool sameBook = m_book && m_book->filePath() == book.filePath();
    m_book = book;
    if (!sameBook)
        m_browser->clearHistory();
}

void THelpViewer::showIndex(const QString &notice) {
    if (!m_book)
        return;
    bringUp();
    if (openPage(m_book->indexPage()))
        setNotice(notice);
}

void THelpViewer::showTopic(long topic) {
    if (!m_book)
        return;
    const std::optional<QUrl> page = m_book->topicPage(topic);
    if (!page) {
        showIndex(QStringLiteral("La rubrique n° %1 n'existe pas dans cette aide ; "
                                 "voici l'index.")
                      .arg(topic));
        return;
    }
    bringUp();
    if (!openPage(*page))
        openPage(m_book->indexPage());
}

void THelpViewer::followLink(const QUrl &link) {
    const QUrl target = m_browser->source().resolved(link);
    if (!target.isLocalFile()) {
        // Web and mail addresses go to the desktop's own programs.
        QDesktopServices::openUrl(target);
        return;
    }
    openPage(target);
}

bool THelpViewer::openPage(const QUrl &page) {
    if (!m_book || !m_book->holds(page) || !QFileInfo(page.toLocalFile()).isReadable()) {
        reportProblem(this,
                      QStringLiteral("La page d'aide « %1 » est introuvable ou illisible.")
                          .arg(THelpBook::excerpt(QDir::toNativeSeparators(page.toLocalFile()))));
        return false;
    }
    if (m_browser->source() == page) {
        // Same page again: start at its top, as a fresh opening would.
        m_browser->moveCursor(QTextCursor::Start);
        setNotice(QString());
    } else {
        m_browser->setSource(page);
    }
    return true;
}

void THelpViewer::placeFirstTime() {
    // Beside the main window where the screen allows, so that the main window and
    // a question on it stay in view; otherwise against the roomier screen side.
    QWidget *main = Application() ? Application()->MainForm() : nullptr;
    QScreen *screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize decoration(16, 40); // the window manager's frame, roughly
    resize(size().boundedTo(room.size() - decoration));
    const QSize outer = size() + decoration;
    QPoint at(room.center().x() - outer.width() / 2, room.center().y() - outer.height() / 2);
    if (main && main->isVisible()) {
        const QRect frame = main->frameGeometry();
        at.setY(frame.top());
        if (frame.right() + 8 + outer.width() <= room.right())
            at.setX(frame.right() + 8);
        else if (frame.left() - 8 - outer.width() >= room.left())
            at.setX(frame.left() - 8 - outer.width());
        else if (frame.center().x() < room.center().x())
            at.setX(room.right() - outer.width());
        else
            at.setX(room.left());
    }
    at.setX(qBound(room.left(), at.x(), room.right() - outer.width()));
    at.setY(qBound(room.top(), at.y(), room.bottom() - outer.height()));
    move(at);
}

void THelpViewer::bringUp() {
    if (!m_placed) {
        placeFirstTime();
        m_placed = true;
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool THelpViewer::find(const QString &text) {
    if (text.trimmed().isEmpty() || !m_book)
        return false;
    const QRegularExpression pattern = searchPattern(text);
    if (m_browser->find(pattern)) {
        setNotice(QString());
        return true;
    }
    // Not further on this page: the following pages, round to this page's top.
    const QList<QUrl> pages = m_book->pages();
    const qsizetype here = pages.indexOf(m_browser->source());
    for (qsizetype step = 1; step <= pages.size(); ++step) {
        const QUrl &page = pages.at((here + step + pages.size()) % pages.size());
        if (!pageContains(page, pattern))
            continue;
        if (page != m_browser->source())
            m_browser->setSource(page);
        m_browser->moveCursor(QTextCursor::Start);
        m_browser->find(pattern);
        return true;
    }
    setNotice(QStringLiteral("« %1 » est introuvable dans l'aide.").arg(text.simplified()));
    return false;
}

bool THelpViewer::pageContains(const QUrl &page, const QRegularExpression &pattern) {
    QFile file(page.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return !document.find(pattern).isNull();
}

QUrl THelpViewer::currentPage() const {
    return m_browser->source();
}

QString THelpViewer::notice() const {
    return m_notice->isHidden() ? QString() : m_notice->text();
}

void THelpViewer::setNotice(const QString &text) {
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void THelpViewer::updateTitle() {
    const QString page = m_browser->documentTitle();
    setWindowTitle(page.isEmpty() ? ViewerTitle : ViewerTitle + QStringLiteral(" - ") + page);
}

void THelpViewer::reportProblem(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::Warning, ViewerTitle, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("HelpProblem"));
    box.setAccessibleName(ViewerTitle);
    box.setAccessibleDescription(text);
    box.exec();
}
