// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolbar side of TPrincipale: the bar, its items and their handlers.

#include "app/taboutbox.h"
#include "app/tprincipale.h"
#include "toolbar/tspeedbar.h"
#include "toolbar/tspeedbarsection.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"

namespace {

// The hand over the items: custom cursor 1.
constexpr int HandCursor = 1;

struct ItemRow {
    TSpeedItem *TPrincipale::*member;
    const char *name;
    const char *caption;
    const char *hint;
    int left;
    const char *glyph;
    void (TPrincipale::*handler)();
};

const ItemRow ItemRows[] = {
    {&TPrincipale::BarreResistance, "BarreResistance", "Résistance", "Code des couleurs", 4,
     "GLYPH_RESISTANCE", &TPrincipale::BarreResistanceClick},
    {&TPrincipale::BarreDiode, "BarreDiode", "Led", "Diode électroluminescente", 67, "GLYPH_LED",
     &TPrincipale::BarreDiodeClick},
    {&TPrincipale::BarreCapacite, "BarreCapacite", "Capacité", "Conversion capacité", 130,
     "GLYPH_CAPACITE", &TPrincipale::BarreCapaciteClick},
    {&TPrincipale::BarreAide, "BarreAide", "Aide", "Index de l'aide", 292, "GLYPH_AIDE",
     &TPrincipale::BarreAideClick},
    {&TPrincipale::BarreApropos, "BarreApropos", "A propos", "A propos de ...", 355,
     "GLYPH_APROPOS", &TPrincipale::BarreAproposClick},
    {&TPrincipale::BarreQuitter, "BarreQuitter", "Quitter", "Quitter Chromohm", 427,
     "GLYPH_QUITTER", &TPrincipale::BarreQuitterClick},
};

constexpr int ItemTop = 4;
constexpr int ItemSpacing = 1;
constexpr int ItemNumGlyphs = 2;

} // namespace

void TPrincipale::buildToolbar() {
    SpeedBar1 = new TSpeedBar(this);
    SpeedBar1->setObjectName(QStringLiteral("SpeedBar1"));
    SpeedBar1->setGeometry(0, 0, 495, 62);
    SpeedBar1->setOptions(TSpeedBar::sbAllowDrag | TSpeedBar::sbFlatBtns |
                          TSpeedBar::sbTransparentBtns);
    SpeedBar1->setBtnOffsetHorz(4);
    SpeedBar1->setBtnOffsetVert(4);
    SpeedBar1->setBtnWidth(63);
    SpeedBar1->setBtnHeight(54);
    tk::setShowHint(SpeedBar1, true);

    SpeedbarSection1 = SpeedBar1->addSection(QStringLiteral("Principale"));
    SpeedbarSection1->setObjectName(QStringLiteral("SpeedbarSection1"));

    for (const ItemRow &row : ItemRows) {
        auto *item = new TSpeedItem(this);
        item->setObjectName(QLatin1String(row.name));
        item->setCaption(QString::fromUtf8(row.caption));
        item->setBtnCaption(QString::fromUtf8(row.caption));
        item->setHint(QString::fromUtf8(row.hint));
        item->setLeft(row.left);
        item->setTop(ItemTop);
        item->setSpacing(ItemSpacing);
        item->setGlyph(tk::loadImage(QLatin1String(row.glyph)));
        item->setNumGlyphs(ItemNumGlyphs);
        item->setVisible(true);
        SpeedBar1->addItem(SpeedbarSection1, item);
        connect(item, &TSpeedItem::clicked, this, TApplication::handler(this, row.handler));
        this->*row.member = item;
    }
    SpeedBar1->finishLoading();
}

void TPrincipale::loadToolbarWallpaper() {
    // Kept in its own 256 colours, a quarter of a true-colour copy's memory; the
    // bar's painting reads them as it draws.
    SpeedBar1->setWallpaper(
        QPixmap::fromImage(tk::loadImage(QStringLiteral("BACKGROUND")), Qt::NoFormatConversion));
}

void TPrincipale::setToolbarCursors() {
    Application()->setCursor(HandCursor, tk::loadCursor(QStringLiteral("HANDPNT")));
    for (const ItemRow &row : ItemRows)
        (this->*row.member)->setCursor(HandCursor);
}

void TPrincipale::BarreAproposClick() {
    // A fresh box for every showing, gone as soon as it closes.
    TAboutBox AboutBox(this);
    AboutBox.exec();
}
