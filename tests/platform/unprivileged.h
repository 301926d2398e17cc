// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Root writes to read-only files and folders regardless of their modes; tests of
// those cases drop to the unprivileged "nobody" before anything else runs.

#include <grp.h>
#include <unistd.h>

inline bool dropRootPrivileges() {
    if (::geteuid() != 0)
        return true;
    constexpr uid_t Nobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(Nobody) == 0 && ::setuid(Nobody) == 0;
}

// False where privileges could not be dropped: read-only modes do not hold then.
inline bool fileModesApply() {
    return ::geteuid() != 0;
}
