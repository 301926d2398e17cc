#pragma once
// The help book: a small text file (the help file, "Chromohm.hlp") that names the
// index page and maps topic numbers to HTML pages kept beside it.
//
//   # comment
//   index = Chromohm-aide/index.html
//   5 = Chromohm-aide/quitter.html
//
// Pages are relative to the help file's folder.

#include <QList>
#include <QMap>
#include <QString>
#include <QUrl>
#include <optional>

class THelpBook {
public:
    // Reads the help file; on failure returns nothing and, if asked, says why in French.
    static std::optional<THelpBook> load(const QString &helpFilePath, QString *why = nullptr);

    QString filePath() const { return m_filePath; }
    QUrl indexPage() const { return m_index; }
    std::optional<QUrl> topicPage(long topic) const;
    // Every page once, the index first, then by topic number: the order of a search.
    QList<QUrl> pages() const;

private:
    QString m_filePath;
    QUrl m_index;
    QMap<long, QUrl> m_topics;
};
