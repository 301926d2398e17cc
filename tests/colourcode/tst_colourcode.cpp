// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/bandtables.h"
#include "colourcode/colourcode.h"

#include <QTest>
#include <utility>

using colourcode::ColourCode;
// A handler of one of the resistor page's lists, given the list's index.
using Select = void (ColourCode::*)(int);
Q_DECLARE_METATYPE(Select)

class TestColourCode : public QObject {
    Q_OBJECT
private slots:
    void valueText_data();
    void valueText();
    void multiplierTable_data();
    void multiplierTable();
    void outOfRangeLeavesState_data();
    void outOfRangeLeavesState();
    void toggleBandCount();
    void toleranceLookup_data();
    void toleranceLookup();
    void tables();
};

namespace {

// Digit bands by colour row, then the multiplier row.
ColourCode codeFor(int a, int b, int c, int multiplier) {
    ColourCode code;
    code.SelectFirstDigit(a - 1);
    code.SelectSecondDigit(b);
    code.SelectThirdDigit(c);
    code.ApplyMultiplier(multiplier);
    return code;
}

} // namespace

void TestColourCode::valueText_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<bool>("five");
    QTest::addColumn<QString>("text");
    QTest::newRow("brown red orange") << 1 << 2 << 0 << 3 << false << "Valeur = 12 K";
    QTest::newRow("yellow violet brown") << 4 << 7 << 0 << 1 << false << "Valeur = 470";
    QTest::newRow("red red black") << 2 << 2 << 0 << 0 << false << "Valeur = 22 ";
    QTest::newRow("brown black red") << 1 << 0 << 0 << 2 << false << "Valeur = 1,0 K";
    QTest::newRow("green blue yellow") << 5 << 6 << 0 << 4 << false << "Valeur = 560 K";
    QTest::newRow("brown black green") << 1 << 0 << 0 << 5 << false << "Valeur = 1,0 M";
    QTest::newRow("brown black black brown") << 1 << 0 << 0 << 1 << true << "Valeur = 1,00 K";
    QTest::newRow("orange orange black black") << 3 << 3 << 0 << 0 << true << "Valeur = 330 ";
    QTest::newRow("yellow violet black red") << 4 << 7 << 0 << 2 << true << "Valeur = 47,0 K";
    QTest::newRow("red yellow white yellow") << 2 << 4 << 9 << 4 << true << "Valeur = 2,49 M";
    QTest::newRow("white x4") << 9 << 9 << 9 << 9 << true << "Valeur = 999 G";
}

void TestColourCode::valueText() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, multiplier);
    QFETCH(bool, five);
    QFETCH(QString, text);
    const ColourCode code = codeFor(a, b, c, multiplier);
    QCOMPARE(QString::fromStdString(code.ComposeValueText(five)), text);
}

void TestColourCode::multiplierTable_data() {
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QString>("four");
    QTest::addColumn<QString>("five");
    // Digits 4, 7, 3: every digit stays visible, zeros or not.
    const char *rows[][2] = {
        {"47 ", "473 "},     {"470", "4,73 K"},   {"4,7 K", "47,3 K"}, {"47 K", "473 K"},
        {"470 K", "4,73 M"}, {"4,7 M", "47,3 M"}, {"47 M", "473 M"},   {"470 M", "4,73 G"},
        {"4,7 G", "47,3 G"}, {"47 G", "473 G"},
    };
    for (int i = 0; i < 10; ++i)
        QTest::addRow("x10^%d", i) << i << QStringLiteral("Valeur = ") + QLatin1String(rows[i][0])
                                   << QStringLiteral("Valeur = ") + QLatin1String(rows[i][1]);
}

void TestColourCode::multiplierTable() {
    QFETCH(int, multiplier);
    QFETCH(QString, four);
    QFETCH(QString, five);
    const ColourCode code = codeFor(4, 7, 3, multiplier);
    QCOMPARE(QString::fromStdString(code.ComposeValueText(false)), four);
    QCOMPARE(QString::fromStdString(code.ComposeValueText(true)), five);
}

