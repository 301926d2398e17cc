// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED page as a user meets it: the start state, the supply toggle, the two
// tables laid out as a grid of supply voltages and LED rows, the hints in the
// status bar and what assistive technology reads.

#include "common/layoutchecks.h"
#include "common/scratchwindow.h"
#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevel.h"
#include "toolkit/tglyphbutton.h"
#include "toolkit/timage.h"
#include "toolkit/tlabel.h"
#include "toolkit/tshape.h"
#include "toolkit/tstatusbar.h"

#include "toolkit/tgroupbox.h"
#include "toolkit/tinlineentry.h"

#include <QAccessible>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QString Direct = QStringLiteral("Alim. Continu");
const QString Alternating = QStringLiteral("Alim. Alternatif");
const QString TableHint = QStringLiteral("Les valeurs en brun correspondent à une valeur en ohms");
const QString ButtonHint = QStringLiteral("Bascule Alimentation continu/alternatif");
const QColor Maroon(0x80, 0x00, 0x00);

// What the page shows that the toggle changes.
struct PageState {
    QString caption;
    QImage glyph;
    bool directTable, alternatingTable, note, diodeNote;
    bool operator==(const PageState &) const = default;
};

// The glyph's first image with its transparent colour (the bottom-left pixel) cleared.
QImage normalImage(const QString &resource) {
    const QImage strip = tk::loadImage(resource).convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = strip.pixel(0, strip.height() - 1);
    QImage image = strip.copy(0, 0, strip.width() / 2, strip.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == clear)
                image.setPixel(x, y, 0);
    return image;
}

// The darkest pixel of the grabbed widget: the core of its text's strokes.
QColor ink(QWidget *widget) {
    const QImage image = widget->grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < darkest.lightness())
                darkest = image.pixelColor(x, y);
    return darkest;
}

// Maroon strokes are red over the light face; black and grey ones are neutral.
bool reddish(const QColor &c) {
    return c.red() > c.green() + 40 && qAbs(c.green() - c.blue()) < 16;
}

// One supply's table as the eye parses it: the headers along the top, then two
// rows, each a mark, the LED's name, its current below the name and one value
// per header; a line parts the rows.
struct Table {
    struct Row {
        TShape *mark = nullptr;
        TLabel *name = nullptr;
        TLabel *current = nullptr;
        QList<TLabel *> values;
    };
    QList<TLabel *> headers;
    Row rows[2];
    TBevel *separator = nullptr;
};

Table tableOf(QGroupBox *box) {
    Table table;
    table.separator = box->findChild<TBevel *>();
    const QList<TLabel *> labels = layout::labelsOf(box);
    for (TLabel *label : labels) {
        if (label->y() == labels.first()->y()) {
            table.headers << label;
            continue;
        }
        Table::Row &row = table.rows[label->y() > table.separator->y() ? 1 : 0];
        if (label->palette().color(QPalette::WindowText) == Maroon)
            row.values << label;
        else if (label->font().bold())
            row.name = label;
        else
            row.current = label;
    }
    QList<TShape *> marks = box->findChildren<TShape *>();
    std::sort(marks.begin(), marks.end(), [](TShape *a, TShape *b) { return a->y() < b->y(); });
    for (int r = 0; r < 2 && r < marks.size(); ++r)
        table.rows[r].mark = marks[r];
    return table;
}

// "12 V=" and "115 V~": the voltage, and the supply by its sign.
int volts(const QString &header, QChar sign) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d+) V(.)$"));
    const QRegularExpressionMatch m = pattern.match(header);
    return m.hasMatch() && m.captured(2) == sign ? m.captured(1).toInt() : -1;
}

