// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The series resistor of an LED for a question typed in: the supply ("9 V",
// "24 V~"), then in any order the LED by colour or forward voltage, the current
// and the number of LEDs in series. The answer is the E12 value at or above the
// exact resistance, so that the current never exceeds the one asked, the value
// below it, the currents they give, the power and the resistor's rating to buy.

#include "colourcode/typedtext.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

using colourcode::Decimal;

enum class Supply { Direct, Alternating };

namespace refusal {
inline constexpr std::string_view EmptyQuestion = "Tapez une tension, par exemple 9 V";
inline constexpr std::string_view UnitMissingLed = "Précisez l'unité : V, mA ou leds";
inline constexpr std::string_view SupplyTooHigh = "Alimentation trop forte : au plus 400 V";
inline constexpr std::string_view CurrentTooLow = "Courant trop faible : au moins 0,1 mA";
inline constexpr std::string_view CurrentTooHigh = "Courant trop fort : au plus 1 A";
inline constexpr std::string_view LedCount = "De 1 à 20 Leds en série";
inline constexpr std::string_view ForwardVoltage = "Tension de la Led : de 0,5 V à 50 V";
inline constexpr std::string_view SupplyTooLowOne = "Alimentation trop faible pour cette Led";
inline constexpr std::string_view SupplyTooLowMany = "Alimentation trop faible pour ces Leds";
} // namespace refusal

struct LedQuestion {
    Decimal supplyVolts;
    std::optional<Supply> supply; // "=" or "~" after the voltage
    // The LED, by its colour's name ("bleue") or by its forward voltage; neither
    // when none was named.
    std::string_view colour;
    std::optional<Decimal> forwardVolts;
    std::optional<Decimal> amps;
    int count = 1;
};

struct LedReading {
    std::optional<LedQuestion> question;
    std::string_view refusal; // empty when the question was read
};

LedReading readLedQuestion(std::string_view text);

// Whether a question the reader takes can begin with this character: a digit or
// a decimal mark.
bool beginsLedQuestion(std::string_view character);

// A resistor and the current it gives.
struct LedResistor {
    Decimal ohms;
    Decimal milliamps; // to two significant digits
};

struct LedRow {
    std::string name; // "Led rouge", "3 × Led bleue", "Led 3,3 V"
    Decimal forwardVolts;
    Decimal milliamps; // asked
    LedResistor above;
    std::optional<LedResistor> below; // where the exact value falls between two
    Decimal watts;                    // dissipated with the value above, rounded
    int ratingMilliwatts = 0;         // 0 above 5 W
    bool uncertain = false;           // less than 0,5 V left across the resistor
};

struct LedAnswer {
    std::string refusal; // set alone when the question is refused
    Supply supply = Supply::Direct;
    Decimal supplyVolts;
    bool cardRows = false; // no LED named: the card's red and green rows
    std::vector<LedRow> rows;
};

// The mode shown applies where the question names none.
LedAnswer answerLed(std::string_view text, Supply shown);

// "9 V=", "115 V~": the supply as a column of the card.
std::string columnHeader(const LedAnswer &answer);
// "Led rouge 2,0 V, 10 mA : 330 Ω, 9,1 mA ou 270 Ω, 11 mA · 0,03 W → ⅛ W"; an
// uncertain current is said in full, or briefly where lines are short.
enum class Warning { Full, Brief };
std::string rowDetails(const LedRow &row, Warning warning);
// The answer as a screen reader says it: units as words.
std::string spokenAnswer(const LedAnswer &answer);

} // namespace reference
