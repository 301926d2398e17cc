// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/espeedbarerror.h"

const char *const ESpeedbarError::AutoPositionMessage =
    "Cannot set this property value while Position is bpAuto";
const char *const ESpeedbarError::DuplicateMessage =
    "Une liste de chaînes n'autorise pas de duplicatas";

ESpeedbarError::ESpeedbarError(const std::string &message) : std::runtime_error(message) {}
