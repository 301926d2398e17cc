// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/programfiles.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

// Where the build installs, relative to the install prefix (GNUInstallDirs).
#ifndef CHROMOHM_INSTALL_BINDIR
#define CHROMOHM_INSTALL_BINDIR "bin"
#endif
#ifndef CHROMOHM_INSTALL_DATADIR
#define CHROMOHM_INSTALL_DATADIR "share"
#endif

namespace platform {

namespace {

constexpr const char *ProgramFolder = "chromohm";

std::string nameOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool endsWith(const std::string &text, const std::string &tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool isFolder(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::string folderOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string executablePath() {
    std::string exe(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", exe.data(), exe.size());
        if (length < 0)
            return {};
        if (std::size_t(length) < exe.size()) {
            exe.resize(std::size_t(length));
            break;
        }
        // Cut short: the path may be longer.
        exe.resize(exe.size() * 2);
    }
    // An executable replaced while running is still the same program.
    constexpr std::string_view Deleted = " (deleted)";
    if (exe.size() > Deleted.size() && exe.ends_with(Deleted))
        exe.resize(exe.size() - Deleted.size());
    return exe;
}

std::string installedDataFolder(const std::string &executable) {
    const std::string bin = folderOf(executable);
    const std::string binName = CHROMOHM_INSTALL_BINDIR;
    if (!endsWith(bin, "/" + binName))
        return {};
    const std::string prefix = bin.substr(0, bin.size() - binName.size() - 1);
    const std::string dataDir = CHROMOHM_INSTALL_DATADIR;
    const std::string data =
        (dataDir.front() == '/' ? dataDir : prefix + "/" + dataDir) + "/" + ProgramFolder;
    return isFolder(data) ? data : std::string();
}

std::string userConfigFolder(const char *xdgConfigHome, const char *home) {
    // Relative paths in the variable are invalid and must be ignored.
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        return xdgConfigHome;
    if (home && home[0] == '/')
        return std::string(home) + "/.config";
    return {};
}

std::string settingsBeside(const std::string &executable) {
    const std::size_t slash = executable.rfind('/');
    const std::size_t dot = executable.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? executable.substr(0, dot) : executable) + ".INI";
}

std::string settingsInConfigFolder(const std::string &executable, const std::string &configFolder) {
    return configFolder + "/" + ProgramFolder + "/" + nameOf(settingsBeside(executable));
}

bool makeFolders(const std::string &folder) {
    if (folder.empty() || isFolder(folder))
        return !folder.empty();
    const std::string parent = folderOf(folder);
    if (parent != folder && !makeFolders(parent))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && isFolder(folder));
}

} // namespace platform