void TestColourCode::outOfRangeLeavesState_data() {
    QTest::addColumn<Select>("select");
    QTest::addColumn<int>("index");
    // Just past the end of each list; the first digit has no black, so 9 colours.
    QTest::newRow("first digit 9, past its 9 colours") << &ColourCode::SelectFirstDigit << 9;
    QTest::newRow("second digit 10, past its 10 colours") << &ColourCode::SelectSecondDigit << 10;
    QTest::newRow("third digit 10, past its 10 colours") << &ColourCode::SelectThirdDigit << 10;
    QTest::newRow("multiplier 10, past its 10 rows") << &ColourCode::ApplyMultiplier << 10;
    QTest::newRow("tolerance 7, past its 7 rows") << &ColourCode::LookupTolerance << 7;
    // No selection, and far out, in every list.
    const std::pair<const char *, Select> lists[] = {
        {"first digit", &ColourCode::SelectFirstDigit},
        {"second digit", &ColourCode::SelectSecondDigit},
        {"third digit", &ColourCode::SelectThirdDigit},
        {"multiplier", &ColourCode::ApplyMultiplier},
        {"tolerance", &ColourCode::LookupTolerance}};
    for (const auto &[list, select] : lists) {
        QTest::addRow("%s, no selection", list) << select << -1;
        QTest::addRow("%s, far out", list) << select << 1000;
    }
}

void TestColourCode::outOfRangeLeavesState() {
    QFETCH(Select, select);
    QFETCH(int, index);
    ColourCode code = codeFor(5, 6, 7, 4);
    code.LookupTolerance(1);
    const ColourCode before = code;
    (code.*select)(index);
    QCOMPARE(code, before);
    QCOMPARE(QString::fromStdString(code.ComposeValueText(false)),
             QStringLiteral("Valeur = 560 K"));
}

void TestColourCode::toggleBandCount() {
    ColourCode code = codeFor(2, 4, 9, 5);
    code.LookupTolerance(3);
    code.ToggleBandCount();
    QCOMPARE(code.Digit3, 0);
    QCOMPARE(code.FourBandFormat, 0);
    QCOMPARE(code.FiveBandFormat, 0);
    // The rest of the state survives the switch.
    QCOMPARE(code.Digit1, 2);
    QCOMPARE(code.Digit2, 4);
    QCOMPARE(QString::fromStdString(code.ToleranceText), QStringLiteral("- tolérance ±2%"));
    // The caller re-applies the multiplier; the chosen third digit does not come back.
    code.ApplyMultiplier(5);
    QCOMPARE(QString::fromStdString(code.ComposeValueText(true)),
             QStringLiteral("Valeur = 24,0 M"));
}

void TestColourCode::toleranceLookup_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ring");
    QTest::newRow("silver") << 0 << "- tolérance ±10%"
                            << "Anneau argent";
    QTest::newRow("gold") << 1 << "- tolérance ±5%"
                          << "Anneau doré";
    QTest::newRow("brown") << 2 << "- tolérance ±1%"
                           << "Anneau marron";
    QTest::newRow("red") << 3 << "- tolérance ±2%"
                         << "Anneau rouge";
    QTest::newRow("green") << 4 << "- tolérance ±0,5%"
                           << "Anneau vert";
    QTest::newRow("blue") << 5 << "- tolérance ±0,25%"
                          << "Anneau bleu";
    QTest::newRow("violet") << 6 << "- tolérance ±0,1%"
                            << "Anneau violet";
}

void TestColourCode::toleranceLookup() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, ring);
    ColourCode code;
    code.LookupTolerance(row);
    QCOMPARE(QString::fromStdString(code.ToleranceText), text);
    QCOMPARE(QString::fromUtf8(colourcode::toleranceRow(row)->ringName.data(),
                               qsizetype(colourcode::toleranceRow(row)->ringName.size())),
             ring);
}

void TestColourCode::tables() {
    // The stored decimal texts must read back as the colour values.
    for (const auto &row : colourcode::BandPalette)
        QCOMPARE(std::stoul(std::string(row.decimalText)), row.colour);
    for (const auto &row : colourcode::ToleranceTable)
        QCOMPARE(std::stoul(std::string(row.decimalText)), row.colour);
    QVERIFY(!colourcode::bandRow(-1));
    QVERIFY(!colourcode::bandRow(10));
    QVERIFY(!colourcode::toleranceRow(7));
}

QTEST_APPLESS_MAIN(TestColourCode)
#include "tst_colourcode.moc"
