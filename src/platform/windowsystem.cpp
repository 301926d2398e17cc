// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windowsystem.h"

namespace platform {

namespace {
int noText(char *buffer, int size) {
    if (buffer && size > 0)
        buffer[0] = '\0';
    return -1;
}
} // namespace

int NullWindowSystem::className(WindowId, char *buffer, int size) {
    return noText(buffer, size);
}

int NullWindowSystem::windowText(WindowId, char *buffer, int size) {
    return noText(buffer, size);
}

} // namespace platform
