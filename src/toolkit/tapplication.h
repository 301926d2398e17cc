// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The application object: title, help file, the current hint and its handler, the
// hint-display flag (tooltips), the error box for an error raised in a handler,
// help and the screen's custom cursors.

#include "platform/helpfacility.h"

#include <QApplication>
#include <QCursor>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <exception>
#include <functional>

namespace platform {
class FontPreload;
}
class QMenu;

class TApplication : public QApplication {
    Q_OBJECT
public:
    // With fonts, the font configuration being read meanwhile is waited for
    // when the first font is needed.
    TApplication(int &argc, char **argv, platform::FontPreload *fonts = nullptr);
    ~TApplication() override;

    static TApplication *instance();

    // On a Wayland desktop with XWayland, ask for the xcb platform unless the user
    // chose one: window positions and window enumeration need X11.
    static void preferX11();

    QString Title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    QString HelpFile() const { return m_helpFile; }
    void setHelpFile(const QString &file) { m_helpFile = file; }

    QString Hint() const { return m_hint; }
    // Emits hintChanged only when the text changes.
    void setHint(const QString &hint);

    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool on);

    QWidget *MainForm() const { return m_mainForm; }
    void setMainForm(QWidget *w) { m_mainForm = w; }

    void setHelpFacility(platform::HelpFacility *facility) { m_help = facility; }
    platform::HelpFacility *helpFacility() const { return m_help; }
    // Help for the help file; nothing is asked while its name is empty.
    void showHelpIndex();
    void showHelpTopic(long topic);
    void quitHelp();

    // The error box: message followed by ".", the title as caption, the error icon.
    void ShowException(const std::exception &error);
    // Runs a handler; an error raised inside it is shown and the rest is skipped.
    bool runHandler(const std::function<void()> &handler);
    // A handler to connect to a signal: it runs through runHandler, so that an
    // error is caught where it is raised and never unwinds through Qt's event
    // delivery, which does not expect it.
    template <typename Object> static auto handler(Object *object, void (Object::*method)()) {
        return [object, method] { instance()->runHandler([&] { (object->*method)(); }); };
    }
    template <typename Function> static auto handler(Function function) {
        return [function = std::move(function)] { instance()->runHandler(function); };
    }

    // Custom cursors of the screen object, by number.
    void setCursor(int number, const QCursor &cursor) { m_cursors.insert(number, cursor); }
    QCursor cursor(int number) const { return m_cursors.value(number, QCursor(Qt::ArrowCursor)); }

    // The installed face that stands in for a Windows face ("MS Sans Serif").
    static QString installedFace(const QString &windowsFace);

    // Recomputes the hint from the pointer's position in a window of the program.
    void updateHintAt(QWindow *window, const QPointF &pos);

    // True while the application is being terminated (the session's end, or a
    // quit): every window is then asked to close.
    bool isTerminating() const { return m_terminating; }

signals:
    // The hint handler: connected with the main window as context, it goes
    // with the window.
    void hintChanged();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The facility to ask, when there is one and a help file to ask about.
    platform::HelpFacility *help() const;
    QWidget *topLevelFor(QWindow *window);
    // What lies under a resting pointer may change without a move (a key, a
    // click, a control shown, moved or given another hint): the hint is
    // recomputed once the program goes idle.
    void hintMayHaveChanged();
    void refreshHintAtPointer();
    // Shows the hint as a tooltip where the control and the hint display allow it.
    void showTooltip(const QPoint &globalPos, QWidget *widget, const QString &text);
    QString menuHintAt(QMenu *menu, const QPoint &pos) const;
    static void mapFonts();

    QString m_title;
    QString m_helpFile;
    QString m_hint;
    bool m_showHint = true;
    bool m_terminating = false;
    QPointer<QWidget> m_mainForm;
    QPointer<QWindow> m_lastWindow;
    QPointer<QWidget> m_lastTopLevel;
    QPointer<QWindow> m_pointerWindow; // where the pointer rests, if in the program
    QPointF m_pointerPos;
    QString m_tipAtPointer; // the tooltip shown where the pointer still rests
    QTimer m_idleHint;
    platform::HelpFacility *m_help = nullptr;
    QHash<int, QCursor> m_cursors;
};

// The application object; one per process.
inline TApplication *Application() {
    return TApplication::instance();
}
