#include "app/program.h"

#include "app/thelpfacility.h"
#include "app/tprincipale.h"
#include "toolkit/tapplication.h"

int ChromohmMain(int &argc, char **argv, const std::function<void(TPrincipale &)> &shown) {
    TApplication::preferX11();
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    THelpFacility help;
    app.setHelpFacility(&help);
    TPrincipale Principale;
    Principale.show();
    if (shown)
        shown(Principale);
    return app.exec();
}
