// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The system's font configuration read on a thread of its own: the toolkit
// needs it for its first font, and reading it takes longer than connecting to
// the display, which goes on meanwhile on the first thread.

#include <thread>

namespace platform {

class FontPreload {
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    // Returns once the configuration is read; at once after the first time.
    void wait();

private:
    std::thread m_thread;
};

} // namespace platform
