// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's own help viewer: a non-modal top-level window that shows the
// pages of the help book, with back, forward, index and a search across the book.
// It belongs to no other window, so a window-modal question on the main window
// (the quit confirmation) leaves it usable.

#include "help/thelpbook.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QRegularExpression;
class QTextBrowser;
class QToolButton;

class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget *parent = nullptr);

    void setBook(const THelpBook &book);

    // Both bring the window up; an unknown topic shows the index with a notice.
    void showIndex(const QString &notice = QString());
    void showTopic(long topic);
    // Next occurrence from the cursor, then in the following pages of the book.
    bool find(const QString &text);

    QUrl currentPage() const;
    QString notice() const;
    QTextBrowser *browser() const { return m_browser; }

    // The viewer's own message box for a book or page it cannot show.
    static void reportProblem(QWidget *parent, const QString &text);

private:
    // The page and the notice above it.
    void buildPage();
    // Back, forward, index, the search field and its button.
    void buildToolbar();
    void layOut();
    // The buttons, the page's links and the keys.
    void connectNavigation();
    void followLink(const QUrl &link);
    bool openPage(const QUrl &page);
    void placeFirstTime();
    void bringUp();
    void setNotice(const QString &text);
    void updateTitle();
    static bool pageContains(const QUrl &page, const QRegularExpression &pattern);

    std::optional<THelpBook> m_book;
    bool m_placed = false;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_index = nullptr;
    QLineEdit *m_search = nullptr;
    QToolButton *m_find = nullptr;
    QLabel *m_notice = nullptr;
    QTextBrowser *m_browser = nullptr;
};
