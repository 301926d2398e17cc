// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitance guide as a user meets it: three columns under their unit, one
// row per value that reads the same capacitance in each unit, numbers written
// with a decimal comma and grouped only from five digits, laid out clear of the
// rules and of each other, read as they are seen, with the box's hint, and the
// same whatever the locale says about numbers. The whole test runs under a
// German system locale.

#include "common/layoutchecks.h"
#include "common/scratchwindow.h"
#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevel.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/timage.h"
#include "toolkit/tinlineentry.h"
#include "toolkit/tstatusbar.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QString BoxHint = QStringLiteral("Exemples de valeurs de conversion");

// Pixels only: a resource may be indexed, a pixmap never is.
QImage pixels(const QImage &image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A guide's number in picofarads per unit: "0,0022" µF is 2200 pF.
qint64 picofarads(QString text, qint64 perUnit) {
    text.remove(u' ').replace(u',', u'.');
    return qRound64(text.toDouble() * double(perUnit));
}

} // namespace

class TestCapacitancePage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void box();
    void columns();
    void rowsConvert();
    void numbersAsWritten();
    void labels();
    void columnRules();
    void picture();
    void hints();
    void readAsSeen();
    void textsIgnoreLocale_data();
    void textsIgnoreLocale();
    // Last: the answer's labels stay in the box, hidden, once made.
    void readsAMarking();
    void firstKeyKept();

private:
    // The guide's labels column by column, left to right, each from its header
    // down; the rules part the columns.
    QList<QList<TLabel *>> columnsOf(const QWidget *box) const;

    std::unique_ptr<TPrincipale> w;
};

void TestCapacitancePage::initTestCase() {
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    w = std::make_unique<ScratchWindow>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->BarreCapaciteClick();
    QCOMPARE(w->PageControl1->currentWidget(), w->TabSheet3);
}

QList<QList<TLabel *>> TestCapacitancePage::columnsOf(const QWidget *box) const {
    QList<QList<TLabel *>> columns(3);
    for (TLabel *label : layout::labelsOf(box)) {
        const int column = label->x() > w->Bevel2->x() ? 2 : label->x() > w->Bevel1->x() ? 1 : 0;
        columns[column] << label;
    }
    return columns;
}

void TestCapacitancePage::box() {
    QGroupBox *box = w->GroupBox2;
    QCOMPARE(box->parentWidget(), w->TabSheet3);
    QVERIFY(w->TabSheet3->rect().contains(box->geometry()));
    QCOMPARE(box->title(), QStringLiteral(" Guide de conversion "));
    QCOMPARE(tk::hint(box), BoxHint);
    QVERIFY(tk::showsHint(box));
    QVERIFY(!box->isFlat());
    // The box wears the palette's button face, which the page behind it need not.
    const QPalette original = QApplication::palette();
    QPalette classic = original;
    classic.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    classic.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xFF));
    QApplication::setPalette(classic);
    QCoreApplication::processEvents(); // the change reaches widgets through events
    const QImage shot = w->TabSheet3->grab().toImage();
    QApplication::setPalette(original);
    QCOMPARE(shot.pixel(box->geometry().right() - 8, box->y() + 2), qRgb(0xD4, 0xD0, 0xC8));
    QCOMPARE(shot.pixel(box->x() - 5, box->y() + 100), qRgb(0xFF, 0xFF, 0xFF));
}

