#include "app/thelpbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

std::nullopt_t fail(QString *why, const QString &text) {
    if (why)
        *why = text;
    return std::nullopt;
}

} // namespace

std::optional<THelpBook> THelpBook::load(const QString &helpFilePath, QString *why) {
    QFile file(helpFilePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(why, file.exists() ? QStringLiteral("fichier illisible")
                                       : QStringLiteral("fichier absent"));

    THelpBook book;
    const QFileInfo info(helpFilePath);
    book.m_filePath = info.absoluteFilePath();
    const QDir folder = info.absoluteDir();
    auto pageUrl = [&folder](const QString &relative) {
        return QUrl::fromLocalFile(QDir::cleanPath(folder.absoluteFilePath(relative)));
    };

    QTextStream in(&file);
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
            return fail(why,
                        QStringLiteral("ligne %1 incomprise : « %2 »").arg(lineNumber).arg(line));
        if (isIndex)
            book.m_index = pageUrl(page);
        else
            book.m_topics.insert(topic, pageUrl(page));
    }

    if (book.m_index.isEmpty())
        return fail(why, QStringLiteral("aucune page d'index n'y est indiquée"));
    if (!QFileInfo(book.m_index.toLocalFile()).isReadable())
        return fail(why, QStringLiteral("page d'index « %1 » introuvable")
                             .arg(QDir::toNativeSeparators(book.m_index.toLocalFile())));
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
    for (const QUrl &page : m_topics)
        if (!result.contains(page))
            result.append(page);
    return result;
}
