// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resistor page's selections as a value and back: the bands that show a
// typed value (keeping the band count when it can, else taking the other one,
// else the nearest value of the standard series for the tolerance), the reading
// as one line of text, and the value in the notation the entry reads.

#include "colourcode/typedtext.h"

#include <optional>
#include <string>
#include <string_view>

namespace colourcode {

// The page's five lists as list indexes, and its band count.
struct BandSelection {
    bool fiveBands = false;
    int first = 0; // the first list has no black: digit - 1
    int second = 0;
    int third = 0; // black whenever four bands are shown
    int multiplier = 0;
    int tolerance = 0;

    bool operator==(const BandSelection &) const = default;
};

namespace refusal {
inline constexpr std::string_view TooSmall = "Trop petite : au moins 10 Ω";
inline constexpr std::string_view TooLarge = "Trop grande : au plus 999 GΩ";
inline constexpr std::string_view ThreeDigitsTooSmall = "Sous 100 Ω : deux chiffres au plus";
} // namespace refusal

// "4,7 K" and "±5%" as the value line shows them; "jaune, violet, rouge, doré".
std::string valueWords(const BandSelection &bands);
std::string toleranceWords(const BandSelection &bands);
std::string colourWords(const BandSelection &bands);

// "10 K", "4,7 K", "470": a resistance with the value line's prefixes.
std::string ohmWords(const Decimal &ohms);

// "12 K Ω ±5% : marron, rouge, orange, doré"
std::string readingText(const BandSelection &bands);
// "12k", "4,7k", "2,49M": what the entry reads back as the same bands.
std::string entryNotation(const BandSelection &bands);

struct EntryPlan {
    std::optional<BandSelection> bands; // what Enter selects; none when refused
    std::string preview;                // what Enter will do, or why it cannot
    // What the digits typed mean printed on a surface-mount part, where they
    // could be its code: "CMS 103 : 10 K Ω"; empty otherwise.
    std::string printedCode;
};

EntryPlan planEntry(std::string_view typed, const BandSelection &now);

} // namespace colourcode
