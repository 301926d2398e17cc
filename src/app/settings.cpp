// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings load and save of TPrincipale.

#include "app/settings.h"

#include "app/programinfo.h"
#include "app/tprincipale.h"
#include "platform/programfiles.h"
#include "platform/tinifile.h"
#include "toolkit/tapplication.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QWindow>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr const char *SectionProgram = "Chromohm";
constexpr const char *SectionInformations = "Informations";
constexpr const char *SectionPosition = "Position";
constexpr const char *VersionMark = programinfo::Version;

} // namespace

SettingsFile SettingsFile::forExecutable(const std::string &executable,
                                         const std::string &configFolder) {
    if (platform::installedDataFolder(executable).empty() || configFolder.empty())
        return {platform::settingsBeside(executable), false};
    return {platform::settingsInConfigFolder(executable, configFolder), true};
}

SettingsFile SettingsFile::ofProgram() {
    std::string exe = platform::executablePath();
    if (exe.empty())
        exe = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    const char *home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd *user = ::getpwuid(::geteuid());
        home = user ? user->pw_dir : nullptr;
    }
    return forExecutable(exe, platform::userConfigFolder(std::getenv("XDG_CONFIG_HOME"), home));
}

void TPrincipale::prepareSettingsFolder() const {
    // A failure shows as the write's own error.
    if (m_settings.makeFolder)
        platform::makeFolders(platform::folderOf(m_settings.path));
}

void TPrincipale::settingsLoad() {
    prepareSettingsFolder();
    TIniFile IniFile(m_settings.path);
    IniFile.WriteString(SectionProgram, "version", VersionMark);
    // A missing or unreadable status keeps the option on, as the layout has it.
    const bool status = IniFile.ReadBool(SectionInformations, "status", true);
    PopupInformations->setChecked(status);
    Application()->setShowHint(status);
    const int x = IniFile.ReadInteger(SectionPosition, "x", 0);
    const int y = IniFile.ReadInteger(SectionPosition, "y", 0);
    // Applied as read, even off the screen. The stored point is the frame's
    // corner, as the close reads it back; the native window may exist already
    // (the single-instance check made it), so tell it the frame's place too,
    // or the window manager would put the client there and the window would
    // creep up by its title bar at every start.
    move(x, y);
    if (QWindow *handle = windowHandle())
        handle->setFramePosition(QPoint(x, y));
}

void TPrincipale::settingsSave() {
    prepareSettingsFolder();
    TIniFile IniFile(m_settings.path);
    const bool status = PopupInformations->isChecked();
    // The steps reach the disk together, as one replacement of the file.
    IniFile.BeginBatch();
    IniFile.WriteString(SectionProgram, "version", VersionMark);
    IniFile.WriteBool(SectionInformations, "status", status);
    // Written anew, so the section holds only the position, at the end of the file.
    IniFile.EraseSection(SectionPosition);
    IniFile.WriteInteger(SectionPosition, "x", pos().x());
    IniFile.WriteInteger(SectionPosition, "y", pos().y());
    IniFile.CommitBatch();
}
