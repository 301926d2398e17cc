// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The standard series of preferred resistor values (E12 to E192) and the value
// of a series nearest to a typed one, each series the one that makes sense for a
// tolerance: the wider the tolerance, the fewer values are worth making.

#include "colourcode/typedtext.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace colourcode {

enum class Series { E12, E24, E48, E96, E192 };

std::string_view seriesName(Series series);

// ±10 % E12, ±5 % E24, ±2 % E48, ±1 % E96, finer E192.
Series seriesForTolerance(int hundredthsOfPercent);

// One decade of the series as three-digit values, from 100 up: 100, 120 ... 820 for E12.
std::vector<std::uint64_t> seriesDecade(Series series);

// The series value nearest to a positive value, by difference; halfway goes up.
Decimal nearestInSeries(const Decimal &value, Series series);

} // namespace colourcode
