// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the program asks of a help viewer for its help file, named without a
// folder: the index, a topic by its number, and closing what it opened.

#include <string>

namespace platform {

class HelpFacility {
public:
    virtual ~HelpFacility() = default;
    virtual void showIndex(const std::string &helpFile) = 0;
    virtual void showTopic(const std::string &helpFile, long topic) = 0;
    // Closes the help this program opened, if it is still open.
    virtual void quit() = 0;
};

} // namespace platform