// Series resistors are sold in the E12 series: 1.0, 1.2, 1.5 ... 8.2 times a power of ten.
bool isE12(int ohms) {
    static const int mantissas[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
    while (ohms >= 100 && ohms % 10 == 0)
        ohms /= 10;
    return std::find(std::begin(mantissas), std::end(mantissas), ohms) != std::end(mantissas);
}

// Pixels only: a resource may be indexed, a pixmap never is.
QImage pixels(const QImage &image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestLedPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startState();
    void pageLayout_data();
    void pageLayout();
    void grid_data();
    void grid();
    void looks_data();
    void looks();
    void marksAndSeparator_data();
    void marksAndSeparator();
    void twoClicksRestoreStart();
    void tablesShareOnePlace();
    void glyphSwapInPixels();
    void hints_data();
    void hints();
    void tablesReadAsSeen_data();
    void tablesReadAsSeen();
    void computesTheResistor();
    void enterTakesTheResistor();

private:
    PageState state() const;
    void setMode(const QString &caption);
    QGroupBox *shownTable() const;
    void addModeColumn();

    std::unique_ptr<TPrincipale> w;
    PageState m_start;
    QList<QPoint> m_startBoxes;
};

void TestLedPage::initTestCase() {
    w = std::make_unique<ScratchWindow>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->BarreDiodeClick();
    QCOMPARE(w->PageControl1->currentWidget(), w->TabSheet2);
    m_start = state();
    m_startBoxes = {w->GroupBox3->pos(), w->GroupBox4->pos()};
}

void TestLedPage::init() {
    setMode(Direct);
}

PageState TestLedPage::state() const {
    return {w->AlimLed->text(),        w->AlimLed->glyph().toImage(), w->GroupBox3->isVisible(),
            w->GroupBox4->isVisible(), w->Label42->isVisible(),       w->Label61->isVisible()};
}

void TestLedPage::setMode(const QString &caption) {
    if (w->AlimLed->text() != caption)
        QTest::mouseClick(w->AlimLed, Qt::LeftButton);
    QCOMPARE(w->AlimLed->text(), caption);
}

QGroupBox *TestLedPage::shownTable() const {
    return w->AlimLed->text() == Direct ? w->GroupBox3 : w->GroupBox4;
}

void TestLedPage::addModeColumn() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("direct") << Direct;
    QTest::newRow("alternating") << Alternating;
}

void TestLedPage::startState() {
    // As the window came up, before any click.
    const PageState &start = m_start;
    QCOMPARE(start.caption, Direct);
    QVERIFY(!start.glyph.isNull());
    QCOMPARE(pixels(start.glyph), pixels(tk::loadImage(QStringLiteral("CONTINU"))));
    QVERIFY(start.directTable);
    QVERIFY(!start.alternatingTable);
    QVERIFY(start.note);
    QVERIFY(!start.diodeNote);
    QCOMPARE(m_startBoxes.size(), 2);
    QCOMPARE(m_startBoxes[0], m_startBoxes[1]);
    QVERIFY(!w->Image1->picture().isNull());
    QCOMPARE(pixels(w->Image1->picture().toImage()),
             pixels(tk::loadImage(QStringLiteral("IMAGE"))));
    QCOMPARE(w->Image1->pictureRect(), QRect(QPoint(0, 0), w->Image1->picture().size()));
}

// The button, the picture, the table and the sentences below it lie on the page
// apart from each other; the sentences hold their text, the diode note under the
// other one.
void TestLedPage::pageLayout_data() {
    addModeColumn();
}

void TestLedPage::pageLayout() {
    QFETCH(QString, mode);
    setMode(mode);
    QList<QWidget *> shown{w->AlimLed, w->Image1, shownTable(), w->Label42};
    if (mode == Alternating)
        shown << w->Label61;
    layout::expectApart(shown);
    for (QWidget *control : shown)
        QCOMPARE(control->parentWidget(), w->TabSheet2);
    for (TLabel *sentence : {w->Label42, w->Label61}) {
        QVERIFY(layout::holdsItsText(sentence));
        QVERIFY(tk::hintFor(sentence).isEmpty());
    }
    QVERIFY(w->Label61->y() > w->Label42->geometry().bottom());
    QVERIFY(w->Label42->y() > shownTable()->geometry().bottom());
    QCOMPARE(w->Image1->size(), w->Image1->picture().size());
    for (QGroupBox *box : {w->GroupBox3, w->GroupBox4}) {
        QCOMPARE(box->title(), QStringLiteral(" Valeur de résistance (en ohms) "));
        QCOMPARE(tk::hint(box), TableHint);
        QVERIFY(tk::showsHint(box));
    }
    QCOMPARE(tk::hint(w->AlimLed), ButtonHint);
    QVERIFY(tk::showsHint(w->AlimLed));
}

