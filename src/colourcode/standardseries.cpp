// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/standardseries.h"

#include <array>
#include <span>

namespace colourcode {

namespace {

// Each decade's values as three digits. E12 is every other E24 value; E96 every
// other E192 value and E48 every fourth (920 is the standard's, not the rounded 919).
constexpr std::array<std::uint64_t, 24> E24 = {
    100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
    330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910,
};

constexpr std::array<std::uint64_t, 192> E192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

struct SeriesRow {
    Series series;
    std::string_view name;
    std::span<const std::uint64_t> decade;
    std::size_t stride;
};

constexpr SeriesRow SeriesRows[] = {
    {Series::E12, "E12", E24, 2},  {Series::E24, "E24", E24, 1},    {Series::E48, "E48", E192, 4},
    {Series::E96, "E96", E192, 2}, {Series::E192, "E192", E192, 1},
};

const SeriesRow &rowOf(Series series) {
    return SeriesRows[std::size_t(series)];
}

} // namespace

std::string_view seriesName(Series series) {
    return rowOf(series).name;
}

std::vector<std::uint64_t> seriesDecade(Series series) {
    const SeriesRow &row = rowOf(series);
    std::vector<std::uint64_t> values;
    for (std::size_t i = 0; i < row.decade.size(); i += row.stride)
        values.push_back(row.decade[i]);
    return values;
}

Series seriesForTolerance(int hundredthsOfPercent) {
    if (hundredthsOfPercent >= 1000)
        return Series::E12;
    if (hundredthsOfPercent >= 500)
        return Series::E24;
    if (hundredthsOfPercent >= 200)
        return Series::E48;
    if (hundredthsOfPercent >= 100)
        return Series::E96;
    return Series::E192;
}

Decimal nearestInSeries(const Decimal &value, Series series) {
    // The value's digits against three-digit series values, both scaled to whole
    // numbers; with at most MaxSignificantDigits digits every product fits in 64 bits.
    const int digits = value.digitCount();
    const std::uint64_t scaled = value.significand * 100;
    const std::uint64_t scale = powerOfTen(digits - 1);
    const SeriesRow &row = rowOf(series);
    std::uint64_t below = row.decade.front(), above = 1000;
    for (std::size_t i = 0; i < row.decade.size(); i += row.stride) {
        if (row.decade[i] * scale > scaled) {
            above = row.decade[i];
            break;
        }
        below = row.decade[i];
    }
    const std::uint64_t nearest = 2 * scaled >= (below + above) * scale ? above : below;
    return normalised({nearest, value.exponent + digits - 3});
}

} // namespace colourcode
