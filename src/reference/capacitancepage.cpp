// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitance page of TPrincipale: a fixed guide between microfarads,
// nanofarads and picofarads. The texts are written out, never formatted, so the
// system's decimal separator and digit grouping cannot touch them.

#include "app/tprincipale.h"
#include "reference/pagerows.h"
#include "toolkit/hints.h"
#include "toolkit/place.h"
#include "toolkit/resources.h"
#include "toolkit/tbevel.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/timage.h"

using reference::Look;
using reference::PageRow;

namespace {

// Headers and column rules, then the rows left to right, as they are read.
const PageRow GuideRows[] = {
    {"GroupBox2Micro", "GroupBox2", 56, 32, 0, 0, "Micro-Farad (µF)", Look::Bold},
    {"GroupBox2Nano", "GroupBox2", 178, 32, 0, 0, "Nano-Farad (nF)", Look::Bold},
    {"GroupBox2Pico", "GroupBox2", 296, 32, 0, 0, "Pico-Farad (pF)", Look::Bold},
    {"Bevel1", "GroupBox2", 165, 40, 12, 140, "", Look::ColumnRule},
    {"Bevel2", "GroupBox2", 286, 40, 11, 140, "", Look::ColumnRule},
    {"GroupBox2Micro1", "GroupBox2", 88, 52, 0, 0, "0,001", Look::Regular},
    {"GroupBox2Nano1", "GroupBox2", 217, 52, 0, 0, "1,0", Look::Regular},
    {"GroupBox2Pico1", "GroupBox2", 328, 52, 0, 0, "1000", Look::Regular},
    {"GroupBox2Micro2", "GroupBox2", 85, 70, 0, 0, "0,0022", Look::Regular},
    {"GroupBox2Nano2", "GroupBox2", 217, 70, 0, 0, "2,2", Look::Regular},
    {"GroupBox2Pico2", "GroupBox2", 328, 70, 0, 0, "2200", Look::Regular},
    {"GroupBox2Micro3", "GroupBox2", 92, 88, 0, 0, "0,01", Look::Regular},
    {"GroupBox2Nano3", "GroupBox2", 218, 88, 0, 0, "10", Look::Regular},
    {"GroupBox2Pico3", "GroupBox2", 325, 88, 0, 0, "10 000", Look::Regular},
    {"GroupBox2Micro4", "GroupBox2", 88, 106, 0, 0, "0,047", Look::Regular},
    {"GroupBox2Nano4", "GroupBox2", 218, 106, 0, 0, "47", Look::Regular},
    {"GroupBox2Pico4", "GroupBox2", 325, 106, 0, 0, "47 000", Look::Regular},
    {"GroupBox2Micro5", "GroupBox2", 94, 124, 0, 0, "0,1", Look::Regular},
    {"GroupBox2Nano5", "GroupBox2", 216, 124, 0, 0, "100", Look::Regular},
    {"GroupBox2Pico5", "GroupBox2", 323, 124, 0, 0, "100 000", Look::Regular},
    {"GroupBox2Micro6", "GroupBox2", 90, 142, 0, 0, "0,33", Look::Regular},
    {"GroupBox2Nano6", "GroupBox2", 216, 142, 0, 0, "330", Look::Regular},
    {"GroupBox2Pico6", "GroupBox2", 323, 142, 0, 0, "330 000", Look::Regular},
    {"GroupBox2Micro7", "GroupBox2", 90, 160, 0, 0, "1,00", Look::Regular},
    {"GroupBox2Nano7", "GroupBox2", 213, 160, 0, 0, "1000", Look::Regular},
    {"GroupBox2Pico7", "GroupBox2", 320, 160, 0, 0, "1 000 000", Look::Regular},
};

} // namespace

void TPrincipale::buildCapacitancePage() {
    QWidget *page = TabSheet3;

    GroupBox2 = tk::place<TGroupBox>(page, "GroupBox2", {19, 16, 449, 193});
    GroupBox2->setTitle(QStringLiteral(" Guide de conversion "));
    GroupBox2->setAccessibleName(QStringLiteral("Guide de conversion"));
    tk::setHint(GroupBox2, QStringLiteral("Exemples de valeurs de conversion"));
    tk::setShowHint(GroupBox2, true);
    // The box wears the button face, whatever the page behind it shows, and
    // follows the palette when the desktop's colours change.
    GroupBox2->setBackgroundRole(QPalette::Button);
    GroupBox2->setAutoFillBackground(true);

    for (const PageRow &row : GuideRows)
        reference::addControl(page, row);

    Bevel1 = GroupBox2->findChild<TBevel *>(QStringLiteral("Bevel1"));
    Bevel2 = GroupBox2->findChild<TBevel *>(QStringLiteral("Bevel2"));

    // Sized to its picture.
    Image2 = tk::place<TImage>(GroupBox2, "Image2", {410, 16, 0, 0});
    Image2->setAutoSize(true);
    Image2->setPicture(tk::loadBitmap(QStringLiteral("CAPACITOR")));
    Image2->setAccessibleName(QStringLiteral("Condensateur de 10nF"));
    buildMarkingEntryKeys();
}
