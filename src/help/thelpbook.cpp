// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/thelpbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

constexpr qsizetype ExcerptHalf = 28;

std::nullopt_t fail(QString *why, const QString &text) {
    if (why)
        *why = text;
    return std::nullopt;
}

bool isInside(const QString &path, const QString &folder) {
    return path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

} // namespace

QString THelpBook::excerpt(const QString &text) {
    QString piece = text.size() > 2 * ExcerptHalf
                        ? text.left(ExcerptHalf) + QChar(0x2026) + text.right(ExcerptHalf)
                        : text;
    for (QChar &c : piece)
        if (!c.isPrint())
            c = u' ';
    return piece;
}

THelpBook::Stamp THelpBook::stampOf(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

bool THelpBook::isCurrent(const QString &helpFilePath) const {
    return QFileInfo(helpFilePath).absoluteFilePath() == m_filePath &&
           stampOf(m_filePath) == m_stamp;
}

std::optional<QUrl> THelpBook::pageUrl(const QString &page) const {
    // By the name alone: links are followed when the page is opened.
    const QString path = QDir::cleanPath(m_folder + u'/' + page);
    if (QDir::isAbsolutePath(page) || !isInside(path, m_folder))
        return std::nullopt;
    return QUrl::fromLocalFile(path);
}

bool THelpBook::holds(const QUrl &page) const {
    if (!page.isLocalFile())
        return false;
    const QString path = QDir::cleanPath(page.toLocalFile());
    if (!isInside(path, m_folder))
        return false;
    // A link inside the folder must not lead out of it either.
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() || isInside(real, QFileInfo(m_folder).canonicalFilePath());
}

std::optional<THelpBook> THelpBook::load(const QString &helpFilePath, QString *why) {
    QFile file(helpFilePath);
    THelpBook book;
    const QFileInfo info(helpFilePath);
    book.m_filePath = info.absoluteFilePath();
    book.m_folder = QDir::cleanPath(info.absolutePath());
    // Taken before the reading: a change during it makes the next command read again.
    book.m_stamp = stampOf(book.m_filePath);
    // A pipe or a device would keep the program waiting, or reading without end.
    if (!file.exists())
        return fail(why, QStringLiteral("fichier absent"));
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return fail(why, QStringLiteral("fichier illisible"));
    // The file may grow while it is read; the limit holds all the same.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.size() > MaxFileSize || bytes.size() > MaxFileSize)
        return fail(why, QStringLiteral("fichier illisible"));

    QTextStream in(bytes);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        const QString key = line.left(eq).trimmed();
        const QString page = eq < 0 ? QString() : line.mid(eq + 1).trimmed();
        bool isNumber = false;
        const long topic = key.toLong(&isNumber);
        const bool isIndex = key.compare(QStringLiteral("index"), Qt::CaseInsensitive) == 0;
        if (eq < 0 || page.isEmpty() || !(isIndex || isNumber))
            return fail(
                why,
                QStringLiteral("ligne %1 incomprise : « %2 »").arg(lineNumber).arg(excerpt(line)));
        const std::optional<QUrl> url = book.pageUrl(page);
        if (!url)
            return fail(why, QStringLiteral("ligne %1 : la page « %2 » est hors du dossier de "
                                            "l'aide")
                                 .arg(lineNumber)
                                 .arg(excerpt(page)));
        if (isIndex)
            book.m_index = *url;
        else
            book.m_topics.insert(topic, *url);
    }

    if (book.m_index.isEmpty())
        return fail(why, QStringLiteral("aucune page d'index n'y est indiquée"));
    if (!QFileInfo(book.m_index.toLocalFile()).isReadable())
        return fail(why, QStringLiteral("page d'index « %1 » introuvable")
                             .arg(excerpt(QDir::toNativeSeparators(book.m_index.toLocalFile()))));
    return book;
}

std::optional<QUrl> THelpBook::topicPage(long topic) const {
    const auto it = m_topics.constFind(topic);
    if (it == m_topics.constEnd())
        return std::nullopt;
    return *it;
}

QList<QUrl> THelpBook::pages() const {
    QList<QUrl> result{m_index};
    QSet<QUrl> seen{m_index};
    for (const QUrl &page : m_topics)
        if (!seen.contains(page)) {
            seen.insert(page);
            result.append(page);
        }
    return result;
}
