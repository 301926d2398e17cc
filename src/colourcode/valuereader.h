// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads a resistance typed by the user: "4k7", "4,7 k", "4 700 Ω", "470R",
// "1 M ±1 %": digits with a comma or a point, blanks between groups of three, a
// unit prefix after the number or standing for its decimal mark, an ohm sign or
// word, a tolerance; or the EIA-96 code printed on a surface-mount part ("01C").

#include "colourcode/typedtext.h"

#include <optional>
#include <string_view>

namespace colourcode {

struct TypedValue {
    Decimal ohms;
    std::optional<int> toleranceRow; // the ToleranceTable row of a typed tolerance
    // An EIA-96 code of a surface-mount part ("01C"): an E96 value at ±1 %.
    bool eia96 = false;
};

// Why a text is refused, in the words shown to the user.
namespace refusal {
inline constexpr std::string_view Empty = "Tapez une valeur, par exemple 4k7";
inline constexpr std::string_view ToleranceNotListed = "Tolérance absente de la liste";
inline constexpr std::string_view Eia96Code = "Code EIA-96 : de 01 à 96";
} // namespace refusal

struct ValueReading {
    std::optional<TypedValue> value;
    std::string_view refusal; // empty when the value was read
};

ValueReading readValue(std::string_view text);

// What digits alone mean printed on a surface-mount part: three or four digits,
// the last a power of ten ("103" is 10 kΩ, "4702" 47 kΩ), or zeros alone, a
// 0 Ω link. None for any other text.
std::optional<Decimal> printedCodeOhms(std::string_view text);

// Whether a value the reader takes can begin with this one character: a digit, a
// decimal mark, or a prefix standing for the mark ("k47", "R47").
bool beginsValue(std::string_view character);

} // namespace colourcode
