// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The constant colour tables of the resistor colour code: band colours, tolerance
// colours and the multiplier rows that say how the value text is written.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace colourcode {

// A 24-bit colour with red in the low byte (0x00BBGGRR), as the colour lists store it.
using ColourValue = std::uint32_t;

struct BandRow {
    ColourValue colour;
    std::string_view decimalText; // how a colour list stores the entry
    std::string_view ringName;    // hint of a band painted in this colour
    std::string_view colourName;  // the colour in a sentence ("noir")
};

struct ToleranceRow {
    ColourValue colour;
    std::string_view decimalText;
    std::string_view ringName;
    std::string_view toleranceText;
    std::string_view colourName;
    int hundredths; // the tolerance in hundredths of a percent
};

struct MultiplierRow {
    std::optional<std::string_view> plainSuffix; // absent where a comma is always placed
    int fourBandFormat;
    int fiveBandFormat;
};

extern const std::array<BandRow, 10> BandPalette;
extern const std::array<ToleranceRow, 7> ToleranceTable;
extern const std::array<MultiplierRow, 10> MultiplierTable;

// Rows by list index; nothing for an index outside the table.
std::optional<BandRow> bandRow(int index);
std::optional<ToleranceRow> toleranceRow(int index);

} // namespace colourcode
