#include "app/thelpbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

bool fail(QString *why, const QString &text) {
    if (why)
        *why = text;
    return false;
}

} // namespace

std::optional<THelpBook> THelpBook::load(const QString &helpFilePath, QString *why) {
    QFile file(helpFilePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(why, file.exists() ? QStringLiteral("fichier illisible")
                                : QStringLiteral("fichier absent"));
        return std::nullopt;
    }

    THelpBook book;
    book.m_filePath = QFileInfo(helpFilePath).absoluteFilePath();
    const QDir folder = QFileInfo(helpFilePath).absoluteDir();
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
        if (eq < 0 || key.isEmpty() || page.isEmpty()) {
            fail(why, QStringLiteral("ligne %1 incomprise : « %2 »").arg(lineNumber).arg(line));
            return std::nullopt;
        }
        bool isNumber = false;
        const long topic = key.toLong(&isNumber);
        if (key.compare(QStringLiteral("index"), Qt::CaseInsensitive) == 0) {
            book.m_index = pageUrl(page);
        } else if (isNumber) {
            book.m_topics.insert(topic, pageUrl(page));
        } else {
            fail(why, QStringLiteral("ligne %1 incomprise : « %2 »").arg(lineNumber).arg(line));
            return std::nullopt;
        }
    }

    if (book.m_index.isEmpty()) {
        fail(why, QStringLiteral("aucune page d'index n'y est indiquée"));
        return std::nullopt;
    }
    if (!QFileInfo(book.m_index.toLocalFile()).isReadable()) {
        fail(why, QStringLiteral("page d'index « %1 » introuvable")
                      .arg(QDir::toNativeSeparators(book.m_index.toLocalFile())));
        return std::nullopt;
    }
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
