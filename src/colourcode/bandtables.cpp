// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/bandtables.h"

namespace colourcode {

const std::array<BandRow, 10> BandPalette = {{
    {0x00000000, "0", "Anneau noire"},
    {0x00000080, "128", "Anneau marron"},
    {0x000000FF, "255", "Anneau rouge"},
    {0x000080FF, "33023", "Anneau orange"},
    {0x0000FFFF, "65535", "Anneau jaune"},
    {0x00008000, "32768", "Anneau vert"},
    {0x00FF0000, "16711680", "Anneau bleu"},
    {0x00800080, "8388736", "Anneau violet"},
    {0x00808080, "8421504", "Anneau gris"},
    {0x00FFFFFF, "16777215", "Anneau blanc"},
}};

const std::array<ToleranceRow, 7> ToleranceTable = {{
    {0x00C0C0C0, "12632256", "Anneau argent", "- tolérance ±10%"},
    {0x0096CBCB, "9882571", "Anneau doré", "- tolérance ±5%"},
    {0x00000080, "128", "Anneau marron", "- tolérance ±1%"},
    {0x000000FF, "255", "Anneau rouge", "- tolérance ±2%"},
    {0x00008000, "32768", "Anneau vert", "- tolérance ±0,5%"},
    {0x00FF0000, "16711680", "Anneau bleu", "- tolérance ±0,25%"},
    {0x00800080, "8388736", "Anneau violet", "- tolérance ±0,1%"},
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
