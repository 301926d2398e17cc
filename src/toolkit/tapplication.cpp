// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tapplication.h"

#include "platform/fontpreload.h"
#include "toolkit/accessibility.h"
#include "toolkit/hints.h"
#include "toolkit/tclassicstyle.h"

#include <QEnterEvent>
#include <QFont>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QToolTip>
#include <QWindow>

TApplication::TApplication(int &argc, char **argv, platform::FontPreload *fonts)
    : QApplication(argc, argv) {
    // One style everywhere, so that the fixed layout has the same metrics on
    // every desktop theme.
    setStyle(new TClassicStyle);
    // Its palette wins over the desktop's, tooltips included.
    setPalette(style()->standardPalette());
    QToolTip::setPalette(palette());
    if (fonts)
        fonts->wait();
    mapFonts();
    QFont font(installedFace(QStringLiteral("MS Sans Serif")));
    font.setPixelSize(11);
    setFont(font);
    tk::installAccessibility();
    m_idleHint.setSingleShot(true);
    m_idleHint.setInterval(0);
    connect(&m_idleHint, &QTimer::timeout, this, &TApplication::refreshHintAtPointer);
    installEventFilter(this);
}

TApplication::~TApplication() = default;

TApplication *TApplication::instance() {
    return static_cast<TApplication *>(qApp);
}

void TApplication::preferX11() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}

namespace {

// The layout's faces are Windows fonts; these metric-compatible faces keep every
// fixed-size text inside its fixed place.
const QStringList &substitutesFor(const QString &windowsFace) {
    static const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                  QStringLiteral("DejaVu Sans")};
    static const QStringList serif{QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                   QStringLiteral("DejaVu Serif")};
    static const QStringList none;
    if (windowsFace == QLatin1String("MS Sans Serif"))
        return sans;
    if (windowsFace == QLatin1String("MS Serif"))
        return serif;
    return none;
}

} // namespace

void TApplication::mapFonts() {
    for (const char *face : {"MS Sans Serif", "MS Serif"})
        QFont::insertSubstitutions(QLatin1String(face), substitutesFor(QLatin1String(face)));
}

QString TApplication::installedFace(const QString &windowsFace) {
    // Naming an installed face directly spares the font matcher a failed
    // lookup and a fallback search for every new size and weight. families()
    // rather than hasFamily(), which also has fontconfig resolve aliases.
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : substitutesFor(windowsFace))
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    return windowsFace;
}

void TApplication::setHint(const QString &hint) {
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit hintChanged();
}

void TApplication::setShowHint(bool on) {
    m_showHint = on;
    if (!on) {
        QToolTip::hideText();
        m_tipAtPointer.clear();
    }
}

platform::HelpFacility *TApplication::help() const {
    return m_helpFile.isEmpty() ? nullptr : m_help;
}

void TApplication::showHelpIndex() {
    if (platform::HelpFacility *facility = help())
        facility->showIndex(m_helpFile.toStdString());
}

void TApplication::showHelpTopic(long topic) {
    if (platform::HelpFacility *facility = help())
        facility->showTopic(m_helpFile.toStdString(), topic);
}

void TApplication::quitHelp() {
    if (platform::HelpFacility *facility = help())
        facility->quit();
}

void TApplication::ShowException(const std::exception &error) {
    QString message = QString::fromUtf8(error.what());
    if (!message.isEmpty() && !message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    QMessageBox box(QMessageBox::Critical, m_title, message, QMessageBox::Ok, activeWindow());
    box.exec();
}

bool TApplication::runHandler(const std::function<void()> &handler) {
    try {
        handler();
        return true;
    } catch (const std::exception &error) {
        ShowException(error);
        return false;
    }
}

bool TApplication::event(QEvent *event) {
    if (event->type() != QEvent::Quit)
        return QApplication::event(event);
    const bool wasTerminating = m_terminating;
    m_terminating = true;
    const bool handled = QApplication::event(event);
    m_terminating = wasTerminating;
    return handled;
}

QWidget *TApplication::topLevelFor(QWindow *window) {
    // Pointer moves arrive mostly in the same window: look it up once.
    if (window != m_lastWindow || !m_lastTopLevel) {
        m_lastWindow = window;
        m_lastTopLevel = nullptr;
        for (QWidget *w : topLevelWidgets())
            if (w->windowHandle() == window)
                m_lastTopLevel = w;
    }
    return m_lastTopLevel;
}

QString TApplication::menuHintAt(QMenu *menu, const QPoint &pos) const {
    QAction *action = menu->actionAt(pos);
    if (!action || action->isSeparator())
        return {};
    return action->statusTip();
}

void TApplication::updateHintAt(QWindow *window, const QPointF &pos) {
    QWidget *top = topLevelFor(window);
    if (!top || top->inherits("QTipLabel"))
        return;
    const QPoint p = pos.toPoint();
    if (auto *menu = qobject_cast<QMenu *>(top)) {
        setHint(menuHintAt(menu, p));
        return;
    }
    QWidget *child = top->childAt(p);
    setHint(tk::hintFor(child ? child : top));
}

void TApplication::hintMayHaveChanged() {
    if (m_pointerWindow && !m_idleHint.isActive())
        m_idleHint.start();
}

void TApplication::refreshHintAtPointer() {
    QWidget *top = m_pointerWindow ? topLevelFor(m_pointerWindow) : nullptr;
    // A popup menu's hint follows its highlighted item, by pointer or key.
    if (!top || top->inherits("QTipLabel") || qobject_cast<QMenu *>(top))
        return;
    updateHintAt(m_pointerWindow, m_pointerPos);
    // A tooltip shown at this very place follows too: Qt hides it at the key
    // press, and it comes back with the new hint; an unchanged one stays hidden.
    if (m_tipAtPointer.isNull())
        return;
    QWidget *child = top->childAt(m_pointerPos.toPoint());
    QWidget *under = child ? child : top;
    const QString text = tk::hintFor(under);
    if (text == m_tipAtPointer)
        return;
    showTooltip(m_pointerWindow->mapToGlobal(m_pointerPos).toPoint(), under, text);
}

void TApplication::showTooltip(const QPoint &globalPos, QWidget *widget, const QString &text) {
    if (m_showHint && tk::showsHint(widget) && !text.isEmpty()) {
        QToolTip::showText(globalPos, text, widget);
        m_tipAtPointer = text;
    } else {
        QToolTip::hideText();
        m_tipAtPointer.clear();
    }
}

bool TApplication::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
        if (auto *window = qobject_cast<QWindow *>(watched)) {
            const QPointF pos = static_cast<QSinglePointEvent *>(event)->position();
            if (window != m_pointerWindow || pos != m_pointerPos)
                m_tipAtPointer.clear();
            m_pointerWindow = window;
            m_pointerPos = pos;
            updateHintAt(window, pos);
        }
        break;
    case QEvent::Leave:
        if (auto *window = qobject_cast<QWindow *>(watched)) {
            if (window == m_pointerWindow) {
                m_pointerWindow = nullptr;
                m_tipAtPointer.clear();
            }
            QWidget *top = topLevelFor(window);
            if (top && !top->inherits("QTipLabel") && !qobject_cast<QMenu *>(top))
                setHint(QString());
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
    case QEvent::DynamicPropertyChange:
        hintMayHaveChanged();
        break;
    case QEvent::ToolTip:
        if (auto *widget = qobject_cast<QWidget *>(watched)) {
            showTooltip(static_cast<QHelpEvent *>(event)->globalPos(), widget, tk::hintFor(widget));
            return true;
        }
        break;
    default:
        break;
    }
    return QApplication::eventFilter(watched, event);
}
