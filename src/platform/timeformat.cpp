// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/timeformat.h"

namespace platform {

namespace {

// Quoted literals ('...') are not pattern letters.
QString withoutQuoted(const QString &pattern) {
    QString out;
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted)
            out += c;
    }
    return out;
}

} // namespace

LongTimeFormat LongTimeFormat::fromLocale(const QLocale &locale) {
    // Read again at every clock tick, so it stays a plain scan.
    const QString pattern = withoutQuoted(locale.timeFormat(QLocale::LongFormat));
    LongTimeFormat f;
    f.twelveHour = pattern.contains(QLatin1Char('a'), Qt::CaseInsensitive) &&
                   pattern.contains(QLatin1Char('h'));
    const qsizetype hour = pattern.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (hour >= 0) {
        f.leadingZero = hour + 1 < pattern.size() && pattern.at(hour + 1) == pattern.at(hour);
        qsizetype after = hour + (f.leadingZero ? 2 : 1);
        if (after < pattern.size() && pattern.at(after) != QLatin1Char('m')) {
            qsizetype end = pattern.indexOf(QLatin1Char('m'), after);
            if (end > after)
                f.separator = pattern.mid(after, end - after);
        }
    }
    f.am = locale.amText();
    f.pm = locale.pmText();
    return f;
}

QString LongTimeFormat::format(QTime time) const {
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    const QLatin1Char zero('0');
    QString text =
        leadingZero ? QStringLiteral("%1").arg(hour, 2, 10, zero) : QString::number(hour);
    text += separator + QStringLiteral("%1").arg(time.minute(), 2, 10, zero);
    text += separator + QStringLiteral("%1").arg(time.second(), 2, 10, zero);
    if (twelveHour)
        text += QLatin1Char(' ') + (time.hour() < 12 ? am : pm);
    return text;
}

} // namespace platform
