// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed values against the core alone: the resistances the reader takes and
// refuses, the series value it falls back on and the bands Enter would pick.

#include "colourcode/bandselection.h"
#include "colourcode/standardseries.h"
#include "colourcode/valuereader.h"

#include "common/coretext.h"

#include <QTest>

using namespace colourcode;

class TestValueReader : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void nearest_data();
    void nearest();
    void plans_data();
    void plans();
    void printedCodes_data();
    void printedCodes();
};

namespace {

constexpr BandSelection Start{false, 0, 2, 0, 3, 1}; // brown, red, orange, gold

} // namespace

void TestValueReader::reads_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qulonglong>("significand"); // 0 with a refusal
    QTest::addColumn<int>("exponent");
    QTest::addColumn<int>("tolerance"); // -1 when none was typed
    QTest::addColumn<QString>("refusal");
    for (const char *typed : {"4k7", "4,7 k", "4.7K", "4700", "4 700 Ω", " 4\u00A0700\u202Fohms "})
        QTest::newRow(typed) << typed << 47ull << 2 << -1 << "";
    QTest::newRow("470R") << "470R" << 47ull << 1 << -1 << "";
    QTest::newRow("k47") << "k47" << 47ull << 1 << -1 << "";
    QTest::newRow("1 M ±1 %") << "1 M ±1 %" << 1ull << 6 << 2 << "";
    QTest::newRow("4,99k") << "4,99k" << 499ull << 1 << -1 << "";
    QTest::newRow("2M2 5%") << "2M2 5%" << 22ull << 5 << 1 << "";
    QTest::newRow("1G5 +/-0,25%") << "1G5 +/-0,25%" << 15ull << 8 << 5 << "";
    QTest::newRow("10 000 ohm 10%") << "10 000 ohm 10%" << 1ull << 4 << 0 << "";
    QTest::newRow("empty") << " " << 0ull << 0 << -1 << text(refusal::Empty);
    for (const char *typed : {"4 70", "4k7k", "4,7k5", "abc", "5%", "4 k 7", "47 5"})
        QTest::newRow(typed) << typed << 0ull << 0 << -1 << text(refusal::NotRecognised);
    QTest::newRow("±20 %") << "1 M ±20 %" << 0ull << 0 << -1 << text(refusal::ToleranceNotListed);
    QTest::newRow("16 digits") << "1234567890123456" << 0ull << 0 << -1
                               << text(refusal::TooManyDigits);
}

void TestValueReader::reads() {
    QFETCH(QString, typed);
    QFETCH(qulonglong, significand);
    QFETCH(int, exponent);
    QFETCH(int, tolerance);
    QFETCH(QString, refusal);
    const ValueReading reading = readValue(typed.toStdString());
    QCOMPARE(text(reading.refusal), refusal);
    QCOMPARE(reading.value.has_value(), refusal.isEmpty());
    if (reading.value) {
        QCOMPARE(reading.value->ohms, (Decimal{significand, exponent}));
        QCOMPARE(reading.value->toleranceRow.value_or(-1), tolerance);
    }
}

void TestValueReader::nearest_data() {
    QTest::addColumn<qulonglong>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<int>("series");
    QTest::addColumn<qulonglong>("nearest");
    QTest::addColumn<int>("nearestExponent");
    const int E12 = int(Series::E12), E24 = int(Series::E24), E192 = int(Series::E192);
    QTest::newRow("E12 below halfway") << 1099ull << 0 << E12 << 1ull << 3;
    QTest::newRow("E12 halfway goes up") << 11ull << 2 << E12 << 12ull << 2;
    QTest::newRow("E24 4,89k") << 489ull << 1 << E24 << 47ull << 2;
    QTest::newRow("E24 4,9k") << 49ull << 2 << E24 << 51ull << 2;
    QTest::newRow("E24 over 9,1") << 9551ull << -3 << E24 << 1ull << 1;
    QTest::newRow("E192 920 not 919") << 9195ull << -1 << E192 << 92ull << 1;
    QTest::newRow("E192 top of decade") << 9939ull << 5 << E192 << 988ull << 6;
}

void TestValueReader::nearest() {
    QFETCH(qulonglong, significand);
    QFETCH(int, exponent);
    QFETCH(int, series);
    QFETCH(qulonglong, nearest);
    QFETCH(int, nearestExponent);
    QCOMPARE(nearestInSeries({significand, exponent}, Series(series)),
             (Decimal{nearest, nearestExponent}));
}

