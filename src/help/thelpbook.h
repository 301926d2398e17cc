// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help book: a small text file (the help file, "Chromohm.hlp") that names the
// index page and maps topic numbers to HTML pages kept beside it.
//
//   # comment
//   index = Chromohm-aide/index.html
//   5 = Chromohm-aide/quitter.html
//
// Pages are relative to the help file's folder and never lead out of it.

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QUrl>
#include <optional>

class THelpBook {
public:
    // Larger help files are taken for unreadable ones: a book is a short table.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // Reads the help file; on failure returns nothing and, if asked, says why in French.
    static std::optional<THelpBook> load(const QString &helpFilePath, QString *why = nullptr);

    // True while the help file at that path is the one this book was read from,
    // unchanged since.
    bool isCurrent(const QString &helpFilePath) const;

    QString filePath() const { return m_filePath; }
    QUrl indexPage() const { return m_index; }
    std::optional<QUrl> topicPage(long topic) const;
    // Every page once, the index first, then by topic number: the order of a search.
    QList<QUrl> pages() const;
    // Whether a page lies inside the book's folder, links followed.
    bool holds(const QUrl &page) const;

    // A piece of a text short enough for a message, without control characters.
    static QString excerpt(const QString &text);

private:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);
    std::optional<QUrl> pageUrl(const QString &page) const;

    QString m_filePath;
    QString m_folder;
    Stamp m_stamp;
    QUrl m_index;
    QMap<long, QUrl> m_topics;
};
