// Program entry: the application object, then the main window, then the loop.

#include "app/thelpfacility.h"
#include "app/tprincipale.h"
#include "toolkit/tapplication.h"

int main(int argc, char *argv[]) {
    TApplication::preferX11();
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    THelpFacility help;
    app.setHelpFacility(&help);
    TPrincipale Principale;
    Principale.show();
    return app.exec();
}
