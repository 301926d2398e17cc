// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/capacitancemarking.h"

namespace colourcode {

namespace {

// A marking never carries more; a longer number would not fit the guide's columns.
constexpr int MaxMarkingDigits = 6;
constexpr Decimal Smallest{1, -1}; // 0,1 pF
constexpr Decimal Largest{1, 12};  // 1 F

struct UnitRow {
    std::string_view letter;
    int exponent; // of a picofarad
};

// Lowercase m is milli (1m, 1 mF); capital M is the ±20 % letter. F alone is
// the farad, where it is not a tolerance letter.
constexpr int FaradExponent = 12;
constexpr UnitRow Units[] = {
    {"p", 0}, {"P", 0},      {"n", 3},      {"N", 3}, {"u", 6},
    {"U", 6}, {"\u00B5", 6}, {"\u03BC", 6}, {"m", 9},
};

struct ToleranceLetter {
    char letter;
    std::string_view text;
};

constexpr ToleranceLetter ToleranceLetters[] = {
    {'B', "± 0,1 pF"}, {'C', "± 0,25 pF"}, {'D', "± 0,5 pF"},
    {'F', "± 1 %"},    {'G', "± 2 %"},     {'J', "± 5 %"},
    {'K', "± 10 %"},   {'M', "± 20 %"},    {'Z', "+80/\u221220 %"},
};

// Two or three digits as typed, no decimal mark: a code, not a value.
bool looksLikeCode(const NumberText &number) {
    return number.exponent == 0 && (number.digits.size() == 2 || number.digits.size() == 3);
}

std::optional<int> takeUnit(TextScanner &in) {
    for (const UnitRow &unit : Units)
        if (in.take(unit.letter))
            return unit.exponent;
    return std::nullopt;
}

// A unit letter followed by digits stands for the decimal mark: "n47", "4n7".
bool takeUnitMark(TextScanner &in, NumberText &number, std::optional<int> &unit) {
    const std::size_t before = in.pos();
    const std::optional<int> letter = takeUnit(in);
    if (!letter || !isDigit(in.peek())) {
        in.seek(before);
        return false;
    }
    unit = letter;
    readFractionDigits(in, number);
    return true;
}

// A unit after the number: "100 n", "0,47 F". After a code's digits a capital
// F is the ±1 % letter, and after three digits a lone m the ±20 % one.
std::optional<int> takeUnitAfter(TextScanner &in, const NumberText &number) {
    const std::size_t before = in.pos();
    in.skipBlanks();
    const bool code = looksLikeCode(number);
    const bool toleranceM = code && number.digits.size() == 3 && in.peek() == 'm' &&
                            in.peek(1) != 'F' && in.peek(1) != 'f';
    std::optional<int> unit = toleranceM ? std::nullopt : takeUnit(in);
    if (!unit && !code && (in.peek() == 'F' || in.peek() == 'f'))
        unit = FaradExponent; // its F is read as a unit letter's is
    if (!unit)
        in.seek(before);
    return unit;
}

std::string_view takeToleranceLetter(TextScanner &in) {
    const char c = in.peek();
    const char upper = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    for (const ToleranceLetter &row : ToleranceLetters)
        if (row.letter == upper) {
            in.advance();
            return row.text;
        }
    return {};
}

// Two significant digits and a multiplier digit, in picofarads: 0 to 6 are
// powers of ten, 8 and 9 mean × 0,01 and × 0,1; 7 is no multiplier.
bool readCode(NumberText &number) {
    if (!looksLikeCode(number))
        return false;
    if (number.digits.size() == 3) {
        const char multiplier = number.digits[2];
        if (multiplier == '7')
            return false;
        number.exponent = multiplier == '8' ? -2 : multiplier == '9' ? -1 : multiplier - '0';
        number.digits.resize(2);
    }
    return true;
}

} // namespace

MarkingReading readMarking(std::string_view text) {
    if (text.size() > MaxTypedBytes)
        return {std::nullopt, {}, refusal::MarkingNotRecognised};
    TextScanner in(text);
    in.skipBlanks();
    if (in.atEnd())
        return {std::nullopt, {}, refusal::EmptyMarking};
    NumberText number;
    std::optional<int> unit;
    if (!takeUnitMark(in, number, unit)) {
        readGroupedDigits(in, number.digits);
        if (number.digits.empty() || !takeUnitMark(in, number, unit)) {
            readFraction(in, number);
            unit = takeUnitAfter(in, number);
        }
    }
    if (unit && !in.take("F"))
        in.take("f");
    in.skipBlanks();
    MarkingReading reading;
    reading.tolerance = takeToleranceLetter(in);
    in.skipBlanks();
    if (number.digits.empty() || !in.atEnd())
        return {std::nullopt, {}, refusal::MarkingNotRecognised};
    if (!unit && !readCode(number)) // a plain number, or a code with no multiplier
        return {std::nullopt,
                {},
                looksLikeCode(number) ? refusal::MarkingNotRecognised : refusal::UnitMissing};
    number.exponent += unit.value_or(0);
    Decimal picofarads;
    if (toDecimal(number, picofarads) != DigitsResult::Ok ||
        picofarads.digitCount() > MaxMarkingDigits)
        return {std::nullopt, {}, refusal::TooManyDigits};
    reading.picofarads = picofarads;
    return reading;
}

std::string guideNumber(const Decimal &value) {
    const std::string digits = std::to_string(value.significand);
    const int point = int(digits.size()) + value.exponent; // digits before the comma
    std::string integer = "0", fraction;
    if (point <= 0) {
        fraction = std::string(std::size_t(-point), '0') + digits;
    } else if (point >= int(digits.size())) {
        integer = digits + std::string(std::size_t(point - int(digits.size())), '0');
    } else {
        integer = digits.substr(0, std::size_t(point));
        fraction = digits.substr(std::size_t(point));
    }
    std::string text;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (integer.size() >= 5 && i > 0 && (integer.size() - i) % 3 == 0)
            text += ' ';
        text += integer[i];
    }
    return fraction.empty() ? text : text + "," + fraction;
}

MarkingAnswer answerMarking(std::string_view text) {
    const MarkingReading reading = readMarking(text);
    if (!reading.picofarads)
        return {{}, {}, {}, {}, std::string(reading.refusal)};
    const Decimal &pico = *reading.picofarads;
    if (compare(pico, Smallest) < 0)
        return {{}, {}, {}, {}, std::string(refusal::CapacitanceTooSmall)};
    if (compare(pico, Largest) > 0)
        return {{}, {}, {}, {}, std::string(refusal::CapacitanceTooLarge)};
    MarkingAnswer answer{guideNumber({pico.significand, pico.exponent - 6}),
                         guideNumber({pico.significand, pico.exponent - 3}),
                         guideNumber(pico),
                         std::string(reading.tolerance),
                         {}};
    // As the guide's own rows write them.
    if (answer.nano == "1")
        answer.nano = "1,0";
    if (answer.micro == "1")
        answer.micro = "1,00";
    return answer;
}

} // namespace colourcode
