// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help facility behind the application object's help: it finds the help
// book by the help file's name (beside the executable first, then, for an
// installed copy, in <prefix>/share/chromohm found from the executable's own
// path) and serves index, topic and quit with its own viewer. The book is read
// once, and again only when its file changes.

#include "help/thelpbook.h"
#include "platform/helpfacility.h"

#include <QStringList>
#include <memory>
#include <optional>

class THelpViewer;

class THelpFacility : public platform::HelpFacility {
public:
    // The folders searched for the help file, in order.
    explicit THelpFacility(QStringList folders = defaultFolders());
    ~THelpFacility() override;

    static QStringList defaultFolders();
    // Where the book is looked for when the program is that executable.
    static QStringList foldersFor(const std::string &executable);

    void showIndex(const std::string &helpFile) override;
    void showTopic(const std::string &helpFile, long topic) override;
    void quit() override;

    // The viewer this facility opened, if it is still there.
    THelpViewer *viewer() const { return m_viewer.get(); }

private:
    // The viewer, opened if need be, on the book of that name; none when the
    // book cannot be read, which has been reported.
    THelpViewer *viewerFor(const std::string &helpFile);
    std::optional<THelpBook> locate(const QString &helpFile);

    QStringList m_folders;
    std::optional<THelpBook> m_book; // the last book read
    std::unique_ptr<THelpViewer> m_viewer;
};