// Supply voltages rising left to right, named by "=" or "~" after the volts;
// in each row the mark, the name on the mark's line, the current under the
// name, and one value of the E12 series under each header, rising with the
// voltage; the row drawing more current takes less resistance.
void TestLedPage::grid_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("sign");
    QTest::newRow("direct") << Direct << "=";
    QTest::newRow("alternating") << Alternating << "~";
}

void TestLedPage::grid() {
    QFETCH(QString, mode);
    QFETCH(QString, sign);
    setMode(mode);
    const Table table = tableOf(shownTable());
    QCOMPARE(table.headers.size(), 4);
    QList<int> supply;
    for (TLabel *header : table.headers) {
        supply << volts(header->text(), sign.front());
        QVERIFY2(supply.last() > (supply.size() > 1 ? supply[supply.size() - 2] : 0),
                 qPrintable(header->text()));
    }
    QList<int> milliamps;
    for (const Table::Row &row : table.rows) {
        QVERIFY(row.mark && row.name && row.current);
        QCOMPARE(row.values.size(), 4);
        QVERIFY(row.mark->geometry().right() < row.name->x());
        QVERIFY(qAbs(row.name->geometry().center().y() - row.mark->geometry().center().y()) <= 1);
        QVERIFY(row.current->y() > row.name->geometry().bottom());
        QVERIFY(row.current->x() > row.name->x());
        QVERIFY(row.current->geometry().right() < table.headers.first()->x());
        QVERIFY2(row.current->text().endsWith(QStringLiteral(" mA")),
                 qPrintable(row.current->text()));
        milliamps << row.current->text().chopped(3).toInt();
        int previous = 0;
        for (int c = 0; c < 4; ++c) {
            TLabel *value = row.values[c];
            QCOMPARE(value->y(), row.mark->y());
            QVERIFY2(qAbs(value->x() - table.headers[c]->x()) <= 3, qPrintable(value->text()));
            bool number = false;
            const int ohms = value->text().toInt(&number);
            QVERIFY2(number && isE12(ohms) && ohms > previous, qPrintable(value->text()));
            previous = ohms;
            // With direct supply the resistor leaves the LED its forward voltage.
            if (sign == u"=") {
                const double led = supply[c] - ohms * milliamps.last() / 1000.0;
                QVERIFY2(led >= 1.5 && led <= 4.5, qPrintable(value->text()));
            }
        }
    }
    QVERIFY(milliamps[0] != milliamps[1]);
    const int more = milliamps[1] > milliamps[0] ? 1 : 0;
    for (int c = 0; c < 4; ++c)
        QVERIFY(table.rows[more].values[c]->text().toInt() <
                table.rows[1 - more].values[c]->text().toInt());
    // The line parts the rows across the value columns.
    const QRect line = table.separator->geometry();
    QVERIFY(line.top() > table.rows[0].current->geometry().bottom());
    QVERIFY(line.bottom() < table.rows[1].name->y());
    QVERIFY(line.left() <= table.headers.first()->x());
    QVERIFY(line.right() >= table.headers.last()->geometry().right());
}

// Headers and names in bold black, values in maroon, currents as the window
// writes; each holds its text, has no hint of its own, and stands apart.
void TestLedPage::looks_data() {
    addModeColumn();
}

