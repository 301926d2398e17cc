// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the program's own files are, found from its executable's path, so that
// a copy works wherever it was built, copied or installed. A copy run from its
// own folder keeps its settings beside itself; an installed copy (the executable
// in <prefix>/bin, its data in <prefix>/share/chromohm) keeps the same file in
// the user's configuration folder. Plain C++, no Qt.

#include <string>

namespace platform {

// The running executable, links resolved.
std::string executablePath();

// <prefix>/share/chromohm for an executable in <prefix>/bin when that folder
// exists; empty for a copy run from anywhere else.
std::string installedDataFolder(const std::string &executable);

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; empty when
// neither is known.
std::string userConfigFolder(const char *xdgConfigHome, const char *home);

// The executable's path with its extension replaced by ".INI": the extension is
// what follows the last "." of the file name; a name without one gets ".INI"
// appended.
std::string settingsBeside(const std::string &executable);

// The settings file of an installed executable: the same name in the program's
// folder of the user's configuration folder.
std::string settingsInConfigFolder(const std::string &executable, const std::string &configFolder);

// Makes the folder and any missing parents, private to the user; true when it
// exists afterwards.
bool makeFolders(const std::string &folder);

// The folder part of a path ("." for a bare name).
std::string folderOf(const std::string &path);

} // namespace platform
