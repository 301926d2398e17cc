// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads the marking of a capacitor: the three-digit code in picofarads ("104",
// "473J"), two digits alone ("47"), the unit letter standing for the decimal
// mark ("4n7", "2u2", "1m"), or a value with its unit ("0,1µF", "100 nF"); and
// writes the capacitance in µF, nF and pF as the conversion guide writes them.

#include "colourcode/typedtext.h"

#include <optional>
#include <string>
#include <string_view>

namespace colourcode {

namespace refusal {
inline constexpr std::string_view EmptyMarking = "Tapez un marquage, par exemple 104";
inline constexpr std::string_view MarkingNotRecognised = "Marquage non reconnu";
inline constexpr std::string_view UnitMissing = "Précisez l'unité : pF, nF ou µF";
inline constexpr std::string_view CapacitanceTooSmall = "Trop petite : au moins 0,1 pF";
inline constexpr std::string_view CapacitanceTooLarge = "Trop grande : au plus 1 F";
} // namespace refusal

struct MarkingReading {
    std::optional<Decimal> picofarads;
    std::string_view tolerance; // of a tolerance letter, "± 10 %"; empty without one
    std::string_view refusal;   // empty when the marking was read
};

MarkingReading readMarking(std::string_view text);

// The guide's way with numbers: a decimal comma, no exponent, no trailing zero,
// a blank between groups of three digits only from five digits on ("1000",
// "10 000").
std::string guideNumber(const Decimal &value);

struct MarkingAnswer {
    std::string micro, nano, pico; // the guide's three columns
    std::string tolerance;
    std::string refusal; // set alone when the marking is refused
};

// Within what the guide's columns show readably, 0,1 pF to 1 F.
MarkingAnswer answerMarking(std::string_view text);

} // namespace colourcode
