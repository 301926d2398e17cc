// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock's long time format read from a locale: leading zero, separator and
// the 12-hour designators.

#include "platform/timeformat.h"

#include <QTest>

class TestTimeFormat : public QObject {
    Q_OBJECT
private slots:
    void longTimeFormat_data();
    void longTimeFormat();
};

void TestTimeFormat::longTimeFormat_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("french afternoon") << "fr_FR" << QTime(14, 5, 9) << "14:05:09";
    QTest::newRow("french morning, leading zero") << "fr_FR" << QTime(7, 5, 9) << "07:05:09";
    QTest::newRow("us afternoon") << "en_US" << QTime(14, 5, 9) << "2:05:09 PM";
    QTest::newRow("us midnight") << "en_US" << QTime(0, 0, 1) << "12:00:01 AM";
    QTest::newRow("finnish separator, no leading zero") << "fi_FI" << QTime(7, 5, 9) << "7.05.09";
}

void TestTimeFormat::longTimeFormat() {
    QFETCH(QString, locale);
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(platform::LongTimeFormat::fromLocale(QLocale(locale)).format(time), text);
}

QTEST_APPLESS_MAIN(TestTimeFormat)
#include "tst_timeformat.moc"
