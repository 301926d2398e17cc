// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/valuereader.h"

#include "colourcode/bandtables.h"

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

} // namespace

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