void TestLedPage::looks() {
    QFETCH(QString, mode);
    setMode(mode);
    QGroupBox *group = shownTable();
    const Table table = tableOf(group);
    QList<QWidget *> controls{table.separator};
    for (TLabel *label : layout::labelsOf(group)) {
        QVERIFY(label->isVisible());
        QCOMPARE(label->font().pixelSize(), 11);
        const QColor colour = label->palette().color(QPalette::WindowText);
        const bool maroon = colour == Maroon;
        bool number = false;
        label->text().toInt(&number);
        // The brown the page's hint speaks of is the ohms, and only they.
        QCOMPARE(maroon, number);
        QVERIFY(!(maroon && label->font().bold()));
        if (label->font().bold())
            QCOMPARE(colour, QColor(Qt::black));
        else if (!maroon)
            QCOMPARE(colour, w->palette().color(QPalette::WindowText));
        const QColor drawn = ink(label);
        QVERIFY2(reddish(drawn) == maroon, qPrintable(drawn.name()));
        QVERIFY2(layout::holdsItsText(label), qPrintable(label->text()));
        QVERIFY(tk::hint(label).isEmpty());
        QCOMPARE(tk::hintFor(label), TableHint);
        controls << label;
    }
    for (const Table::Row &row : table.rows)
        controls << row.mark;
    layout::expectApart(controls);
    // The second row's name takes two lines.
    const TLabel *wrapped = table.rows[1].name;
    QVERIFY(wrapped->wordWrap());
    QVERIFY(wrapped->fontMetrics().horizontalAdvance(wrapped->text()) > wrapped->width());
}

void TestLedPage::marksAndSeparator_data() {
    addModeColumn();
}

void TestLedPage::marksAndSeparator() {
    QFETCH(QString, mode);
    setMode(mode);
    QGroupBox *group = shownTable();
    const Table table = tableOf(group);
    const QImage image = group->grab().toImage();
    // Red for the red LED, lime for the other, filled at the centre and outlined.
    const QRect red = table.rows[0].mark->geometry(), lime = table.rows[1].mark->geometry();
    QCOMPARE(image.pixel(red.center()), qRgb(0xFF, 0x00, 0x00));
    QCOMPARE(image.pixel(lime.center()), qRgb(0x00, 0xFF, 0x00));
    QCOMPARE(image.pixel(red.center().x(), red.top()), qRgb(0, 0, 0));
    QVERIFY(table.rows[0].name->text().contains(QStringLiteral("rouge")));
    // The separator is one line along the top of its box.
    const QRect box = table.separator->geometry();
    const QRgb line = group->palette().color(QPalette::Dark).rgb();
    const QRgb face = image.pixel(box.center().x(), box.top() + 4);
    QVERIFY(line != face);
    for (int x = box.left(); x <= box.right(); x += 13) {
        QCOMPARE(image.pixel(x, box.top()), line);
        QCOMPARE(image.pixel(x, box.top() + 1), face);
    }
    QCOMPARE(image.pixel(box.left() - 1, box.top()), face);
    QCOMPARE(image.pixel(box.right() + 1, box.top()), face);
}

void TestLedPage::twoClicksRestoreStart() {
    const PageState start = state();
    QCOMPARE(start.caption, Direct);

    QTest::mouseClick(w->AlimLed, Qt::LeftButton);
    const PageState alternating = state();
    QCOMPARE(alternating.caption, Alternating);
    QCOMPARE(pixels(alternating.glyph), pixels(tk::loadImage(QStringLiteral("ALTERNATIF"))));
    QVERIFY(!alternating.directTable);
    QVERIFY(alternating.alternatingTable);
    QVERIFY(alternating.note);
    QVERIFY(alternating.diodeNote);
    // The diode note stands under the sentence about the brown values.
    QVERIFY(w->Label61->y() >= w->Label42->geometry().bottom());

    // Back by Enter on the focused button, as by a click.
    w->AlimLed->setFocus();
    QTest::keyClick(w->AlimLed, Qt::Key_Return);
    QVERIFY(state() == start);
    QCOMPARE(pixels(w->AlimLed->glyph().toImage()),
             pixels(tk::loadImage(QStringLiteral("CONTINU"))));
}

void TestLedPage::tablesShareOnePlace() {
    for (const QString &mode : {Direct, Alternating, Direct}) {
        setMode(mode);
        QVERIFY(shownTable()->isVisible());
        QCOMPARE(w->GroupBox3->geometry(), w->GroupBox4->geometry());
        QCOMPARE(w->GroupBox3->pos(), m_startBoxes[0]);
    }
}

