// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/bandtables.h"

namespace colourcode {

const std::array<BandRow, 10> BandPalette = {{
    {0x00000000, "0", "Anneau noire", "noir"},
    {0x00000080, "128", "Anneau marron", "marron"},
    {0x000000FF, "255", "Anneau rouge", "rouge"},
    {0x000080FF, "33023", "Anneau orange", "orange"},
    {0x0000FFFF, "65535", "Anneau jaune", "jaune"},
    {0x00008000, "32768", "Anneau vert", "vert"},
    {0x00FF0000, "16711680", "Anneau bleu", "bleu"},
    {0x00800080, "8388736", "Anneau violet", "violet"},
    {0x00808080, "8421504", "Anneau gris", "gris"},
    {0x00FFFFFF, "16777215", "Anneau blanc", "blanc"},
}};

const std::array<ToleranceRow, 7> ToleranceTable = {{
    {0x00C0C0C0, "12632256", "Anneau argent", "- tolérance ±10%", "argent", 1000},
    {0x0096CBCB, "9882571", "Anneau doré", "- tolérance ±5%", "doré", 500},
    {0x00000080, "128", "Anneau marron", "- tolérance ±1%", "marron", 100},
    {0x000000FF, "255", "Anneau rouge", "- tolérance ±2%", "rouge", 200},
    {0x00008000, "32768", "Anneau vert", "- tolérance ±0,5%", "vert", 50},
    {0x00FF0000, "16711680", "Anneau bleu", "- tolérance ±0,25%", "bleu", 25},
    {0x00800080, "8388736", "Anneau violet", "- tolérance ±0,1%", "violet", 10},
}};

const std::array<MultiplierRow, 10> MultiplierTable = {{
    {" ", 0, 0},
    {"0", 0, 4},
    {std::nullopt, 1, 1},
    {" K", 0, 0},
    {"0 K", 0, 5},
    {std::nullopt, 2, 2},
    {" M", 0, 0},
    {"0 M", 0, 6},
    {std::nullopt, 3, 3},
    {" G", 0, 0},
}};

std::optional<BandRow> bandRow(int index) {
    if (index < 0 || index >= int(BandPalette.size()))
        return std::nullopt;
    return BandPalette[std::size_t(index)];
}

std::optional<ToleranceRow> toleranceRow(int index) {
    if (index < 0 || index >= int(ToleranceTable.size()))
        return std::nullopt;
    return ToleranceTable[std::size_t(index)];
}

} // namespace colourcode
