// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fontpreload.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace platform {

FontPreload::FontPreload() {
    // One heap for both threads: the configuration outlives the thread, and a
    // heap of its own would keep the reading's scraps besides.
    mallopt(M_ARENA_MAX, 1);
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: the toolkit reads it itself when it needs it.
    }
}

FontPreload::~FontPreload() {
    wait();
}

void FontPreload::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace platform
