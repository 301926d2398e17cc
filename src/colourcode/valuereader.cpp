// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/valuereader.h"

#include "colourcode/bandtables.h"

namespace colourcode {

namespace {

// The power of ten a unit prefix stands for; R marks the decimal place of plain ohms.
std::optional<int> prefixExponent(char c) {
    switch (c) {
    case 'k':
    case 'K':
        return 3;
    case 'M':
        return 6;
    case 'G':
        return 9;
    case 'R':
    case 'r':
        return 0;
    case 'm':
        return -3;
    default:
        return std::nullopt;
    }
}

// "4,7", "4.7", "4k7", "k47", "470", then a unit prefix after the number
// ("4,7 k") unless a prefix letter already stood for the decimal mark.
std::optional<NumberText> readNumber(TextScanner &in) {
    NumberText number;
    readGroupedDigits(in, number.digits);
    std::optional<int> prefix = prefixExponent(in.peek());
    if (prefix && isDigit(in.peek(1))) {
        in.advance();
        readFractionDigits(in, number);
    } else {
        readFraction(in, number);
        const std::size_t before = in.pos();
        in.skipBlanks();
        prefix = prefixExponent(in.peek());
        if (prefix)
            in.advance();
        else
            in.seek(before);
    }
    if (number.digits.empty())
        return std::nullopt;
    number.exponent += prefix.value_or(0);
    return number;
}

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

} // namespace

ValueReading readValue(std::string_view text) {
    if (text.size() > MaxTypedBytes)
        return {std::nullopt, refusal::NotRecognised};
    TextScanner in(text);
    in.skipBlanks();
    if (in.atEnd())
        return {std::nullopt, refusal::Empty};
    const std::optional<NumberText> number = readNumber(in);
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