// Under each unit's header, in bold black, its seven values in regular text,
// one under another, centred on one line; the rows stand at equal steps.
void TestCapacitancePage::columns() {
    const QList<QList<TLabel *>> columns = columnsOf(w->GroupBox2);
    const char *units[] = {"(µF)", "(nF)", "(pF)"};
    for (int c = 0; c < 3; ++c) {
        const QList<TLabel *> &column = columns[c];
        QCOMPARE(column.size(), 8);
        TLabel *header = column.first();
        QVERIFY2(header->text().endsWith(QString::fromUtf8(units[c])), qPrintable(header->text()));
        QVERIFY(header->font().bold());
        QCOMPARE(header->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(header->y(), columns[0].first()->y());
        QVERIFY(header->geometry().bottom() < column[1]->y());
        QList<int> centres;
        for (int k = 1; k < column.size(); ++k) {
            QVERIFY(!column[k]->font().bold());
            QCOMPARE(column[k]->y(), columns[0][k]->y());
            if (k > 1)
                QCOMPARE(column[k]->y() - column[k - 1]->y(), column[2]->y() - column[1]->y());
            QVERIFY(header->x() < column[k]->x() + column[k]->width() / 2 &&
                    column[k]->x() + column[k]->width() / 2 < header->geometry().right());
            centres << 2 * column[k]->x() + column[k]->width();
        }
        std::sort(centres.begin(), centres.end());
        const int median = centres[3];
        for (int centre : centres)
            QVERIFY2(qAbs(centre - median) <= 6, qPrintable(header->text()));
    }
}

// 1 µF = 1000 nF = 1 000 000 pF: each row is one capacitance three times, and
// the rows grow downwards.
void TestCapacitancePage::rowsConvert() {
    const QList<QList<TLabel *>> columns = columnsOf(w->GroupBox2);
    qint64 previous = 0;
    for (int k = 1; k < 8; ++k) {
        const qint64 pico = picofarads(columns[2][k]->text(), 1);
        QCOMPARE(picofarads(columns[0][k]->text(), 1000000), pico);
        QCOMPARE(picofarads(columns[1][k]->text(), 1000), pico);
        QVERIFY(pico > previous);
        previous = pico;
    }
    QCOMPARE(layout::textsOf(QList<TLabel *>{columns[0][7], columns[1][7], columns[2][7]}),
             (QStringList{"1,00", "1000", "1 000 000"}));
}

void TestCapacitancePage::numbersAsWritten() {
    // A decimal comma; blanks between groups of three only from five digits on.
    static const QRegularExpression number(
        QStringLiteral("^(\\d{1,4}|\\d{2,3}( \\d{3})+|\\d( \\d{3}){2,})(,\\d+)?$"));
    const QList<QList<TLabel *>> columns = columnsOf(w->GroupBox2);
    for (const QList<TLabel *> &column : columns)
        for (const TLabel *value : column.mid(1))
            QVERIFY2(number.match(value->text()).hasMatch(), qPrintable(value->text()));
}

void TestCapacitancePage::labels() {
    QList<QWidget *> controls{w->Image2};
    for (TLabel *label : layout::labelsOf(w->GroupBox2)) {
        QVERIFY(label->isVisible());
        QCOMPARE(label->font().pixelSize(), 11);
        QVERIFY2(layout::holdsItsText(label), qPrintable(label->text()));
        QVERIFY(tk::hint(label).isEmpty());
        // The rules are drawn along their left edge, two pixels wide.
        for (TBevel *rule : {w->Bevel1, w->Bevel2})
            QVERIFY2(label->geometry().right() < rule->x() || label->x() > rule->x() + 1,
                     qPrintable(label->text()));
        controls << label;
    }
    layout::expectApart(controls);
}

void TestCapacitancePage::columnRules() {
    const QList<QList<TLabel *>> columns = columnsOf(w->GroupBox2);
    const QImage shot = w->GroupBox2->grab().toImage();
    const QRgb light = w->GroupBox2->palette().color(QPalette::Light).rgb();
    const QRgb dark = w->GroupBox2->palette().color(QPalette::Dark).rgb();
    for (TBevel *rule : {w->Bevel1, w->Bevel2}) {
        const QRect geometry = rule->geometry();
        // From above the first row to below the last.
        QVERIFY(geometry.top() < columns[0][1]->y());
        QVERIFY(geometry.bottom() > columns[0].last()->geometry().bottom());
        // A raised line along the left edge: light, then dark, then the face
        // again, from the rule's top to its bottom and nowhere above or below.
        const int x = geometry.left();
        const QRgb face = shot.pixel(x + 6, geometry.center().y());
        QVERIFY(light != dark && dark != face && light != face);
        for (int y = geometry.top(); y <= geometry.bottom(); y += 7) {
            QCOMPARE(shot.pixel(x, y), light);
            QCOMPARE(shot.pixel(x + 1, y), dark);
            QCOMPARE(shot.pixel(x + 2, y), face);
        }
        QCOMPARE(shot.pixel(x + 1, geometry.bottom()), dark);
        QCOMPARE(shot.pixel(x + 1, geometry.bottom() + 1), face);
        QCOMPARE(shot.pixel(x + 1, geometry.top() - 1), face);
    }
}

void TestCapacitancePage::picture() {
    const QImage expected = tk::loadImage(QStringLiteral("CAPACITOR"));
    QCOMPARE(w->Image2->parentWidget(), w->GroupBox2);
    QCOMPARE(w->Image2->size(), expected.size());
    QCOMPARE(pixels(w->Image2->picture().toImage()), pixels(expected));
    const QImage shot = w->Image2->grab().toImage();
    QCOMPARE(shot.pixel(12, 12), pixels(expected).pixel(12, 12));
    QVERIFY(!QAccessible::queryAccessibleInterface(w->Image2)->text(QAccessible::Name).isEmpty());
}

// Every text, the picture, a rule and the box's bare surface show the box's
// hint; the page around it shows none.
void TestCapacitancePage::hints() {
    QList<std::pair<QPoint, QString>> places; // in the window
    QList<QWidget *> inBox{w->Image2, w->Bevel1};
    for (TLabel *label : layout::labelsOf(w->GroupBox2))
        inBox << label;
    for (QWidget *target : inBox)
        places.append({target->mapTo(w.get(), target->rect().center()), BoxHint});
    const QRect box = w->GroupBox2->geometry();
    places.append({w->TabSheet3->mapTo(w.get(), box.bottomRight() - QPoint(10, 10)), BoxHint});
    places.append({w->TabSheet3->mapTo(w.get(), box.bottomLeft() + QPoint(0, 4)), QString()});
    places.append({w->TabSheet3->mapTo(w.get(), box.topLeft() + QPoint(-4, 50)), QString()});
    for (const auto &[at, hint] : places) {
        // From elsewhere, the panel cleared, so that a stale text cannot pass.
        QTest::mouseMove(w->windowHandle(), w->StatusBar->geometry().center());
        Application()->setHint(QStringLiteral("?"));
        QTest::mouseMove(w->windowHandle(), at);
        QCOMPARE(w->StatusBar->panelText(1), hint);
    }
}

void TestCapacitancePage::readAsSeen() {
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(w->GroupBox2);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Guide de conversion"));
    QCOMPARE(box->text(QAccessible::Description), BoxHint);
    QStringList heard;
    for (int i = 0; i < box->childCount(); ++i) {
        QAccessibleInterface *child = box->child(i);
        if (child->role() == QAccessible::StaticText)
            heard << child->text(QAccessible::Name);
        else if (child->object() != w->Image2)
            QCOMPARE(child->role(), QAccessible::Separator);
    }
    QCOMPARE(heard, layout::textsOf(layout::labelsOf(w->GroupBox2)));
}

void TestCapacitancePage::textsIgnoreLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
}

