// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reference/ledresistor.h"

#include "colourcode/standardseries.h"

namespace reference {

using namespace colourcode;

namespace {

// Products of a few typed quantities: exact, and far from the limits of 128 bits.
__extension__ typedef __int128 Wide;

enum UnitKind { Volts = 1, Amps = 2 };

constexpr UnitSymbol LedUnits[] = {
    {"V", 0, Volts}, {"v", 0, Volts}, {"mA", -3, Amps}, {"ma", -3, Amps}, {"A", 0, Amps},
};

constexpr Decimal MaxSupply{4, 2};   // 400 V
constexpr Decimal MinCurrent{1, -4}; // 0,1 mA
constexpr Decimal MaxCurrent{1, 0};  // 1 A
constexpr Decimal MinForward{5, -1};
constexpr Decimal MaxForward{5, 1};
constexpr int MaxCount = 20;

// Volts are worked in microvolts and amps in nanoamps, exactly: a typed value
// finer than that has too many digits.
constexpr int MicroExponent = -6;
constexpr int NanoExponent = -9;
constexpr std::int64_t UncertainMicrovolts = 500'000;

// Typical forward voltages, in tenths of a volt, as LED calculators take them.
struct LedColour {
    std::string_view word; // lower case, as typed in any case
    std::string_view name;
    int tenths;
};

constexpr LedColour Colours[] = {
    {"rouge", "rouge", 20},
    {"orange", "orange", 20},
    {"jaune", "jaune", 21},
    {"verte", "verte", 22},
    {"vert", "verte", 22},
    {"bleue", "bleue", 32},
    {"bleu", "bleue", 32},
    {"blanche", "blanche", 32},
    {"blanc", "blanche", 32},
    {"violette", "violette", 34},
    {"violet", "violette", 34},
    {"uv", "UV", 34},
    {"infrarouge", "infrarouge", 12},
    {"ir", "infrarouge", 12},
};

// The card's two rows, with their currents in direct and alternating supply.
struct CardRow {
    std::string_view name;
    int tenths;
    int directMilliamps, alternatingMilliamps;
};

constexpr CardRow CardRows[] = {
    {"Led rouge", 20, 10, 20},
    {"Led verte, jaune", 22, 20, 40},
};

// A named LED's current where none is typed.
constexpr int NamedDirectMilliamps = 20;
constexpr int NamedAlternatingMilliamps = 40;

struct Rating {
    int milliwatts;
    std::string_view text;
};

constexpr Rating Ratings[] = {
    {125, "\u215B W"}, {250, "\u00BC W"}, {500, "\u00BD W"}, {1000, "1 W"},
    {2000, "2 W"},     {3000, "3 W"},     {5000, "5 W"},
};

Wide pow10(int n) {
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A whole word of the text, in any case, maybe in the plural.
bool takeWholeWord(TextScanner &in, std::string_view word) {
    const std::size_t start = in.pos();
    if (in.takeWord(word)) {
        if (in.peek() == 's' || in.peek() == 'S')
            in.advance();
        if (!isAsciiLetter(in.peek()))
            return true;
    }
    in.seek(start);
    return false;
}

bool takeLedWord(TextScanner &in) {
    return takeWholeWord(in, "led");
}

const LedColour *takeColour(TextScanner &in) {
    for (const LedColour &colour : Colours)
        if (takeWholeWord(in, colour.word))
            return &colour;
    return nullptr;
}

// "×3", "x3".
std::optional<std::string_view> takeTimes(TextScanner &in) {
    const std::size_t start = in.pos();
    if (in.take("\u00D7") || in.take("x") || in.take("X")) {
        in.skipBlanks();
        const std::string_view digits = in.digits();
        if (!digits.empty() && !isAsciiLetter(in.peek()))
            return digits;
    }
    in.seek(start);
    return std::nullopt;
}

// A whole count of LEDs, or 0 where it is none or out of reach.
int countOf(const Decimal &value) {
    if (value.exponent < 0 || value.digitCount() + value.exponent > 3)
        return 0;
    return int(value.significand * powerOfTen(value.exponent));
}

std::optional<std::int64_t> fixed(const Decimal &value, int unitExponent) {
    if (value.exponent < unitExponent)
        return std::nullopt;
    return std::int64_t(value.significand * powerOfTen(value.exponent - unitExponent));
}

LedReading refused(std::string_view why) {
    return {std::nullopt, why};
}

bool within(const Decimal &value, const Decimal &low, const Decimal &high) {
    return compare(value, low) >= 0 && compare(value, high) <= 0;
}

// The limits, once the whole question is read.
std::string_view limitsRefusal(const LedQuestion &q) {
    if (compare(q.supplyVolts, MaxSupply) > 0)
        return refusal::SupplyTooHigh;
    if (q.amps && compare(*q.amps, MinCurrent) < 0)
        return refusal::CurrentTooLow;
    if (q.amps && compare(*q.amps, MaxCurrent) > 0)
        return refusal::CurrentTooHigh;
    if (q.count < 1 || q.count > MaxCount)
        return refusal::LedCount;
    if (q.forwardVolts && !within(*q.forwardVolts, MinForward, MaxForward))
        return refusal::ForwardVoltage;
    const bool fine = fixed(q.supplyVolts, MicroExponent) &&
                      (!q.forwardVolts || fixed(*q.forwardVolts, MicroExponent)) &&
                      (!q.amps || fixed(*q.amps, NanoExponent));
    return fine ? std::string_view() : colourcode::refusal::TooManyDigits;
}

// num / den × 10^exp, both positive, to so many significant digits, halfway up.
Decimal roundSignificant(Wide num, Wide den, int exp, int digits) {
    if (num == 0)
        return {};
    const Wide low = pow10(digits - 1), high = pow10(digits);
    while (num / den >= high) {
        den *= 10;
        ++exp;
    }
    while (num / den < low) {
        num *= 10;
        --exp;
    }
    Wide rounded = (2 * num + den) / (2 * den);
    if (rounded == high) {
        rounded /= 10;
        ++exp;
    }
    return normalised({std::uint64_t(rounded), exp});
}

// num / den × 10^exp to so many decimal places, halfway up.
Decimal roundPlaces(Wide num, Wide den, int exp, int places) {
    const int shift = exp + places;
    if (shift >= 0)
        num *= pow10(shift);
    else
        den *= pow10(-shift);
    return normalised({std::uint64_t((2 * num + den) / (2 * den)), -places});
}

// An E12 value d × 10^k ohms, d of three digits.
struct SeriesValue {
    std::uint64_t digits;
    int exponent;
};

// d × 10^k ohms against microvolts / nanoamps: <0, 0 or >0.
int compareOhms(const SeriesValue &value, std::int64_t microvolts, std::int64_t nanoamps) {
    Wide resistor = Wide(value.digits) * nanoamps;
    Wide exact = Wide(microvolts) * 1000;
    if (value.exponent >= 0)
        resistor *= pow10(value.exponent);
    else
        exact *= pow10(-value.exponent);
    return (resistor > exact) - (resistor < exact);
}

LedResistor resistorOf(const SeriesValue &value, std::int64_t microvolts) {
    // I = U / R in milliamps: microvolts / (d × 10^(k + 3)).
    return {normalised({value.digits, value.exponent}),
            roundSignificant(microvolts, Wide(value.digits), -(value.exponent + 3), 2)};
}

void chooseResistors(LedRow &row, std::int64_t microvolts, std::int64_t nanoamps,
                     SeriesValue &chosen) {
    const std::vector<std::uint64_t> decade = seriesDecade(Series::E12);
    std::optional<SeriesValue> previous;
    // From 0,1 Ω (100 × 10^-3) to 82 MΩ, past the 4 MΩ of 400 V at 0,1 mA.
    for (int exponent = -3; exponent <= 5; ++exponent)
        for (std::uint64_t digits : decade) {
            const SeriesValue value{digits, exponent};
            const int order = compareOhms(value, microvolts, nanoamps);
            if (order < 0) {
                previous = value;
                continue;
            }
            chosen = value;
            row.above = resistorOf(value, microvolts);
            if (order > 0 && previous)
                row.below = resistorOf(*previous, microvolts);
            return;
        }
}

// P = U² / R, U the voltage the resistor carries; the rating to buy is the
// smallest of twice the power.
void ratePower(LedRow &row, const SeriesValue &resistor, std::int64_t microvolts) {
    const Wide square = Wide(microvolts) * microvolts;
    const int exp = -12 - resistor.exponent;
    const Wide den = Wide(resistor.digits);
    row.watts = roundPlaces(square, den, exp, 2);
    if (row.watts.significand == 0)
        row.watts = roundSignificant(square, den, exp, 1);
    else if (compare(row.watts, {1, 0}) >= 0)
        row.watts = roundSignificant(square, den, exp, 2);
    // rating × 10^-3 W ≥ 2 U² / R  ⇔  rating × d × 10^(k+9) ≥ 2 × (microvolts)²
    for (const Rating &rating : Ratings)
        if (Wide(rating.milliwatts) * den * pow10(resistor.exponent + 9) >= 2 * square) {
            row.ratingMilliwatts = rating.milliwatts;
            return;
        }
    row.ratingMilliwatts = 0;
}

Decimal milliampsOf(int milliamps) {
    return normalised({std::uint64_t(milliamps), 0});
}

std::string volts(const Decimal &value) {
    std::string text = frenchNumber(value);
    if (text.find(',') == std::string::npos)
        text += ",0";
    return text + " V";
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

LedReading readLedQuestion(std::string_view text) {
    if (text.size() > MaxTypedBytes)
        return refused(colourcode::refusal::NotRecognised);
    TextScanner in(text);
    in.skipBlanks();
    if (in.atEnd())
        return refused(refusal::EmptyQuestion);
    LedQuestion q;
    const std::optional<Quantity> supply = readQuantity(in, LedUnits, UnitEnd::AtWordEnd);
    if (!supply || (supply->unit && supply->unit->kind != Volts))
        return refused(colourcode::refusal::NotRecognised);
    if (toDecimal(*supply, q.supplyVolts) != DigitsResult::Ok)
        return refused(colourcode::refusal::TooManyDigits);
    const std::size_t beforeMode = in.pos();
    in.skipBlanks();
    if (in.take("="))
        q.supply = Supply::Direct;
    else if (in.take("~") || in.take("\u223C"))
        q.supply = Supply::Alternating;
    else
        in.seek(beforeMode);

    bool counted = false, forwardTyped = false;
    for (;;) {
        const bool blank = in.skipBlanks();
        if (in.atEnd())
            break;
        if (!blank)
            return refused(colourcode::refusal::NotRecognised);
        if (const auto times = takeTimes(in)) {
            if (counted)
                return refused(colourcode::refusal::NotRecognised);
            Decimal count;
            if (toDecimal(NumberText{std::string(*times), 0}, count) != DigitsResult::Ok)
                return refused(refusal::LedCount);
            q.count = countOf(count);
            counted = true;
            continue;
        }
        if (const LedColour *colour = takeColour(in)) {
            if (!q.colour.empty())
                return refused(colourcode::refusal::NotRecognised);
            q.colour = colour->name;
            if (!q.forwardVolts)
                q.forwardVolts = normalised({std::uint64_t(colour->tenths), -1});
            continue;
        }
        if (takeLedWord(in))
            continue; // "led bleue"
        const std::optional<Quantity> quantity = readQuantity(in, LedUnits, UnitEnd::AtWordEnd);
        if (!quantity)
            return refused(colourcode::refusal::NotRecognised);
        Decimal value;
        if (toDecimal(*quantity, value) != DigitsResult::Ok)
            return refused(colourcode::refusal::TooManyDigits);
        if (!quantity->unit) {
            // A number alone counts LEDs: "3 leds".
            in.skipBlanks();
            if (!takeLedWord(in))
                return refused(refusal::UnitMissingLed);
            if (counted || quantity->number.exponent < 0)
                return refused(colourcode::refusal::NotRecognised);
            q.count = countOf(value);
            counted = true;
        } else if (quantity->unit->kind == Volts) {
            // A second voltage is the LED's, in place of a named colour's typical one.
            if (forwardTyped)
                return refused(colourcode::refusal::NotRecognised);
            q.forwardVolts = value;
            forwardTyped = true;
        } else {
            if (q.amps)
                return refused(colourcode::refusal::NotRecognised);
            q.amps = value;
        }
    }
    if (const std::string_view why = limitsRefusal(q); !why.empty())
        return refused(why);
    return {q, {}};
}

bool beginsLedQuestion(std::string_view character) {
    return beginsNumber(character, {});
}

LedAnswer answerLed(std::string_view text, Supply shown) {
    const LedReading reading = readLedQuestion(text);
    LedAnswer answer;
    if (!reading.question) {
        answer.refusal = reading.refusal;
        return answer;
    }
    const LedQuestion &q = *reading.question;
    answer.supply = q.supply.value_or(shown);
    answer.supplyVolts = q.supplyVolts;
    const bool alternating = answer.supply == Supply::Alternating;
    const std::string times = q.count > 1 ? std::to_string(q.count) + " \u00D7 " : "";
    if (q.forwardVolts) {
        LedRow row;
        row.name = times + (q.colour.empty() ? "Led" : "Led " + std::string(q.colour));
        row.forwardVolts = *q.forwardVolts;
        row.milliamps =
            q.amps ? normalised({q.amps->significand, q.amps->exponent + 3})
                   : milliampsOf(alternating ? NamedAlternatingMilliamps : NamedDirectMilliamps);
        answer.rows.push_back(row);
    } else {
        answer.cardRows = true;
        for (const CardRow &card : CardRows) {
            LedRow row;
            row.name = times + std::string(card.name);
            row.forwardVolts = normalised({std::uint64_t(card.tenths), -1});
            row.milliamps = q.amps ? normalised({q.amps->significand, q.amps->exponent + 3})
                                   : milliampsOf(alternating ? card.alternatingMilliamps
                                                             : card.directMilliamps);
            answer.rows.push_back(row);
        }
    }
    const std::int64_t supply = *fixed(q.supplyVolts, MicroExponent);
    for (LedRow &row : answer.rows) {
        const std::int64_t left = supply - q.count * *fixed(row.forwardVolts, MicroExponent);
        if (left <= 0) {
            LedAnswer tooLow;
            tooLow.refusal = q.count > 1 ? refusal::SupplyTooLowMany : refusal::SupplyTooLowOne;
            return tooLow;
        }
        const std::int64_t nanoamps = *fixed(row.milliamps, MicroExponent);
        SeriesValue chosen{};
        chooseResistors(row, left, nanoamps, chosen);
        // With alternating supply the antiparallel diode makes the resistor carry
        // both half-waves: the whole supply stands across it.
        ratePower(row, chosen, alternating ? supply : left);
        row.uncertain = left < UncertainMicrovolts;
    }
    return answer;
}

std::string columnHeader(const LedAnswer &answer) {
    return frenchNumber(answer.supplyVolts) + (answer.supply == Supply::Direct ? " V=" : " V~");
}

std::string rowDetails(const LedRow &row, Warning warning) {
    auto resistor = [](const LedResistor &r) {
        return frenchNumber(r.ohms) + " \u03A9, " + frenchNumber(r.milliamps) + " mA";
    };
    std::string text = row.name + " " + volts(row.forwardVolts) + ", " +
                       frenchNumber(row.milliamps) + " mA : " + resistor(row.above);
    if (row.below)
        text += " ou " + resistor(*row.below);
    text += " \u00B7 " + frenchNumber(row.watts) + " W \u2192 ";
    std::string_view rating = "plus de 5 W";
    for (const Rating &r : Ratings)
        if (r.milliwatts == row.ratingMilliwatts)
            rating = r.text;
    text += rating;
    if (row.uncertain)
        text += warning == Warning::Full
                    ? " \u00B7 moins de 0,5 V pour la résistance : courant incertain"
                    : " \u00B7 courant incertain";
    return text;
}

std::string spokenAnswer(const LedAnswer &answer) {
    if (!answer.refusal.empty())
        return answer.refusal;
    // A blank before, so that the first number reads as any other.
    std::string text = ' ' + columnHeader(answer);
    for (const LedRow &row : answer.rows)
        text += ". " + rowDetails(row, Warning::Full);
    // Units and signs as words, the longer forms first.
    const std::pair<std::string_view, std::string_view> words[] = {
        {"\u215B W", "un huitième de watt"},
        {"\u00BC W", "un quart de watt"},
        {"\u00BD W", "un demi-watt"},
        {" \u2192 ", ", à prendre en "},
        {" \u00B7 ", ", "},
        // One of a unit is said in the singular.
        {" 1 V=", " 1 volt continu"},
        {" 1 V~", " 1 volt alternatif"},
        {" 1 \u03A9", " 1 ohm"},
        {" 1 mA", " 1 milliampère"},
        {" 1 W", " 1 watt"},
        {" 1 V", " 1 volt"},
        {" V=", " volts continu"},
        {" V~", " volts alternatif"},
        {" \u00D7 ", " fois "},
        {" \u03A9", " ohms"},
        {" mA", " milliampères"},
        {" W", " watts"},
        {" V", " volts"},
    };
    for (const auto &[from, to] : words)
        text = replaceAll(text, from, to);
    return text.substr(1);
}

} // namespace reference
