// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include "app/programinfo.h"
#include "app/tprincipale.h"
#include "help/thelpfacility.h"
#include "platform/fontpreload.h"
#include "toolkit/tapplication.h"

void identifyProgram(TApplication &app) {
    app.setApplicationName(QString::fromUtf8(programinfo::Name));
    app.setApplicationVersion(QString::fromUtf8(programinfo::Version));
    app.setDesktopFileName(QString::fromUtf8(programinfo::AppId));
    app.setTitle(QString::fromUtf8(programinfo::Title));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
}

int ChromohmMain(int argc, char **argv, const std::function<void(TPrincipale &)> &shown) {
    // The program takes no arguments, and Qt's own options (-qwindowtitle,
    // -reverse, -stylesheet, -platform, ...) must not act either: the toolkit
    // sees the program's name alone. The environment still chooses the platform.
    static char fallbackName[] = "chromohm";
    int qtArgc = 1;
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
    // One id for the desktop entry and the metainfo, the Wayland app id and the
    // X11 instance name, so that docks and task bars match the window to its entry.
    qputenv("RESOURCE_NAME", programinfo::AppId);
    TApplication::preferX11();
    platform::FontPreload fonts;
    TApplication app(qtArgc, qtArgv, &fonts);
    identifyProgram(app);
    THelpFacility help;
    app.setHelpFacility(&help);
    TPrincipale Principale;
    Principale.show();
    if (shown)
        shown(Principale);
    return app.exec();
}