void TestLedPage::glyphSwapInPixels() {
    const QImage continu = normalImage(QStringLiteral("CONTINU"));
    const QImage alternatif = normalImage(QStringLiteral("ALTERNATIF"));
    QCOMPARE(continu.size(), QSize(16, 16));
    QVERIFY(continu != alternatif);

    for (const QString &mode : {Direct, Alternating}) {
        setMode(mode);
        const QImage &expected = mode == Direct ? continu : alternatif;
        const QImage shot = w->AlimLed->grab().toImage();
        const QRect at = w->AlimLed->glyphRect();
        // At the left, 3 pixels from the edge, centred up and down.
        QCOMPARE(at.topLeft(), QPoint(3, (25 - 16 + 1) / 2));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (qAlpha(expected.pixel(x, y)) == 255) {
                    ++opaque;
                    QCOMPARE(shot.pixel(at.x() + x, at.y() + y), expected.pixel(x, y));
                }
        QVERIFY(opaque > 20);
        // The caption follows the glyph and stays inside the button's frame.
        const QRect caption = w->AlimLed->captionRect();
        QVERIFY(caption.left() > at.right());
        QVERIFY(w->AlimLed->rect().adjusted(2, 2, -2, -2).contains(caption));
    }
}

// Every text and mark of the table shows the table's hint; the picture and the
// sentences empty the panel; the button shows its own.
void TestLedPage::hints_data() {
    addModeColumn();
}

void TestLedPage::hints() {
    QFETCH(QString, mode);
    setMode(mode);
    QList<std::pair<QWidget *, QString>> targets{
        {w->Image1, QString()}, {w->Label42, QString()}, {w->AlimLed, ButtonHint}};
    if (mode == Alternating)
        targets.append({w->Label61, QString()});
    for (QWidget *child : shownTable()->findChildren<QWidget *>())
        if (!qobject_cast<TBevel *>(child))
            targets.append({child, TableHint});
    for (const auto &[target, hint] : targets) {
        QVERIFY(target->isVisible());
        // Come from elsewhere (a pointer that does not move reports nothing), and
        // put something else in the panel, so that a stale text cannot pass.
        QTest::mouseMove(w->windowHandle(), w->StatusBar->geometry().center());
        Application()->setHint(QStringLiteral("?"));
        QCOMPARE(w->StatusBar->panelText(1), QStringLiteral("?"));
        QTest::mouseMove(w->windowHandle(), target->mapTo(w.get(), target->rect().center()));
        QVERIFY2(w->StatusBar->panelText(1) == hint, qPrintable(target->objectName()));
    }
}

// Headers first, then each row left to right: mark, name, current, values.
void TestLedPage::tablesReadAsSeen_data() {
    addModeColumn();
}

void TestLedPage::tablesReadAsSeen() {
    QFETCH(QString, mode);
    setMode(mode);
    const Table table = tableOf(shownTable());
    QStringList reading = layout::textsOf(table.headers);
    for (const Table::Row &row : table.rows)
        reading << row.mark->accessibleName() << row.name->text() << row.current->text()
                << layout::textsOf(row.values);
    QVERIFY(table.rows[0].mark->accessibleName().contains(QStringLiteral("rouge")));
    QVERIFY(table.rows[1].mark->accessibleName().contains(QStringLiteral("verte")));

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(shownTable());
    QVERIFY(accessible);
    QVERIFY(accessible->text(QAccessible::Name).contains(QStringLiteral("Valeur de résistance")));
    QCOMPARE(accessible->text(QAccessible::Description), TableHint);
    QStringList heard;
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface *child = accessible->child(i);
        if (child->role() != QAccessible::Separator)
            heard << child->text(QAccessible::Name);
    }
    QCOMPARE(heard, reading);

    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(w->Image1);
    QVERIFY(!picture->text(QAccessible::Name).isEmpty());
    QVERIFY(picture->text(QAccessible::Description).contains(QStringLiteral("R = (VS − VF) / IF")));
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(w->AlimLed);
    QCOMPARE(button->text(QAccessible::Name), mode);
    QCOMPARE(button->text(QAccessible::Description), ButtonHint);
}

