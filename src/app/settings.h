// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the settings file lives. A copy run from its own folder keeps it beside
// the executable, named after it with the extension ".INI" ("chromohm" keeps its
// settings in "chromohm.INI"); an installed copy keeps the same file in the
// user's configuration folder ($XDG_CONFIG_HOME/chromohm/chromohm.INI), whose
// folder is made on the first write.

#include <string>

struct SettingsFile {
    std::string path;
    // The folder is the user's, made when first written to; beside a copy run
    // from its own folder nothing is made.
    bool makeFolder = false;

    // The settings file of the running program.
    static SettingsFile ofProgram();
    // The rule itself, for an executable and the user's configuration folder.
    static SettingsFile forExecutable(const std::string &executable,
                                      const std::string &configFolder);
};
