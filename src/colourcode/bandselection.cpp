// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/bandselection.h"

#include "colourcode/bandtables.h"
#include "colourcode/colourcode.h"
#include "colourcode/standardseries.h"
#include "colourcode/valuereader.h"

namespace colourcode {

namespace {

constexpr std::string_view ValuePrefix = "Valeur = ";
constexpr std::string_view PlusMinus = "\u00B1";
constexpr Decimal Smallest{1, 1}; // 10 Ω: no gold or silver multiplier
constexpr Decimal Largest{999, 9};

ColourCode codeFor(const BandSelection &bands) {
    ColourCode code;
    code.SelectFirstDigit(bands.first);
    code.SelectSecondDigit(bands.second);
    code.SelectThirdDigit(bands.fiveBands ? bands.third : 0);
    code.ApplyMultiplier(bands.multiplier);
    code.LookupTolerance(bands.tolerance);
    return code;
}

// The bands that show the value exactly with this band count: its digits,
// padded with zeros, then a multiplier from ×1 to ×10^9.
std::optional<BandSelection> exactBands(const Decimal &ohms, bool fiveBands, int tolerance) {
    const int places = fiveBands ? 3 : 2;
    const int digits = ohms.digitCount();
    const int multiplier = ohms.exponent - (places - digits);
    if (ohms.significand == 0 || digits > places || multiplier < 0 ||
        multiplier >= int(MultiplierTable.size()))
        return std::nullopt;
    const std::uint64_t padded = ohms.significand * powerOfTen(places - digits);
    BandSelection bands{fiveBands, 0, 0, 0, multiplier, tolerance};
    if (fiveBands) {
        bands.first = int(padded / 100) - 1;
        bands.second = int(padded / 10 % 10);
        bands.third = int(padded % 10);
    } else {
        bands.first = int(padded / 10) - 1;
        bands.second = int(padded % 10);
    }
    return bands;
}

// The band count in force when it can show the value, else the other one.
std::optional<BandSelection> bandsFor(const Decimal &ohms, bool fiveBandsNow, int tolerance) {
    if (auto bands = exactBands(ohms, fiveBandsNow, tolerance))
        return bands;
    return exactBands(ohms, !fiveBandsNow, tolerance);
}

std::string preview(const BandSelection &bands, const BandSelection &now,
                    std::optional<Series> snapped, bool eia96) {
    std::string text = "\u2192 " + valueWords(bands) + " \u03A9 " + toleranceWords(bands);
    if (snapped)
        text += ", série " + std::string(seriesName(*snapped));
    if (eia96)
        text += ", CMS EIA-96";
    if (bands.fiveBands != now.fiveBands)
        text += bands.fiveBands ? ", cinq anneaux" : ", quatre anneaux";
    return text + "\n" + colourWords(bands);
}

EntryPlan refused(std::string_view why) {
    return {std::nullopt, std::string(why), {}};
}

std::optional<int> onePercentRow() {
    for (std::size_t row = 0; row < ToleranceTable.size(); ++row)
        if (ToleranceTable[row].hundredths == 100)
            return int(row);
    return std::nullopt;
}

std::string printedCodeNote(std::string_view typed) {
    const std::optional<Decimal> ohms = printedCodeOhms(typed);
    if (!ohms)
        return {};
    std::string digits;
    for (char c : typed)
        if (isDigit(c))
            digits += c;
    return "CMS " + digits + " : " +
           (ohms->significand == 0 ? "pont 0 \u03A9" : ohmWords(*ohms) + " \u03A9");
}

// What Enter selects for the text typed, or why it cannot.
EntryPlan planValue(std::string_view typed, const BandSelection &now) {
    const ValueReading reading = readValue(typed);
    if (!reading.value)
        return refused(reading.refusal);
    const Decimal &ohms = reading.value->ohms;
    // A code of a 1 % part: five bands where they can show it, at ±1 %.
    const bool eia96 = reading.value->eia96;
    const int tolerance = eia96 ? onePercentRow().value_or(now.tolerance)
                                : reading.value->toleranceRow.value_or(now.tolerance);
    const bool fiveBands = eia96 || now.fiveBands;
    if (compare(ohms, Smallest) < 0)
        return refused(refusal::TooSmall);
    if (compare(ohms, Largest) > 0)
        return refused(refusal::TooLarge);
    if (auto bands = bandsFor(ohms, fiveBands, tolerance))
        return {bands, preview(*bands, now, std::nullopt, eia96), {}};
    // More digits than the bands carry: the nearest value worth making.
    const auto row = toleranceRow(tolerance);
    const Series series = seriesForTolerance(row ? row->hundredths : 500);
    const Decimal nearest = nearestInSeries(ohms, series);
    if (compare(nearest, Largest) > 0)
        return refused(refusal::TooLarge);
    if (auto bands = bandsFor(nearest, fiveBands, tolerance))
        return {bands, preview(*bands, now, series, eia96), {}};
    return refused(refusal::ThreeDigitsTooSmall);
}

} // namespace

std::string valueWords(const BandSelection &bands) {
    std::string text = codeFor(bands).ComposeValueText(bands.fiveBands).substr(ValuePrefix.size());
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string toleranceWords(const BandSelection &bands) {
    const std::string text = codeFor(bands).ToleranceText;
    const std::size_t sign = text.find(PlusMinus);
    return sign == std::string::npos ? text : text.substr(sign);
}

std::string colourWords(const BandSelection &bands) {
    const int digits[] = {bands.first + 1, bands.second, bands.third, bands.multiplier};
    std::string text;
    for (std::size_t i = 0; i < std::size(digits); ++i) {
        if (i == 2 && !bands.fiveBands)
            continue;
        if (const auto row = bandRow(digits[i]))
            text += std::string(row->colourName) + ", ";
    }
    if (const auto row = toleranceRow(bands.tolerance))
        text += row->colourName;
    return text;
}

std::string readingText(const BandSelection &bands) {
    return valueWords(bands) + " \u03A9 " + toleranceWords(bands) + " : " + colourWords(bands);
}

std::string entryNotation(const BandSelection &bands) {
    std::string text;
    for (char c : valueWords(bands))
        if (c != ' ')
            text += c == 'K' ? 'k' : c;
    return text;
}

std::string ohmWords(const Decimal &ohms) {
    constexpr std::pair<int, std::string_view> Prefixes[] = {{9, " G"}, {6, " M"}, {3, " K"}};
    const int lead = ohms.digitCount() + ohms.exponent; // digits before the comma
    for (const auto &[exponent, prefix] : Prefixes)
        if (ohms.significand != 0 && lead > exponent)
            return frenchNumber({ohms.significand, ohms.exponent - exponent}) + std::string(prefix);
    return frenchNumber(ohms);
}

EntryPlan planEntry(std::string_view typed, const BandSelection &now) {
    EntryPlan plan = planValue(typed, now);
    plan.printedCode = printedCodeNote(typed);
    return plan;
}

} // namespace colourcode
