// The toolbar side of TPrincipale: the bar, its items and their handlers.

#include "app/tprincipale.h"

#include "toolkit/alignment.h"

void TPrincipale::buildToolbar() {
    // Holds the bar's place at the top until the image-button bar is built.
    ToolbarPlace = new QWidget(this);
    ToolbarPlace->setObjectName(QStringLiteral("SpeedBar1"));
    ToolbarPlace->setGeometry(0, 0, 495, 62);
    tk::setAlign(ToolbarPlace, tk::Align::Top);
}

void TPrincipale::LoadToolbarWallpaper() {}

void TPrincipale::SetToolbarCursors() {}

void TPrincipale::BarreAproposClick() {}
