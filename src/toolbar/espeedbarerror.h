// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The toolbar's own error: raised when a property of the bar is given a value it
// cannot take (an alignment the bar cannot dock to, a duplicate section caption).

#include <stdexcept>
#include <string>

class ESpeedbarError : public std::runtime_error {
public:
    explicit ESpeedbarError(const std::string &message);

    static const char *const AutoPositionMessage;
    static const char *const DuplicateMessage;
};
