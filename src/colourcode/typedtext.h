// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the readers of typed values share: exact decimal numbers, never floating
// point, so that what was typed is what is shown; and a scanner over UTF-8 text
// that knows the blanks and decimal marks a French text has.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace colourcode {

// significand × 10^exponent. Readers give it without trailing zeros in the
// significand; zero is 0 × 10^0.
struct Decimal {
    std::uint64_t significand = 0;
    int exponent = 0;

    int digitCount() const; // of the significand; 1 for zero
    bool operator==(const Decimal &) const = default;
};

// Compares the values, whatever the exponents; significands of at most
// MaxSignificantDigits digits.
int compare(const Decimal &a, const Decimal &b);

// Enough for any value typed by hand, and few enough that a significand times
// a thousand and a power of ten below it stays within 64 bits.
inline constexpr int MaxSignificantDigits = 15;

std::uint64_t powerOfTen(int n);

// The same value without trailing zeros in its significand.
Decimal normalised(Decimal value);

// Why a text is refused, in the words shown to the user; these every reader shares.
namespace refusal {
inline constexpr std::string_view NotRecognised = "Valeur non reconnue";
inline constexpr std::string_view TooManyDigits = "Trop de chiffres";
} // namespace refusal

// What an entry takes, in characters; the readers refuse unread a text of more
// bytes than that many characters can have in UTF-8. No value needs more.
inline constexpr int MaxTypedCharacters = 64;
inline constexpr std::size_t MaxTypedBytes = 4 * MaxTypedCharacters;

class TextScanner {
public:
    explicit TextScanner(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    std::size_t pos() const { return m_pos; }
    void seek(std::size_t pos) { m_pos = pos; }
    char peek(std::size_t ahead = 0) const {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
    }
    void advance() { ++m_pos; }

    // Spaces, tabs, and the no-break and thin spaces; true when any was skipped.
    bool skipBlanks();
    std::string_view digits();
    bool take(std::string_view token);
    bool takeWord(std::string_view lowerCaseWord); // ASCII, any case

private:
    std::size_t blankLength() const;

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isDigit(char c);

// Digits as typed, the last one standing for 10^exponent.
struct NumberText {
    std::string digits;
    int exponent = 0;
};

// Digits with blanks only between groups of three ("4 700", "1 000 000"), appended.
void readGroupedDigits(TextScanner &in, std::string &digits);

// The digits after a decimal mark, appended to the number as its fraction.
void readFractionDigits(TextScanner &in, NumberText &number);
// A fraction after a comma or a point, if one stands here.
void readFraction(TextScanner &in, NumberText &number);

enum class DigitsResult { Ok, TooMany };
// Strips leading and trailing zeros; no digits at all read as zero.
DigitsResult toDecimal(const NumberText &number, Decimal &out);

// A unit or a unit prefix of a reader's table: its symbol as typed, the power of
// ten it stands for, and what it measures where a reader has more than one.
struct UnitSymbol {
    std::string_view symbol;
    int exponent = 0;
    int kind = 0;
};

// A number as typed and the unit that came with it, its power of ten not yet applied.
struct Quantity {
    NumberText number;
    const UnitSymbol *unit = nullptr;
};

// Digits with a comma or a point and blanks between groups of three, or a unit
// of the table standing for the decimal mark ("4k7", "k47", "n47", "3V3"). None,
// with the scanner anywhere, when no digit stands there.
std::optional<Quantity> readNumber(TextScanner &in, std::span<const UnitSymbol> units);

// Where a unit after a number may end: anywhere ("4,7kohm", "100nF"), or only
// where a word does, so that a word after the number is not taken for one ("12 vert").
enum class UnitEnd { Anywhere, AtWordEnd };

// A unit of the table after a number, blanks between or not; nothing taken when
// none stands there. The longest symbol that matches wins.
const UnitSymbol *takeUnitAfter(TextScanner &in, std::span<const UnitSymbol> units,
                                UnitEnd end = UnitEnd::Anywhere);

// A number and its unit, after it or as its decimal mark.
std::optional<Quantity> readQuantity(TextScanner &in, std::span<const UnitSymbol> units,
                                     UnitEnd end = UnitEnd::Anywhere);

// The quantity's value with its unit's power of ten applied.
DigitsResult toDecimal(const Quantity &quantity, Decimal &out);

// Whether a text a reader of such numbers takes can begin with this character
// (a UTF-8 text of one character): a digit, a decimal mark, or a unit of the
// table standing for the mark.
bool beginsNumber(std::string_view character, std::span<const UnitSymbol> units);

// The guide's way with numbers: a decimal comma, no exponent, no trailing zero,
// a blank between groups of three digits only from five digits on ("1000",
// "10 000").
std::string frenchNumber(const Decimal &value);

} // namespace colourcode
