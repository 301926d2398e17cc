// Settings load and save of TPrincipale.

#include "app/settings.h"

#include "app/tprincipale.h"
#include "platform/tinifile.h"
#include "toolkit/tapplication.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QWindow>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char *SectionProgram = "Chromohm";
constexpr const char *SectionInformations = "Informations";
constexpr const char *SectionPosition = "Position";
constexpr const char *VersionMark = "1.0";

std::string &pathOverride() {
    static std::string path;
    return path;
}

std::string executablePath() {
    std::error_code error;
    std::string exe = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error || exe.empty())
        return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    // An executable replaced while running is still the same program.
    constexpr std::string_view Deleted = " (deleted)";
    if (exe.size() > Deleted.size() && exe.ends_with(Deleted))
        exe.resize(exe.size() - Deleted.size());
    return exe;
}

} // namespace

std::string SettingsLocation::forExecutable(const std::string &executable) {
    const std::size_t slash = executable.rfind('/');
    const std::size_t dot = executable.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? executable.substr(0, dot) : executable) + ".INI";
}

std::string SettingsLocation::path() {
    if (!pathOverride().empty())
        return pathOverride();
    return forExecutable(executablePath());
}

void SettingsLocation::setPathOverrideForTesting(const std::string &path) {
    pathOverride() = path;
}

void TPrincipale::SettingsLoad() {
    TIniFile IniFile(SettingsLocation::path());
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

void TPrincipale::SettingsSave() {
    TIniFile IniFile(SettingsLocation::path());
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
