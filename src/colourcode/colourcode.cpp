// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/colourcode.h"

#include "colourcode/bandtables.h"

namespace colourcode {

namespace {

bool inRange(int index, int count) {
    return index >= 0 && index < count;
}

char digitChar(int digit) {
    return char('0' + digit);
}

// Prefix written after a decimal comma, for format codes 1..3 (and 4..6 in five-band mode).
const char *prefixFor(int code) {
    switch (code) {
    case 1:
        return " K";
    case 2:
        return " M";
    default:
        return " G";
    }
}

} // namespace

void ColourCode::SelectFirstDigit(int index) {
    if (inRange(index, 9))
        Digit1 = index + 1;
}

void ColourCode::SelectSecondDigit(int index) {
    if (inRange(index, 10))
        Digit2 = index;
}

void ColourCode::SelectThirdDigit(int index) {
    if (inRange(index, 10))
        Digit3 = index;
}

void ColourCode::ApplyMultiplier(int index) {
    if (!inRange(index, int(MultiplierTable.size())))
        return;
    const MultiplierRow &row = MultiplierTable[std::size_t(index)];
    FourBandFormat = row.fourBandFormat;
    FiveBandFormat = row.fiveBandFormat;
    if (row.plainSuffix)
        PlainSuffix = std::string(*row.plainSuffix);
}

void ColourCode::LookupTolerance(int index) {
    if (auto row = toleranceRow(index))
        ToleranceText = std::string(row->toleranceText);
}

void ColourCode::ToggleBandCount() {
    FourBandFormat = 0;
    FiveBandFormat = 0;
    Digit3 = 0;
}

std::string ColourCode::ComposeValueText(bool fiveBands) const {
    const char a = digitChar(Digit1), b = digitChar(Digit2), c = digitChar(Digit3);
    std::string text = "Valeur = ";
    if (fiveBands) {
        const int code = FiveBandFormat;
        if (code >= 1 && code <= 3)
            text += {a, b, ',', c};
        else if (code >= 4 && code <= 6)
            text += {a, ',', b, c};
        if (code >= 1 && code <= 6)
            return text + prefixFor(code > 3 ? code - 3 : code);
        text += {a, b, c};
        return text + PlainSuffix;
    }
    const int code = FourBandFormat;
    if (code >= 1 && code <= 3) {
        text += {a, ',', b};
        return text + prefixFor(code);
    }
    text += {a, b};
    return text + PlainSuffix;
}

} // namespace colourcode
