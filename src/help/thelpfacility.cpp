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

void THelpFacility::command(const std::string &helpFile, platform::HelpCommand cmd, long data) {
    if (cmd == platform::HelpCommand::Quit) {
        // Only a viewer opened here is ours to close.
        m_viewer.reset();
        return;
    }

    std::optional<THelpBook> book = locate(QString::fromStdString(helpFile));
    if (!book)
        return;
    if (!m_viewer)
        m_viewer = std::make_unique<THelpViewer>();
    m_viewer->setBook(*book);
    if (cmd == platform::HelpCommand::Context)
        m_viewer->showTopic(data);
    else
        m_viewer->showIndex();
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
