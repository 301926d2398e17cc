// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitance page of TPrincipale: a fixed guide between microfarads,
// nanofarads and picofarads. Its numbers are written by the guide's own rule,
// which the marking entry's answers share, never by the system's locale.

#include "app/tprincipale.h"
#include "reference/capacitancemarking.h"
#include "reference/pagerows.h"
#include "toolkit/hints.h"
#include "toolkit/place.h"
#include "toolkit/resources.h"
#include "toolkit/tbevel.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/timage.h"
#include "toolkit/tlabel.h"

#include <string>

using reference::Decimal;
using reference::Look;
using reference::PageRow;

namespace {

// Headers and column rules.
const PageRow GuideFrame[] = {
    {"GroupBox2Micro", "GroupBox2", 56, 32, 0, 0, "Micro-Farad (µF)", Look::Bold},
    {"GroupBox2Nano", "GroupBox2", 178, 32, 0, 0, "Nano-Farad (nF)", Look::Bold},
    {"GroupBox2Pico", "GroupBox2", 296, 32, 0, 0, "Pico-Farad (pF)", Look::Bold},
    {"Bevel1", "GroupBox2", 165, 40, 12, 140, "", Look::ColumnRule},
    {"Bevel2", "GroupBox2", 286, 40, 11, 140, "", Look::ColumnRule},
};

// The rows, each one capacitance written in the three columns as the guide
// writes numbers, left to right as they are read; the lefts stand the texts
// roughly centred in their columns.
struct GuideRow {
    Decimal picofarads;
    int lefts[3];
};

constexpr int FirstRowTop = 52;
constexpr int RowStep = 18;
constexpr GuideRow GuideRows[] = {
    {{1, 3}, {88, 217, 328}},  {{22, 2}, {85, 217, 328}}, {{1, 4}, {92, 218, 325}},
    {{47, 3}, {88, 218, 325}}, {{1, 5}, {94, 216, 323}},  {{33, 4}, {90, 216, 323}},
    {{1, 6}, {90, 213, 320}},
};

constexpr const char *ColumnNames[] = {"GroupBox2Micro", "GroupBox2Nano", "GroupBox2Pico"};

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

    for (const PageRow &row : GuideFrame)
        reference::addControl(page, row);
    for (std::size_t k = 0; k < std::size(GuideRows); ++k) {
        for (int column = 0; column < 3; ++column) {
            const std::string name = ColumnNames[column] + std::to_string(k + 1);
            const std::string text =
                reference::guideText(GuideRows[k].picofarads, reference::GuideColumn(column));
            m_guideBottomRow[column] = static_cast<TLabel *>(reference::addControl(
                page, {name.c_str(), "GroupBox2", GuideRows[k].lefts[column],
                       FirstRowTop + RowStep * int(k), 0, 0, text.c_str(), Look::Regular}));
        }
    }
    m_guideRowStep = RowStep;

    Bevel1 = GroupBox2->findChild<TBevel *>(QStringLiteral("Bevel1"));
    Bevel2 = GroupBox2->findChild<TBevel *>(QStringLiteral("Bevel2"));

    // Sized to its picture.
    Image2 = tk::place<TImage>(GroupBox2, "Image2", {410, 16, 0, 0});
    Image2->setAutoSize(true);
    Image2->setPicture(tk::loadBitmap(QStringLiteral("CAPACITOR")));
    Image2->setAccessibleName(QStringLiteral("Condensateur de 10nF"));
    buildMarkingEntryKeys();
}