void TestCapacitancePage::textsIgnoreLocale() {
    QFETCH(QLocale, locale);
    auto shown = [](const QWidget *box) {
        QStringList texts;
        for (const TLabel *label : layout::labelsOf(box))
            texts
                << QStringLiteral("%1 at %2,%3").arg(label->text()).arg(label->x()).arg(label->y());
        return texts;
    };
    const QStringList guide = shown(w->GroupBox2);
    const QStringList direct = shown(w->GroupBox3);
    const QLocale previous;
    QLocale::setDefault(locale);
    // The locale really writes these numbers otherwise.
    QVERIFY(QLocale().toString(10000) != QLatin1String("10 000"));
    QVERIFY(QLocale().toString(1000000) != QLatin1String("1 000 000"));
    QVERIFY(QLocale().toString(1000) != QLatin1String("1000") ||
            QLocale().toString(0.0022, 'f', 4) != QLatin1String("0,0022"));
    {
        ScratchWindow window;
        window.TabSheet2->buildNow();
        window.TabSheet3->buildNow();
        QCOMPARE(shown(window.GroupBox2), guide);
        QCOMPARE(shown(window.GroupBox3), direct);
    }
    QLocale::setDefault(previous);
}

// A digit typed while the guide shows opens the entry below its rows; the answer
// stands as one more row, each value under its unit and converting as the rows
// do, with the tolerance the letter gives; Escape leaves the guide as it was.
void TestCapacitancePage::readsAMarking() {
    const QImage before = w->GroupBox2->grab().toImage();
    QTest::keyClick(w.get(), Qt::Key_4);
    QVERIFY(w->MarkingEntry && w->MarkingEntry->hasFocus());
    QTest::keyClicks(w->MarkingEntry, QStringLiteral("73J"));
    const QList<QList<TLabel *>> columns = columnsOf(w->GroupBox2);
    const QList<TLabel *> answer{w->MarkingMicro, w->MarkingNano, w->MarkingPico};
    QCOMPARE(layout::textsOf(answer), (QStringList{"0,047", "47", "47 000"}));
    for (int c = 0; c < 3; ++c) {
        QVERIFY(answer[c]->isVisible());
        QCOMPARE(answer[c]->y() - columns[c][7]->y(), columns[c][7]->y() - columns[c][6]->y());
        QVERIFY(qAbs(answer[c]->geometry().center().x() - columns[c][7]->geometry().center().x()) <=
                1);
        QCOMPARE(picofarads(answer[c]->text(), c == 0 ? 1000000 : c == 1 ? 1000 : 1), 47000);
    }
    QCOMPARE(w->MarkingTolerance->text(), QStringLiteral("± 5 %"));
    layout::expectApart(
        {w->MarkingEntry, w->MarkingMicro, w->MarkingNano, w->MarkingPico, w->MarkingTolerance});
    QCOMPARE(w->MarkingEntry->accessibleName(), QStringLiteral("Marquage à lire"));
    QCOMPARE(w->MarkingEntry->accessibleDescription(),
             QStringLiteral("0,047 µF, 47 nF, 47 000 pF, ± 5 %"));
    QTest::keyClick(w->MarkingEntry, Qt::Key_Escape);
    QVERIFY(!w->MarkingEntry->isVisible() && !w->MarkingPico->isVisible());
    QCOMPARE(w->GroupBox2->grab().toImage(), before);
}

