#pragma once
// Where the settings file lives: beside the executable, named after it with the
// extension ".INI" ("chromohm" keeps its settings in "chromohm.INI").

#include <string>

class SettingsLocation {
public:
    // The settings file of the running program.
    static std::string path();
    // The executable's path with its extension replaced by ".INI": the extension
    // is what follows the last "." of the file name; a name without one gets
    // ".INI" appended.
    static std::string forExecutable(const std::string &executable);

    // For tests only: point the program at another file; empty restores the
    // file beside the executable.
    static void setPathOverrideForTesting(const std::string &path);
};
