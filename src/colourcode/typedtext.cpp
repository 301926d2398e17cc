// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/typedtext.h"

namespace colourcode {

int Decimal::digitCount() const {
    int count = 1;
    for (std::uint64_t rest = significand / 10; rest; rest /= 10)
        ++count;
    return count;
}

std::uint64_t powerOfTen(int n) {
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

Decimal normalised(Decimal value) {
    if (value.significand == 0)
        return {};
    while (value.significand % 10 == 0) {
        value.significand /= 10;
        ++value.exponent;
    }
    return value;
}

int compare(const Decimal &a, const Decimal &b) {
    if (a.significand == 0 || b.significand == 0)
        return (a.significand > 0) - (b.significand > 0);
    // First by the place of the leading digit, then digit by digit.
    const int leadA = a.digitCount() + a.exponent, leadB = b.digitCount() + b.exponent;
    if (leadA != leadB)
        return leadA < leadB ? -1 : 1;
    const std::uint64_t alignedA =
        a.significand * powerOfTen(MaxSignificantDigits - a.digitCount());
    const std::uint64_t alignedB =
        b.significand * powerOfTen(MaxSignificantDigits - b.digitCount());
    return (alignedA > alignedB) - (alignedA < alignedB);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t TextScanner::blankLength() const {
    const std::string_view rest = m_text.substr(m_pos);
    if (rest.starts_with(' ') || rest.starts_with('\t'))
        return 1;
    for (std::string_view wide : {"\u00A0", "\u202F", "\u2009"})
        if (rest.starts_with(wide))
            return wide.size();
    return 0;
}

bool TextScanner::skipBlanks() {
    const std::size_t start = m_pos;
    while (std::size_t n = blankLength())
        m_pos += n;
    return m_pos != start;
}

std::string_view TextScanner::digits() {
    const std::size_t start = m_pos;
    while (isDigit(peek()))
        ++m_pos;
    return m_text.substr(start, m_pos - start);
}

bool TextScanner::take(std::string_view token) {
    if (!m_text.substr(m_pos).starts_with(token))
        return false;
    m_pos += token.size();
    return true;
}

bool TextScanner::takeWord(std::string_view lowerCaseWord) {
    if (m_text.size() - m_pos < lowerCaseWord.size())
        return false;
    for (std::size_t i = 0; i < lowerCaseWord.size(); ++i) {
        char c = m_text[m_pos + i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != lowerCaseWord[i])
            return false;
    }
    m_pos += lowerCaseWord.size();
    return true;
}

void readGroupedDigits(TextScanner &in, std::string &digits) {
    const std::string_view first = in.digits();
    digits += first;
    if (first.empty() || first.size() > 3)
        return;
    for (;;) {
        const std::size_t before = in.pos();
        if (!in.skipBlanks())
            return;
        const std::string_view group = in.digits();
        if (group.size() != 3) {
            in.seek(before);
            return;
        }
        digits += group;
    }
}

void readFractionDigits(TextScanner &in, NumberText &number) {
    const std::string_view fraction = in.digits();
    number.digits += fraction;
    number.exponent -= int(fraction.size());
}

void readFraction(TextScanner &in, NumberText &number) {
    if (in.peek() != ',' && in.peek() != '.')
        return;
    in.advance();
    readFractionDigits(in, number);
}

DigitsResult toDecimal(const NumberText &number, Decimal &out) {
    std::string_view digits = number.digits;
    int exponent = number.exponent;
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    if (digits.empty()) {
        out = {};
        return DigitsResult::Ok;
    }
    if (digits.size() > std::size_t(MaxSignificantDigits))
        return DigitsResult::TooMany;
    out = {0, exponent};
    for (char c : digits)
        out.significand = out.significand * 10 + std::uint64_t(c - '0');
    return DigitsResult::Ok;
}

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The longest symbol of the table that stands here, taken.
const UnitSymbol *takeSymbol(TextScanner &in, std::span<const UnitSymbol> units, UnitEnd end) {
    const UnitSymbol *best = nullptr;
    for (const UnitSymbol &unit : units) {
        const std::size_t start = in.pos();
        if (in.take(unit.symbol)) {
            const bool ends = end == UnitEnd::Anywhere || !isAsciiLetter(in.peek());
            if (ends && (!best || unit.symbol.size() > best->symbol.size()))
                best = &unit;
            in.seek(start);
        }
    }
    if (best)
        in.seek(in.pos() + best->symbol.size());
    return best;
}

} // namespace

std::optional<Quantity> readNumber(TextScanner &in, std::span<const UnitSymbol> units) {
    Quantity quantity;
    readGroupedDigits(in, quantity.number.digits);
    const std::size_t beforeMark = in.pos();
    if (const UnitSymbol *mark = takeSymbol(in, units, UnitEnd::Anywhere)) {
        if (isDigit(in.peek())) {
            quantity.unit = mark;
            readFractionDigits(in, quantity.number);
            return quantity;
        }
        in.seek(beforeMark);
    }
    readFraction(in, quantity.number);
    if (quantity.number.digits.empty())
        return std::nullopt;
    return quantity;
}

const UnitSymbol *takeUnitAfter(TextScanner &in, std::span<const UnitSymbol> units, UnitEnd end) {
    const std::size_t before = in.pos();
    in.skipBlanks();
    const UnitSymbol *unit = takeSymbol(in, units, end);
    if (!unit)
        in.seek(before);
    return unit;
}

std::optional<Quantity> readQuantity(TextScanner &in, std::span<const UnitSymbol> units,
                                     UnitEnd end) {
    std::optional<Quantity> quantity = readNumber(in, units);
    if (quantity && !quantity->unit)
        quantity->unit = takeUnitAfter(in, units, end);
    return quantity;
}

DigitsResult toDecimal(const Quantity &quantity, Decimal &out) {
    NumberText number = quantity.number;
    if (quantity.unit)
        number.exponent += quantity.unit->exponent;
    return toDecimal(number, out);
}

bool beginsNumber(std::string_view character, std::span<const UnitSymbol> units) {
    if (character.size() == 1 &&
        (isDigit(character.front()) || character.front() == ',' || character.front() == '.'))
        return true;
    for (const UnitSymbol &unit : units)
        if (unit.symbol == character)
            return true;
    return false;
}

std::string frenchNumber(const Decimal &value) {
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

} // namespace colourcode
