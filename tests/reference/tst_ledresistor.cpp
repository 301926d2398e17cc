// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED's series resistor against the core alone: the card's cells from the
// rule, the answers as the page writes them, and what the reader refuses.

#include "reference/ledresistor.h"

#include "common/coretext.h"

#include <QTest>

using namespace reference;

class TestLedResistor : public QObject {
    Q_OBJECT
private slots:
    void cardCells_data();
    void cardCells();
    void answers_data();
    void answers();
    void refusals_data();
    void refusals();
    void spoken();
};

namespace {

QString ohms(const Decimal &value) {
    return QString::fromStdString(colourcode::frenchNumber(value));
}

} // namespace

// Each of the card's sixteen values is the E12 value at or above the exact
// resistance, or the one below it.
void TestLedResistor::cardCells_data() {
    QTest::addColumn<QString>("supply");
    QTest::addColumn<bool>("alternating");
    QTest::addColumn<QStringList>("values"); // red, then green
    const char *const cells[][3] = {
        {"5", "270", "120"},    {"12", "1000", "470"},    {"15", "1200", "560"},
        {"24", "2200", "1000"}, {"6~", "180", "100"},     {"12~", "470", "270"},
        {"24~", "1000", "560"}, {"115~", "5600", "3300"},
    };
    for (const auto &cell : cells)
        QTest::newRow(cell[0]) << cell[0] << QByteArray(cell[0]).endsWith('~')
                               << QStringList{cell[1], cell[2]};
}

void TestLedResistor::cardCells() {
    QFETCH(QString, supply);
    QFETCH(bool, alternating);
    QFETCH(QStringList, values);
    const LedAnswer answer = answerLed(supply.toStdString(), Supply::Direct);
    QCOMPARE(answer.supply, alternating ? Supply::Alternating : Supply::Direct);
    QVERIFY(answer.cardRows);
    QCOMPARE(int(answer.rows.size()), 2);
    for (int row = 0; row < 2; ++row) {
        const LedRow &led = answer.rows[std::size_t(row)];
        const QStringList offered{ohms(led.above.ohms),
                                  led.below ? ohms(led.below->ohms) : QString()};
        QVERIFY2(offered.contains(values[row]), qPrintable(offered.join(u'/')));
    }
}

void TestLedResistor::answers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("alternatingShown");
    QTest::addColumn<QString>("answer"); // the column's header, then each row's details
    QTest::newRow("9: the card's rows")
        << "9" << false
        << "9 V=\n"
           "Led rouge 2,0 V, 10 mA : 820 Ω, 8,5 mA ou 680 Ω, 10 mA · 0,06 W → ⅛ W\n"
           "Led verte, jaune 2,2 V, 20 mA : 390 Ω, 17 mA ou 330 Ω, 21 mA · 0,12 W → ¼ W";
    QTest::newRow("12 V: an exact E12 value is one value")
        << "12 V" << false
        << "12 V=\n"
           "Led rouge 2,0 V, 10 mA : 1000 Ω, 10 mA · 0,1 W → ¼ W\n"
           "Led verte, jaune 2,2 V, 20 mA : 560 Ω, 18 mA ou 470 Ω, 21 mA · 0,17 W → ½ W";
    QTest::newRow("115 V~: the whole supply across the resistor")
        << "115 V~" << false
        << "115 V~\n"
           "Led rouge 2,0 V, 20 mA : 6800 Ω, 17 mA ou 5600 Ω, 20 mA · 1,9 W → 5 W\n"
           "Led verte, jaune 2,2 V, 40 mA : 3300 Ω, 34 mA ou 2700 Ω, 42 mA · 4 W → plus de 5 W";
    QTest::newRow("three in series")
        << "12 V 3 leds rouges" << false
        << "12 V=\n3 × Led rouge 2,0 V, 20 mA : 330 Ω, 18 mA ou 270 Ω, 22 mA · 0,11 W → ¼ W";
    QTest::newRow("a blue LED on 3,3 V")
        << "3,3V bleue" << false
        << "3,3 V=\nLed bleue 3,2 V, 20 mA : 5,6 Ω, 18 mA ou 4,7 Ω, 21 mA · 0,002 W → ⅛ W · "
           "moins de 0,5 V pour la résistance : courant incertain";
    QTest::newRow("a forward voltage and a low current")
        << "5 2mA 1,8 V" << false
        << "5 V=\nLed 1,8 V, 2 mA : 1800 Ω, 1,8 mA ou 1500 Ω, 2,1 mA · 0,01 W → ⅛ W";
    QTest::newRow("= sets direct supply")
        << "24 V= x2 blanc 0,015 A" << true
        << "24 V=\n2 × Led blanche 3,2 V, 15 mA : 1200 Ω, 15 mA ou 1000 Ω, 18 mA · 0,26 W → 1 W";
    QTest::newRow("the mode shown, twice the current for a named LED")
        << "24 verte" << true
        << "24 V~\nLed verte 2,2 V, 40 mA : 560 Ω, 39 mA ou 470 Ω, 46 mA · 1 W → 3 W";
}

void TestLedResistor::answers() {
    QFETCH(QString, typed);
    QFETCH(bool, alternatingShown);
    QFETCH(QString, answer);
    const LedAnswer led =
        answerLed(typed.toStdString(), alternatingShown ? Supply::Alternating : Supply::Direct);
    QCOMPARE(text(led.refusal), QString());
    QStringList lines{QString::fromStdString(columnHeader(led))};
    for (const LedRow &row : led.rows)
        lines << QString::fromStdString(rowDetails(row, Warning::Full));
    QCOMPARE(lines.join(u'\n'), answer);
}

void TestLedResistor::refusals_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    for (const char *typed : {"abc", "9 V rouge bleu", "9 V 10 mA 20 mA", "20 mA", "9 V 3 V 2 V"})
        QTest::newRow(typed) << typed << text(colourcode::refusal::NotRecognised);
    const std::pair<const char *, std::string_view> rows[] = {
        {" ", refusal::EmptyQuestion},
        {"9 V 3", refusal::UnitMissingLed},
        {"401 V", refusal::SupplyTooHigh},
        {"9 V 0,09 mA", refusal::CurrentTooLow},
        {"9 V 1,5 A", refusal::CurrentTooHigh},
        {"230 V 21 leds", refusal::LedCount},
        {"9 V 0,4 V", refusal::ForwardVoltage},
        {"3,2 V bleue", refusal::SupplyTooLowOne},
        {"6 V x3 rouge", refusal::SupplyTooLowMany},
        {"9,0000001 V", colourcode::refusal::TooManyDigits},
    };
    for (const auto &[typed, why] : rows)
        QTest::newRow(typed) << typed << text(why);
}

void TestLedResistor::refusals() {
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QCOMPARE(text(answerLed(typed.toStdString(), Supply::Direct).refusal), refusal);
}

// What a screen reader says: units as words, one of a unit in the singular.
void TestLedResistor::spoken() {
    const auto said = [](const char *typed) {
        return QString::fromStdString(spokenAnswer(answerLed(typed, Supply::Direct)));
    };
    QVERIFY(said("1 V 0,5 V 1 mA").startsWith("1 volt continu. Led 0,5 volts, 1 milliampère : "));
    QVERIFY(said("24 V~").contains("0,48 watts, à prendre en 1 watt. "));
}

QTEST_APPLESS_MAIN(TestLedResistor)
#include "tst_ledresistor.moc"
