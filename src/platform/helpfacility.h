// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the program asks of a help viewer: the three commands of the old help
// engine, for a help file named without a folder.

#include <string>

namespace platform {

enum class HelpCommand { Context = 1, Quit = 2, Index = 3 };

class HelpFacility {
public:
    virtual ~HelpFacility() = default;
    // data is the topic number for Context, 0 otherwise.
    virtual void command(const std::string &helpFile, HelpCommand cmd, long data) = 0;
};

} // namespace platform
