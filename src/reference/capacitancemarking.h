// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads the marking of a capacitor: the three-digit code in picofarads ("104",
// "473J"), two digits alone ("47"), the unit letter standing for the decimal
// mark ("4n7", "2u2", "1m"), or a value with its unit ("0,1µF", "100 nF"), with
// a tolerance letter and a working voltage ("25V", "2A104J"); and writes the
// capacitance in µF, nF and pF as the conversion guide writes them.

#include "colourcode/typedtext.h"

#include <optional>
#include <string>
#include <string_view>

namespace reference {

using colourcode::Decimal;

namespace refusal {
inline constexpr std::string_view EmptyMarking = "Tapez un marquage, par exemple 104";
inline constexpr std::string_view MarkingNotRecognised = "Marquage non reconnu";
inline constexpr std::string_view UnitMissing = "Précisez l'unité : pF, nF ou µF";
inline constexpr std::string_view CapacitanceTooSmall = "Trop petite : au moins 0,1 pF";
inline constexpr std::string_view CapacitanceTooLarge = "Trop grande : au plus 1 F";
inline constexpr std::string_view VoltageCodeUnknown = "Code de tension inconnu";
inline constexpr std::string_view VoltageOutOfRange = "Tension : de 1 V à 10 kV";
} // namespace refusal

struct MarkingReading {
    std::optional<Decimal> picofarads;
    std::string_view tolerance;   // of a tolerance letter, "± 10 %"; empty without one
    std::optional<Decimal> volts; // the working voltage, where one is marked
    std::string_view refusal;     // empty when the marking was read
};

MarkingReading readMarking(std::string_view text);

// Whether a marking the reader takes can begin with this one character: a digit,
// a decimal mark, or a unit letter standing for the mark ("n47").
bool beginsMarking(std::string_view character);

// The guide's three columns, left to right.
enum class GuideColumn { Micro, Nano, Pico };

// A capacitance as the guide writes it in a column: "0,0022" µF, "2,2" nF,
// "2200" pF, and exactly one unit as its rows have it ("1,00" µF, "1,0" nF).
std::string guideText(const Decimal &picofarads, GuideColumn column);

struct MarkingAnswer {
    std::string micro, nano, pico; // the guide's three columns
    std::string tolerance;         // and the working voltage: "± 5 % · 100 V"
    std::string refusal;           // set alone when the marking is refused
};

// Within what the guide's columns show readably, 0,1 pF to 1 F.
MarkingAnswer answerMarking(std::string_view text);

} // namespace reference