// The unit letter that opens the entry is the marking's decimal mark; a voltage
// code after it stands at the row's end.
void TestCapacitancePage::firstKeyKept() {
    w->PageControl1->tabBar()->setFocus();
    QTest::keyClick(w->PageControl1->tabBar(), Qt::Key_N);
    QVERIFY(w->MarkingEntry->hasFocus());
    QTest::keyClicks(w->MarkingEntry, QStringLiteral("47 2A"));
    QCOMPARE(w->MarkingPico->text(), QStringLiteral("470"));
    QCOMPARE(w->MarkingTolerance->text(), QStringLiteral("100 V"));
    QVERIFY(w->MarkingTolerance->geometry().left() > w->MarkingPico->geometry().right());
    QVERIFY(w->GroupBox2->contentsRect().contains(w->MarkingTolerance->geometry()));
    // A long answer and a long ending share the row.
    w->MarkingEntry->setText(QStringLiteral("10000µF M 100V"));
    QCOMPARE(w->MarkingTolerance->text(), QStringLiteral("± 20 % · 100 V"));
    QVERIFY(w->MarkingTolerance->geometry().left() > w->MarkingPico->geometry().right());
    QVERIFY(w->MarkingPico->x() > w->Bevel2->x());
    QTest::keyClick(w->MarkingEntry, Qt::Key_Escape);
}

int main(int argc, char **argv) {
    // A system locale whose digit grouping is not the guide's.
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestCapacitancePage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capacitancepage.moc"
