// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/valuereader.h"

#include "colourcode/bandtables.h"
#include "colourcode/standardseries.h"

namespace colourcode {

namespace {

// The unit prefixes, after the number or standing for its decimal mark; R marks
// the decimal place of plain ohms.
constexpr UnitSymbol Prefixes[] = {
    {"k", 3}, {"K", 3}, {"M", 6}, {"G", 9}, {"T", 12}, {"R", 0}, {"r", 0}, {"m", -3},
};

bool takeOhmSign(TextScanner &in) {
    // The ohm sign and the Greek capital omega look the same; keyboards give either.
    return in.take("\u03A9") || in.take("\u2126") || in.takeWord("ohms") || in.takeWord("ohm");
}

// "±1 %", "1%", "+/-0,25 %": the row of the tolerance list, or why not.
std::optional<int> readTolerance(TextScanner &in, std::string_view &refused) {
    refused = refusal::NotRecognised;
    if (in.take("\u00B1") || in.take("+/-") || in.take("+-"))
        in.skipBlanks();
    NumberText number;
    number.digits = in.digits();
    readFraction(in, number);
    in.skipBlanks();
    Decimal percent;
    if (number.digits.empty() || !in.take("%") || toDecimal(number, percent) != DigitsResult::Ok)
        return std::nullopt;
    refused = refusal::ToleranceNotListed;
    for (std::size_t row = 0; row < ToleranceTable.size(); ++row)
        if (compare(percent, {std::uint64_t(ToleranceTable[row].hundredths), -2}) == 0) {
            refused = {};
            return int(row);
        }
    return std::nullopt;
}

// The EIA-96 multiplier letters. R, which some tables give for Y, keeps its
// meaning as the decimal mark of plain ohms ("47R").
struct EiaLetter {
    char letter;
    int exponent;
};

constexpr EiaLetter EiaLetters[] = {
    {'Z', -3}, {'Y', -2}, {'X', -1}, {'S', -1}, {'A', 0}, {'B', 1},
    {'H', 1},  {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5},
};

std::string_view trimmed(std::string_view text) {
    TextScanner in(text);
    in.skipBlanks();
    text.remove_prefix(in.pos());
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Two digits and a multiplier letter: the code's E96 value.
std::optional<ValueReading> readEia96(std::string_view text) {
    if (text.size() != 3 || !isDigit(text[0]) || !isDigit(text[1]))
        return std::nullopt;
    for (const EiaLetter &letter : EiaLetters) {
        if (letter.letter != text[2])
            continue;
        const int code = (text[0] - '0') * 10 + (text[1] - '0');
        const std::vector<std::uint64_t> e96 = seriesDecade(Series::E96);
        if (code < 1 || code > int(e96.size()))
            return ValueReading{std::nullopt, refusal::Eia96Code};
        TypedValue value;
        value.ohms = normalised({e96[std::size_t(code - 1)], letter.exponent});
        value.eia96 = true;
        return ValueReading{value, {}};
    }
    return std::nullopt;
}

} // namespace

std::optional<Decimal> printedCodeOhms(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    for (char c : text)
        if (!isDigit(c))
            return std::nullopt;
    if (text.find_first_not_of('0') == std::string_view::npos)
        return Decimal{};
    if (text.size() < 3)
        return std::nullopt;
    NumberText number{std::string(text.substr(0, text.size() - 1)), text.back() - '0'};
    Decimal ohms;
    toDecimal(number, ohms);
    return ohms;
}

bool beginsValue(std::string_view character) {
    return beginsNumber(character, Prefixes);
}

ValueReading readValue(std::string_view text) {
    if (text.size() > MaxTypedBytes)
        return {std::nullopt, refusal::NotRecognised};
    TextScanner in(text);
    in.skipBlanks();
    if (in.atEnd())
        return {std::nullopt, refusal::Empty};
    if (const auto code = readEia96(trimmed(text)))
        return *code;
    const std::optional<Quantity> number = readQuantity(in, Prefixes);
    if (!number)
        return {std::nullopt, refusal::NotRecognised};
    in.skipBlanks();
    takeOhmSign(in);
    in.skipBlanks();
    TypedValue value;
    if (!in.atEnd()) {
        std::string_view refused;
        value.toleranceRow = readTolerance(in, refused);
        if (!value.toleranceRow)
            return {std::nullopt, refused};
        in.skipBlanks();
    }
    if (!in.atEnd())
        return {std::nullopt, refusal::NotRecognised};
    if (toDecimal(*number, value.ohms) == DigitsResult::TooMany)
        return {std::nullopt, refusal::TooManyDigits};
    return {value, {}};
}

} // namespace colourcode
