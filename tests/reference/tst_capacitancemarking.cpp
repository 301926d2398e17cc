// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Capacitor markings against the core alone: what the reader takes and refuses,
// and the answer as the conversion guide writes it.

#include "reference/capacitancemarking.h"

#include "common/coretext.h"

#include <QTest>

using namespace reference;

class TestCapacitanceMarking : public QObject {
    Q_OBJECT
private slots:
    void markings_data();
    void markings();
    void answers_data();
    void answers();
};

void TestCapacitanceMarking::markings_data() {
    QTest::addColumn<QString>("marking");
    QTest::addColumn<qulonglong>("significand"); // of picofarads; 0 with a refusal
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("tolerance"); // or the refusal
    const QString none;
    for (const char *marking : {"104", "0,1µF", "0.1 uF", "100nF", "100 n", "μ1"})
        QTest::newRow(marking) << marking << 1ull << 5 << none;
    QTest::newRow("473J") << "473J" << 47ull << 3 << "± 5 %";
    QTest::newRow("104 k") << "104 k" << 1ull << 5 << "± 10 %";
    QTest::newRow("225Z") << "225Z" << 22ull << 5 << "+80/−20 %";
    QTest::newRow("104m: ±20 %, not milli") << "104m" << 1ull << 5 << "± 20 %";
    QTest::newRow("47F: ±1 %, not farads") << "47F" << 47ull << 0 << "± 1 %";
    QTest::newRow("0,47 F: farads") << "0,47 F" << 47ull << 10 << none;
    QTest::newRow("470") << "470" << 47ull << 0 << none;
    QTest::newRow("100") << "100" << 1ull << 1 << none;
    QTest::newRow("109C") << "109C" << 1ull << 0 << "± 0,25 pF";
    QTest::newRow("478") << "478" << 47ull << -2 << none;
    QTest::newRow("47") << "47" << 47ull << 0 << none;
    QTest::newRow("4n7") << "4n7" << 47ull << 2 << none;
    QTest::newRow("n47") << "n47" << 47ull << 1 << none;
    QTest::newRow("2u2") << "2u2" << 22ull << 5 << none;
    QTest::newRow("1µ5") << "1µ5" << 15ull << 5 << none;
    QTest::newRow("4p7") << "4p7" << 47ull << -1 << none;
    QTest::newRow("1m") << "1m" << 1ull << 9 << none;
    QTest::newRow("2 200 pF") << "2 200 pF" << 22ull << 2 << none;
    QTest::newRow("4N700: a unit letter, no voltage code") << "4N700" << 47ull << 2 << none;
    QTest::newRow("104H") << "104H" << 1ull << 5 << "± 3 %";
    QTest::newRow("104P: +100/−0 %, not pico") << "104P" << 1ull << 5 << "+100/−0 %";
    QTest::newRow("empty") << "" << 0ull << 0 << text(refusal::EmptyMarking);
    for (const char *marking : {"2200", "4,7", "1"})
        QTest::newRow(marking) << marking << 0ull << 0 << text(refusal::UnitMissing);
    for (const char *marking : {"477", "104X", "abc", "4n7n", "104 JK"})
        QTest::newRow(marking) << marking << 0ull << 0 << text(refusal::MarkingNotRecognised);
    QTest::newRow("7 digits") << "1234567 pF" << 0ull << 0
                              << text(colourcode::refusal::TooManyDigits);
}

void TestCapacitanceMarking::markings() {
    QFETCH(QString, marking);
    QFETCH(qulonglong, significand);
    QFETCH(int, exponent);
    QFETCH(QString, tolerance);
    const MarkingReading reading = readMarking(marking.toStdString());
    QCOMPARE(reading.picofarads.has_value(), significand > 0);
    QCOMPARE(text(reading.picofarads ? reading.tolerance : reading.refusal), tolerance);
    if (reading.picofarads)
        QCOMPARE(*reading.picofarads, (Decimal{significand, exponent}));
}

void TestCapacitanceMarking::answers_data() {
    QTest::addColumn<QString>("marking");
    // µF, nF, pF, then the tolerance and voltage where there are; or the refusal alone
    QTest::addColumn<QStringList>("columns");
    // The guide's own rows, as its columns write them.
    const char *const guide[][4] = {
        {"102", "0,001", "1,0", "1000"},      {"222", "0,0022", "2,2", "2200"},
        {"103", "0,01", "10", "10 000"},      {"473", "0,047", "47", "47 000"},
        {"104", "0,1", "100", "100 000"},     {"334", "0,33", "330", "330 000"},
        {"105", "1,00", "1000", "1 000 000"},
    };
    for (const auto &row : guide)
        QTest::newRow(row[0]) << row[0] << QStringList{row[1], row[2], row[3]};
    const QStringList nano100{"0,1", "100", "100 000"};
    for (const char *marking : {"2A104J", "104J2A", "104J 100V", "104 J 100 V", "2A 104 J"})
        QTest::newRow(marking) << marking << (nano100 + QStringList{"± 5 % · 100 V"});
    QTest::newRow("22µF 25V") << "22µF 25V" << QStringList{"22", "22 000", "22 000 000", "25 V"};
    QTest::newRow("470µF/16V") << "470µF/16V"
                               << QStringList{"470", "470 000", "470 000 000", "16 V"};
    QTest::newRow("104 0J") << "104 0J" << (nano100 + QStringList{"6,3 V"});
    QTest::newRow("4n7J 2,5kV") << "4n7J 2,5kV"
                                << QStringList{"0,0047", "4,7", "4700", "± 5 % · 2,5 kV"};
    QTest::newRow("104J2I") << "104J2I" << QStringList{text(refusal::VoltageCodeUnknown)};
    for (const char *marking : {"104 20 kV", "104 0,5V"})
        QTest::newRow(marking) << marking << QStringList{text(refusal::VoltageOutOfRange)};
    QTest::newRow("1 µF as the guide writes it")
        << "1u" << QStringList{"1,00", "1000", "1 000 000"};
    QTest::newRow("smallest") << "108" << QStringList{"0,0000001", "0,0001", "0,1"};
    QTest::newRow("largest") << "1000m"
                             << QStringList{"1 000 000", "1 000 000 000", "1 000 000 000 000"};
    QTest::newRow("too small") << "0,09p" << QStringList{text(refusal::CapacitanceTooSmall)};
    QTest::newRow("too large") << "1001 mF" << QStringList{text(refusal::CapacitanceTooLarge)};
}

void TestCapacitanceMarking::answers() {
    QFETCH(QString, marking);
    QFETCH(QStringList, columns);
    const MarkingAnswer answer = answerMarking(marking.toStdString());
    QStringList shown{QString::fromStdString(answer.micro), QString::fromStdString(answer.nano),
                      QString::fromStdString(answer.pico)};
    if (!answer.tolerance.empty())
        shown << QString::fromStdString(answer.tolerance);
    if (!answer.refusal.empty())
        shown = QStringList{QString::fromStdString(answer.refusal)};
    QCOMPARE(shown, columns);
}

QTEST_APPLESS_MAIN(TestCapacitanceMarking)
#include "tst_capacitancemarking.moc"
