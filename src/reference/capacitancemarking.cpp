// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reference/capacitancemarking.h"

namespace reference {

using namespace colourcode;

namespace {

// A marking never carries more; a longer number would not fit the guide's columns.
constexpr int MaxMarkingDigits = 6;
constexpr Decimal Smallest{1, -1}; // 0,1 pF
constexpr Decimal Largest{1, 12};  // 1 F
constexpr Decimal LowestVoltage{1, 0};
constexpr Decimal HighestVoltage{1, 4};

// Lowercase m is milli (1m, 1 mF); capital M is the ±20 % letter. F alone is
// the farad, where it is not a tolerance letter. Exponents of a picofarad.
constexpr int FaradExponent = 12;
constexpr UnitSymbol Units[] = {
    {"p", 0}, {"P", 0},      {"n", 3},      {"N", 3}, {"u", 6},
    {"U", 6}, {"\u00B5", 6}, {"\u03BC", 6}, {"m", 9},
};

constexpr UnitSymbol VoltUnits[] = {{"V", 0}, {"v", 0}, {"kV", 3}};

struct ToleranceLetter {
    char letter;
    std::string_view text;
};

constexpr ToleranceLetter ToleranceLetters[] = {
    {'B', "± 0,1 pF"}, {'C', "± 0,25 pF"},      {'D', "± 0,5 pF"},       {'F', "± 1 %"},
    {'G', "± 2 %"},    {'H', "± 3 %"},          {'J', "± 5 %"},          {'K', "± 10 %"},
    {'M', "± 20 %"},   {'P', "+100/\u22120 %"}, {'Z', "+80/\u221220 %"},
};

// The EIA working-voltage codes that makers' tables agree on, in tenths of a volt.
struct VoltageCode {
    std::string_view code;
    int tenths;
};

constexpr VoltageCode VoltageCodes[] = {
    {"0E", 25},   {"0G", 40},   {"0L", 55},   {"0J", 63},   {"1A", 100},   {"1C", 160},
    {"1D", 200},  {"1E", 250},  {"1V", 350},  {"1G", 400},  {"1H", 500},   {"1J", 630},
    {"1K", 800},  {"2A", 1000}, {"2Q", 1100}, {"2B", 1250}, {"2C", 1600},  {"2Z", 1800},
    {"2D", 2000}, {"2P", 2200}, {"2E", 2500}, {"2F", 3150}, {"2V", 3500},  {"2G", 4000},
    {"2W", 4500}, {"2H", 5000}, {"2J", 6300}, {"2K", 8000}, {"3A", 10000},
};

bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A digit and a capital: the shape of a voltage code, known or not.
bool looksLikeVoltageCode(std::string_view text) {
    return text.size() == 2 && isDigit(text[0]) && isCapital(text[1]);
}

std::optional<Decimal> voltageOfCode(std::string_view code) {
    for (const VoltageCode &row : VoltageCodes)
        if (row.code == code)
            return normalised({std::uint64_t(row.tenths), -1});
    return std::nullopt;
}

// Two or three digits as typed, no decimal mark: a code, not a value.
bool looksLikeCode(const NumberText &number) {
    return number.exponent == 0 && (number.digits.size() == 2 || number.digits.size() == 3);
}

// A unit after the number: "100 n", "0,47 F". After a code's digits a capital
// F is the ±1 % letter, after three digits a capital P the +100/−0 % one and a
// lone m the ±20 % one.
const UnitSymbol *takeCapacitanceUnit(TextScanner &in, const NumberText &number) {
    static constexpr UnitSymbol Farad{"F", FaradExponent};
    const std::size_t before = in.pos();
    in.skipBlanks();
    const bool code = looksLikeCode(number);
    const bool threeDigits = code && number.digits.size() == 3;
    const bool toleranceLetter =
        threeDigits &&
        ((in.peek() == 'm' && in.peek(1) != 'F' && in.peek(1) != 'f') || in.peek() == 'P');
    in.seek(before);
    const UnitSymbol *unit = toleranceLetter ? nullptr : takeUnitAfter(in, Units);
    if (!unit && !code) {
        in.skipBlanks();
        if (in.take("F") || in.take("f"))
            return &Farad; // its F is read as a unit letter's is
        in.seek(before);
    }
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

// What a marking says of its working voltage, taken off its text.
struct Voltage {
    std::optional<Decimal> volts;
    std::string_view refusal;
};

Voltage codeVoltage(std::string_view code) {
    if (const auto volts = voltageOfCode(code))
        return {volts, {}};
    return {std::nullopt, refusal::VoltageCodeUnknown};
}

// A code before a three-digit capacitance code: "2A104J", "2A 104". A unit
// letter there ("4N700") stands for the decimal mark unless the two make a code.
std::optional<Voltage> takeLeadingVoltage(std::string_view &text) {
    if (text.size() < 5 || !looksLikeVoltageCode(text.substr(0, 2)))
        return std::nullopt;
    std::size_t digits = 2;
    if (isBlank(text[digits]))
        ++digits;
    for (std::size_t i = digits; i < digits + 3; ++i)
        if (i >= text.size() || !isDigit(text[i]))
            return std::nullopt;
    if (digits + 3 < text.size() && isDigit(text[digits + 3]))
        return std::nullopt;
    const std::string_view code = text.substr(0, 2);
    const bool unitLetter = code[1] == 'P' || code[1] == 'N' || code[1] == 'U';
    if (unitLetter && !voltageOfCode(code))
        return std::nullopt;
    text.remove_prefix(digits);
    return codeVoltage(code);
}

// A voltage at the end, after a blank, a slash or the marking's last letter:
// "22µF 25V", "470µF/16V", "104J 100 V", "4n7 2A". Nothing when the text has
// nothing before it.
std::optional<Voltage> takeTrailingVoltage(std::string_view &text) {
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::size_t start = text.size();
    const bool volts = !text.empty() && (text.back() == 'V' || text.back() == 'v');
    if (volts) {
        --start;
        if (start > 0 && text[start - 1] == 'k')
            --start;
        while (start > 0 && isBlank(text[start - 1]))
            --start;
        const std::size_t numberEnd = start;
        while (start > 0 &&
               (isDigit(text[start - 1]) || text[start - 1] == ',' || text[start - 1] == '.'))
            --start;
        if (start == numberEnd)
            return std::nullopt;
    } else if (text.size() >= 2 && looksLikeVoltageCode(text.substr(text.size() - 2))) {
        start -= 2;
        if (start == 0 || !(isBlank(text[start - 1]) || text[start - 1] == '/'))
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    const char before = start > 0 ? text[start - 1] : '\0';
    if (start == 0 || isDigit(before) || before == ',' || before == '.')
        return std::nullopt;
    const std::string_view voltage = text.substr(start);
    text = text.substr(0, start);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '/'))
        text.remove_suffix(1);
    if (!volts)
        return codeVoltage(voltage);
    TextScanner in(voltage);
    const std::optional<Quantity> quantity = readQuantity(in, VoltUnits);
    Decimal value;
    if (!quantity || !quantity->unit || toDecimal(*quantity, value) != DigitsResult::Ok)
        return Voltage{std::nullopt, colourcode::refusal::TooManyDigits};
    return Voltage{value, {}};
}

MarkingReading refused(std::string_view why) {
    return {std::nullopt, {}, std::nullopt, why};
}

// The capacitance and its tolerance letter, and a voltage code straight after
// that letter ("104J2A").
MarkingReading readCapacitance(std::string_view text) {
    TextScanner in(text);
    in.skipBlanks();
    std::optional<Quantity> quantity = readNumber(in, Units);
    if (!quantity)
        return refused(refusal::MarkingNotRecognised);
    NumberText number = quantity->number;
    const UnitSymbol *unit = quantity->unit ? quantity->unit : takeCapacitanceUnit(in, number);
    if (unit && unit->exponent != FaradExponent && !in.take("F"))
        in.take("f");
    in.skipBlanks();
    MarkingReading reading;
    reading.tolerance = takeToleranceLetter(in);
    if (!reading.tolerance.empty() && looksLikeVoltageCode(text.substr(in.pos()))) {
        const Voltage voltage = codeVoltage(text.substr(in.pos()));
        if (!voltage.volts)
            return refused(voltage.refusal);
        reading.volts = voltage.volts;
        in.seek(text.size());
    }
    in.skipBlanks();
    if (!in.atEnd())
        return refused(refusal::MarkingNotRecognised);
    if (!unit && !readCode(number)) // a plain number, or a code with no multiplier
        return refused(looksLikeCode(number) ? refusal::MarkingNotRecognised
                                             : refusal::UnitMissing);
    if (unit)
        number.exponent += unit->exponent;
    Decimal picofarads;
    if (toDecimal(number, picofarads) != DigitsResult::Ok ||
        picofarads.digitCount() > MaxMarkingDigits)
        return refused(colourcode::refusal::TooManyDigits);
    reading.picofarads = picofarads;
    return reading;
}

} // namespace

MarkingReading readMarking(std::string_view text) {
    if (text.size() > MaxTypedBytes)
        return refused(refusal::MarkingNotRecognised);
    TextScanner in(text);
    in.skipBlanks();
    if (in.atEnd())
        return refused(refusal::EmptyMarking);
    std::string_view rest = text.substr(in.pos());
    std::optional<Voltage> voltage = takeLeadingVoltage(rest);
    if (!voltage)
        voltage = takeTrailingVoltage(rest);
    MarkingReading reading = readCapacitance(rest);
    if (!reading.picofarads)
        return reading;
    if (voltage) {
        if (!voltage->volts || reading.volts)
            return refused(voltage->volts ? refusal::MarkingNotRecognised : voltage->refusal);
        reading.volts = voltage->volts;
    }
    if (reading.volts &&
        (compare(*reading.volts, LowestVoltage) < 0 || compare(*reading.volts, HighestVoltage) > 0))
        return refused(refusal::VoltageOutOfRange);
    return reading;
}

bool beginsMarking(std::string_view character) {
    return beginsNumber(character, Units);
}

std::string guideText(const Decimal &picofarads, GuideColumn column) {
    // Each column's unit, as a power of ten of a picofarad, and how the guide's
    // rows write exactly one of it.
    struct Writing {
        int exponent;
        std::string_view one;
    };
    static constexpr Writing Columns[] = {{6, "1,00"}, {3, "1,0"}, {0, "1"}};
    const Writing &writing = Columns[std::size_t(column)];
    const Decimal value{picofarads.significand, picofarads.exponent - writing.exponent};
    if (value == Decimal{1, 0})
        return std::string(writing.one);
    return frenchNumber(value);
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
    std::string ending(reading.tolerance);
    if (reading.volts) {
        // Kilovolts from a thousand volts on, short enough for the row's end.
        const Decimal &volts = *reading.volts;
        const bool kilo = compare(volts, {1, 3}) >= 0;
        ending += (ending.empty() ? "" : " \u00B7 ") +
                  frenchNumber(kilo ? Decimal{volts.significand, volts.exponent - 3} : volts) +
                  (kilo ? " kV" : " V");
    }
    return {guideText(pico, GuideColumn::Micro),
            guideText(pico, GuideColumn::Nano),
            guideText(pico, GuideColumn::Pico),
            ending,
            {}};
}

} // namespace reference