void TestValueReader::plans_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("fiveNow");
    QTest::addColumn<int>("toleranceNow");
    QTest::addColumn<QString>("preview");
    QTest::newRow("kept four") << "4k7" << false << 1
                               << "→ 4,7 K Ω ±5%\njaune, violet, rouge, doré";
    QTest::newRow("kept five") << "4k7" << true << 2
                               << "→ 4,70 K Ω ±1%\njaune, violet, noir, marron, marron";
    QTest::newRow("third digit")
        << "4,99k" << false << 1
        << "→ 4,99 K Ω ±5%, cinq anneaux\njaune, blanc, blanc, marron, doré";
    QTest::newRow("below 100") << "47" << true << 1
                               << "→ 47 Ω ±5%, quatre anneaux\njaune, violet, noir, doré";
    QTest::newRow("E24") << "4705" << false << 1
                         << "→ 4,7 K Ω ±5%, série E24\njaune, violet, rouge, doré";
    QTest::newRow("typed 1%: E96")
        << "4,705 k 1 %" << false << 1
        << "→ 4,75 K Ω ±1%, série E96, cinq anneaux\njaune, violet, vert, marron, marron";
    QTest::newRow("past four bands")
        << "150 G" << false << 1 << "→ 150 G Ω ±5%, cinq anneaux\nmarron, vert, noir, blanc, doré";
    QTest::newRow("too small") << "9,9" << false << 1 << text(refusal::TooSmall);
    QTest::newRow("too large") << "1000 G" << true << 1 << text(refusal::TooLarge);
    QTest::newRow("tera") << "1T" << true << 1 << text(refusal::TooLarge);
    QTest::newRow("rounds past the top") << "999,6G" << true << 6 << text(refusal::TooLarge);
    QTest::newRow("E96 under 100") << "47,3" << false << 2 << text(refusal::ThreeDigitsTooSmall);
    // EIA-96 codes of 1 % surface-mount parts: the first, a middle and the last
    // code, S beside X, a code past the series.
    QTest::newRow("01C") << "01C" << false << 1
                         << "→ 10,0 K Ω ±1%, CMS EIA-96, cinq anneaux\n"
                            "marron, noir, noir, rouge, marron";
    QTest::newRow("68A") << "68A" << true << 1
                         << "→ 499 Ω ±1%, CMS EIA-96\njaune, blanc, blanc, noir, marron";
    QTest::newRow("96F") << " 96F " << false << 1
                         << "→ 97,6 M Ω ±1%, CMS EIA-96, cinq anneaux\n"
                            "blanc, violet, bleu, vert, marron";
    QTest::newRow("01S: two digits below 100") << "01S" << true << 1
                                               << "→ 10 Ω ±1%, CMS EIA-96, quatre anneaux\n"
                                                  "marron, noir, noir, marron";
    QTest::newRow("47S") << "47S" << true << 1 << text(refusal::ThreeDigitsTooSmall);
    QTest::newRow("97A") << "97A" << true << 1 << text(refusal::Eia96Code);
}

void TestValueReader::printedCodes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("note");
    QTest::newRow("103") << "103"
                         << "CMS 103 : 10 K Ω";
    QTest::newRow("4702") << "4702"
                          << "CMS 4702 : 47 K Ω";
    QTest::newRow("4700: 470 Ω on a part") << " 4700"
                                           << "CMS 4700 : 470 Ω";
    QTest::newRow("000") << "000"
                         << "CMS 000 : pont 0 Ω";
    QTest::newRow("0") << "0"
                       << "CMS 0 : pont 0 Ω";
    for (const char *typed : {"47", "4k7", "47000", "103 Ω", "4 700"})
        QTest::newRow(typed) << typed << "";
}

void TestValueReader::printedCodes() {
    QFETCH(QString, typed);
    QFETCH(QString, note);
    QCOMPARE(QString::fromStdString(planEntry(typed.toStdString(), Start).printedCode), note);
}

void TestValueReader::plans() {
    QFETCH(QString, typed);
    QFETCH(bool, fiveNow);
    QFETCH(int, toleranceNow);
    QFETCH(QString, preview);
    const BandSelection now{fiveNow, 0, 2, 0, 3, toleranceNow};
    const EntryPlan plan = planEntry(typed.toStdString(), now);
    QCOMPARE(QString::fromStdString(plan.preview), preview);
    QCOMPARE(plan.bands.has_value(), preview.startsWith(u'→'));
    if (plan.bands) {
        // The entry's notation of the result reads back as the same bands.
        QCOMPARE(planEntry(entryNotation(*plan.bands), *plan.bands).bands, plan.bands);
        QVERIFY(
            QString::fromStdString(readingText(*plan.bands)).endsWith(preview.section(u'\n', 1)));
    }
    QCOMPARE(QString::fromStdString(readingText(Start)),
             QStringLiteral("12 K Ω ±5% : marron, rouge, orange, doré"));
}

QTEST_APPLESS_MAIN(TestValueReader)
#include "tst_valuereader.moc"
