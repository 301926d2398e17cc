// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The core's UTF-8 texts as Qt strings, for comparing rows of the core's tests.

#include <QString>

#include <string_view>

inline QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}