// A digit typed on the page opens the supply entry holding it: the supply stands
// as one more column of the table shown, the card's columns closed up, the
// details on the sentences' lines, and a screen reader hears the answer with its
// units as words. "~" switches the mode as the switch does; Escape leaves the
// page as laid out.
void TestLedPage::computesTheResistor() {
    w->PageControl1->tabBar()->setFocus();
    const QImage before = w->TabSheet2->grab().toImage();
    QTest::keyClick(w->PageControl1->tabBar(), Qt::Key_9);
    QVERIFY(w->SupplyEntry && w->SupplyEntry->hasFocus());
    QCOMPARE(w->SupplyEntry->text(), QStringLiteral("9"));
    const QList<TLabel *> column{w->SupplyColumn, w->SupplyFirstValue, w->SupplySecondValue};
    QCOMPARE(layout::textsOf(column), (QStringList{"9 V=", "820", "390"}));
    const Table table = tableOf(w->GroupBox3);
    QVERIFY(w->SupplyColumn->x() > table.headers[3]->geometry().right());
    QCOMPARE(w->SupplyColumn->y(), table.headers[3]->y());
    QCOMPARE(w->SupplyFirstValue->y(), table.rows[0].values[3]->y());
    QCOMPARE(w->SupplySecondValue->y(), table.rows[1].values[3]->y());
    QCOMPARE(w->SupplyFirstValue->palette().color(QPalette::WindowText), Maroon);
    for (TLabel *label : column)
        QVERIFY(label->isVisible() && w->GroupBox3->contentsRect().contains(label->geometry()));
    QCOMPARE(
        w->SupplyFirstDetails->text(),
        QStringLiteral("Led rouge 2,0 V, 10 mA : 820 Ω, 8,5 mA ou 680 Ω, 10 mA · 0,06 W → ⅛ W"));
    for (TLabel *details : {w->SupplyFirstDetails, w->SupplySecondDetails})
        QVERIFY(details->fontMetrics().horizontalAdvance(details->text()) <= details->width());
    QVERIFY(!w->Label42->isVisible());
    QCOMPARE(w->SupplyEntry->accessibleName(), QStringLiteral("Tension d'alimentation"));
    QVERIFY(w->SupplyEntry->accessibleDescription().startsWith(
        QStringLiteral("9 volts continu. Led rouge 2,0 volts, 10 milliampères : 820 ohms")));

    QTest::keyClicks(w->SupplyEntry, QStringLiteral(" V~"));
    QCOMPARE(w->AlimLed->text(), Alternating);
    QCOMPARE(w->SupplyColumn->parentWidget(), w->GroupBox4);
    QCOMPARE(w->SupplyColumn->text(), QStringLiteral("9 V~"));
    QVERIFY(!w->Label61->isVisible());
    QTest::keyClick(w->SupplyEntry, Qt::Key_Escape);
    QVERIFY(!w->SupplyEntry->isVisible() && w->Label61->isVisible());
    w->AlimLed->click();
    QCOMPARE(w->TabSheet2->grab().toImage(), before);
}

// Enter takes the answer's resistor to the colour-code page, picked as the value
// entry picks it; the LED page is at rest again.
void TestLedPage::enterTakesTheResistor() {
    QTest::keyClick(w->PageControl1->tabBar(), Qt::Key_9);
    QTest::keyClicks(w->SupplyEntry, QStringLiteral(" V bleue"));
    QTest::keyClick(w->SupplyEntry, Qt::Key_Return);
    QCOMPARE(w->PageControl1->currentWidget(), w->TabSheet1);
    QCOMPARE(w->Label1->text(), QStringLiteral("Valeur = 330"));
    QVERIFY(!w->ValueEntry || !w->ValueEntry->isVisible());
    QVERIFY(!w->SupplyEntry->isVisible() && w->Label42->isVisibleTo(w->TabSheet2));
    w->BarreDiodeClick();
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestLedPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ledpage.moc"
