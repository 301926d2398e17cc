// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The user's long time format, reduced to what the clock shows: the hour with or
// without a leading zero, minutes, seconds, the separator and, on a 12-hour
// clock, the morning and afternoon designators.

#include <QLocale>
#include <QString>
#include <QTime>

namespace platform {

struct LongTimeFormat {
    bool leadingZero = true;
    bool twelveHour = false;
    QString separator = QStringLiteral(":");
    QString am;
    QString pm;

    static LongTimeFormat fromLocale(const QLocale &locale);
    static LongTimeFormat system() { return fromLocale(QLocale::system()); }

    QString format(QTime time) const;
};

} // namespace platform
