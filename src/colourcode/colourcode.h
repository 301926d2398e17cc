// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The state of the resistor page and the composition of its value text. The value
// is never computed as a number: the text is assembled from digit characters, the
// comma and fixed suffixes, so no rounding or locale takes part.

#include <string>

namespace colourcode {

struct ColourCode {
    int Digit1 = 0;
    int Digit2 = 0;
    int Digit3 = 0;
    std::string PlainSuffix;
    int FourBandFormat = 0;
    int FiveBandFormat = 0;
    std::string ToleranceText;

    // Selections by list index; an index outside the list leaves the state alone.
    void SelectFirstDigit(int index);  // Digit1 := index + 1 (the list has no black)
    void SelectSecondDigit(int index); // Digit2 := index
    void SelectThirdDigit(int index);  // Digit3 := index
    void ApplyMultiplier(int index);
    void LookupTolerance(int index);
    void ToggleBandCount();

    std::string ComposeValueText(bool fiveBands) const;

    bool operator==(const ColourCode &) const = default;
};

} // namespace colourcode
