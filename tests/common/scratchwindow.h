// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window with a settings file in a temporary folder of its own, removed
// with the window: no test reads what another test or an earlier run left beside
// its executable, and none leaves anything there.

#include "app/tprincipale.h"

#include <QFile>
#include <QTemporaryDir>

class ScratchFolder {
public:
    ScratchFolder() {
        if (!m_dir.isValid())
            qFatal("no temporary folder for the settings: %s", qPrintable(m_dir.errorString()));
    }
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("chromohm.INI")); }
    SettingsFile settingsFile() const { return {QFile::encodeName(settingsPath()).toStdString()}; }

private:
    QTemporaryDir m_dir;
};

// The folder is made before the window and removed after it.
class ScratchWindow : public ScratchFolder, public TPrincipale {
public:
    ScratchWindow() : TPrincipale(settingsFile()) {}
};
