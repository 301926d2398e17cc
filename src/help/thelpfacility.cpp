// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/thelpfacility.h"

#include "help/thelpviewer.h"

#include "platform/programfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

THelpFacility::THelpFacility(QStringList folders) : m_folders(std::move(folders)) {}

THelpFacility::~THelpFacility() = default;

QStringList THelpFacility::defaultFolders() {
    return foldersFor(platform::executablePath());
}

QStringList THelpFacility::foldersFor(const std::string &executable) {
    QStringList folders{QFile::decodeName(platform::folderOf(executable).c_str())};
    const std::string data = platform::installedDataFolder(executable);
    if (!data.empty())
        folders.append(QFile::decodeName(data.c_str()));
    return folders;
}

void THelpFacility::showIndex(const std::string &helpFile) {
    if (THelpViewer *viewer = viewerFor(helpFile))
        viewer->showIndex();
}

void THelpFacility::showTopic(const std::string &helpFile, long topic) {
    if (THelpViewer *viewer = viewerFor(helpFile))
        viewer->showTopic(topic);
}

void THelpFacility::quit() {
    // Only a viewer opened here is ours to close.
    m_viewer.reset();
}

THelpViewer *THelpFacility::viewerFor(const std::string &helpFile) {
    std::optional<THelpBook> book = locate(QString::fromStdString(helpFile));
    if (!book)
        return nullptr;
    if (!m_viewer)
        m_viewer = std::make_unique<THelpViewer>();
    m_viewer->setBook(*book);
    return m_viewer.get();
}

std::optional<THelpBook> THelpFacility::locate(const QString &helpFile) {
    // A name with a folder is taken as it stands.
    QStringList candidates;
    if (QFileInfo(helpFile).fileName() != helpFile)
        candidates.append(helpFile);
    else
        for (const QString &folder : m_folders)
            candidates.append(QDir(folder).filePath(helpFile));

    QStringList tried;
    for (const QString &path : candidates) {
        if (m_book && m_book->isCurrent(path))
            return m_book;
        QString why;
        if (std::optional<THelpBook> book = THelpBook::load(path, &why)) {
            m_book = book;
            return book;
        }
        tried.append(QStringLiteral("  %1 (%2)").arg(QDir::toNativeSeparators(path), why));
    }

    QWidget *parent =
        m_viewer && m_viewer->isVisible() ? m_viewer.get() : QApplication::activeWindow();
    THelpViewer::reportProblem(
        parent,
        QStringLiteral("L'aide « %1 » est introuvable ou illisible.\n\nEmplacements examinés :\n%2")
            .arg(helpFile, tried.join(u'\n')));
    return std::nullopt;
}
