// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor page as a user meets it: clicks and keys on the colour lists and
// the check box, then what shows on screen, in the status bar and to a screen reader.

#include "common/scratchwindow.h"
#include "toolkit/hints.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevelpanel.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tinlineentry.h"
#include "toolkit/tlabel.h"
#include "toolkit/tshape.h"
#include "toolkit/tstatusbar.h"

#include "toolkit/tgroupbox.h"
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHelpEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <memory>

namespace {

const QColor Maroon(128, 0, 0);
const QColor Red(255, 0, 0);
const QColor Orange(255, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 255);
const QColor Violet(128, 0, 128);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Gold(0xCB, 0xCB, 0x96);
const QColor Silver(0xC0, 0xC0, 0xC0);

// Records every paint of the window's widgets, as a region in window coordinates.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintRecorder() override { qApp->removeEventFilter(this); }

    QList<QPair<QWidget *, QRegion>> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (w == m_window || m_window->isAncestorOf(w))
                paints.append({w, static_cast<QPaintEvent *>(event)->region().translated(
                                      w->mapTo(m_window, QPoint(0, 0)))});
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

class TestResistorPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void valueLine_data();
    void valueLine();
    void entries_data();
    void entries();
    void mouseSelection_data();
    void mouseSelection();
    void keySelection_data();
    void keySelection();
    void selectionFromCodeRunsNoHandler_data();
    void selectionFromCodeRunsNoHandler();
    void thirdDigitDoesNotComeBack();
    void toleranceChangeKeepsValueText_data();
    void toleranceChangeKeepsValueText();
    void valueLineGaps_data();
    void valueLineGaps();
    void swatches_data();
    void swatches();
    void statusBarHint_data();
    void statusBarHint();
    void tooltips_data();
    void tooltips();
    void hintFollowsKeysUnderRestingPointer_data();
    void hintFollowsKeysUnderRestingPointer();
    void tabOrder_data();
    void tabOrder();
    void accessibility_data();
    void accessibility();
    void valueLineReadsAsOnePhrase();
    void repaintsOnlyWhatChanged_data();
    void repaintsOnlyWhatChanged();
    void typedValue_data();
    void typedValue();
    void copyReading();
    void entryLeavesNoTrace_data();
    void entryLeavesNoTrace();

private:
    template <typename T> T *control(const QString &name) const {
        T *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void pick(TColourComboBox *list, int entry);
    void clickCheckBox();
    QColor bandPixel(TShape *band) const;
    // A point of the window where the pointer meets the control itself, not
    // one of the controls over it.
    QPoint spotOn(QWidget *control) const;

    std::unique_ptr<TPrincipale> m_window;
};

void TestResistorPage::init() {
    m_window = std::make_unique<ScratchWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestResistorPage::cleanup() {
    m_window.reset();
}

void TestResistorPage::pick(TColourComboBox *list, int entry) {
    QTest::mouseClick(list, Qt::LeftButton, {}, list->rect().center());
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    // The pointer travels over the list before the click, as a hand would; a
    // release right where the list opened is taken as the end of the opening click.
    QWidget *viewport = view->viewport();
    const QPoint at = view->visualRect(list->model()->index(entry, 0)).center();
    for (const QPoint p :
         {QPoint(at.x(), at.y() < viewport->height() / 2 ? viewport->height() - 4 : 4), at}) {
        QMouseEvent move(QEvent::MouseMove, p, viewport->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTRY_VERIFY(!view->isVisible());
}

void TestResistorPage::clickCheckBox() {
    QCheckBox *box = m_window->CheckBox1;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

QColor TestResistorPage::bandPixel(TShape *band) const {
    const QImage page = m_window->TabSheet1->grab().toImage();
    return page.pixelColor(band->geometry().center());
}

QPoint TestResistorPage::spotOn(QWidget *target) const {
    TPrincipale *w = m_window.get();
    const QPoint centre = target->mapTo(w, target->rect().center());
    if (w->childAt(centre) == target)
        return centre;
    for (int y = 0; y < target->height(); ++y)
        for (int x = 0; x < target->width(); ++x)
            if (const QPoint p = target->mapTo(w, QPoint(x, y)); w->childAt(p) == target)
                return p;
    qFatal("%s is covered", qPrintable(target->objectName()));
}

// --- Layout of the two modes ------------------------------------------------

// The visible lists stand one under another in band order, at equal steps in
// the panel and each named by its place among them; the visible bands stand
// left to right on the body in the same order, the digits at equal steps, the
// tolerance band further off, each named after its list's colour. In four-band
// mode the multiplier's list and band take the hidden third's places.
void TestResistorPage::layout_data() {
    QTest::addColumn<int>("clicks");
    QTest::newRow("start: four bands") << 0;
    QTest::newRow("five bands") << 1;
    QTest::newRow("four again") << 2;
    QTest::newRow("five again") << 3;
}

void TestResistorPage::layout() {
    QFETCH(int, clicks);
    TPrincipale *w = m_window.get();
    const int thirdTop = w->ComboBox3->y();
    const int thirdLeft = w->Shape4->x();
    const int toleranceLeft = w->Shape8->x();
    for (int i = 0; i < clicks; ++i)
        clickCheckBox();
    const bool five = clicks % 2 == 1;
    QCOMPARE(w->CheckBox1->isChecked(), five);
    QCOMPARE(w->ComboBox3->isVisible(), five);
    QCOMPARE(w->Shape4->isVisible(), five);
    // The third list and band keep their places while hidden; the tolerance band never moves.
    QCOMPARE(w->ComboBox3->y(), thirdTop);
    QCOMPARE(w->Shape4->x(), thirdLeft);
    QCOMPARE(w->Shape8->x(), toleranceLeft);
    if (!five) {
        QCOMPARE(w->ComboBox4->y(), thirdTop);
        QCOMPARE(w->Shape5->x(), thirdLeft);
    }

    QList<TColourComboBox *> lists{w->ComboBox1, w->ComboBox2, w->ComboBox3, w->ComboBox4,
                                   w->ComboBox5};
    QList<TShape *> bands{w->Shape2, w->Shape3, w->Shape4, w->Shape5, w->Shape8};
    if (!five) {
        lists.removeAt(2);
        bands.removeAt(2);
    }
    const QRect body = w->Shape1->geometry();
    const int step = bands[1]->x() - bands[0]->x();
    QRect above;
    for (qsizetype i = 0; i < lists.size(); ++i) {
        const QRect list(lists[i]->mapTo(w->TabSheet1, QPoint(0, 0)), lists[i]->size());
        QCOMPARE(tk::hint(lists[i]), i == 0 ? QStringLiteral("Couleur du 1er anneau")
                                            : QStringLiteral("Couleur du %1ème anneau").arg(i + 1));
        QVERIFY(w->Panel1->geometry().contains(list));
        if (i > 0) {
            QCOMPARE(list.x(), above.x());
            QVERIFY(list.top() > above.bottom());
        }
        if (i > 2)
            QCOMPARE(lists[i]->y() - lists[i - 1]->y(), lists[2]->y() - lists[1]->y());
        above = list;

        TShape *band = bands[i];
        QCOMPARE(tk::hint(band), lists[i]->entryAccessibleText(lists[i]->currentIndex()));
        QCOMPARE(band->y(), body.y());
        QCOMPARE(band->height(), body.height());
        QVERIFY(band->x() > body.left() && band->geometry().right() < body.right());
        if (i > 0 && i < bands.size() - 1)
            QCOMPARE(band->x() - bands[i - 1]->x(), step);
    }
    QVERIFY(bands.last()->x() - bands[bands.size() - 2]->x() > step);
}

// --- Value line and bands for a mode --------------------------------------------

void TestResistorPage::valueLine_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("spaceBar");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QColor>("multiplierBand");
    QTest::newRow("start") << 0 << false << "Valeur = 12 K" << Orange;
    QTest::newRow("five bands") << 1 << false << "Valeur = 120 K" << Orange;
    QTest::newRow("back to four") << 2 << false << "Valeur = 12 K" << Orange;
    QTest::newRow("five again") << 3 << false << "Valeur = 120 K" << Orange;
    QTest::newRow("five bands by the space bar") << 1 << true << "Valeur = 120 K" << Orange;
    QTest::newRow("four again by the space bar") << 2 << true << "Valeur = 12 K" << Orange;
}

void TestResistorPage::valueLine() {
    QFETCH(int, clicks);
    QFETCH(bool, spaceBar);
    QFETCH(QString, value);
    QFETCH(QColor, multiplierBand);
    for (int i = 0; i < clicks; ++i) {
        if (spaceBar) {
            m_window->CheckBox1->setFocus();
            QTest::keyClick(m_window->CheckBox1, Qt::Key_Space);
        } else {
            clickCheckBox();
        }
    }
    QCOMPARE(m_window->CheckBox1->isChecked(), clicks % 2 == 1);
    QCOMPARE(m_window->ComboBox3->isVisible(), clicks % 2 == 1);
    QCOMPARE(m_window->Label1->text(), value);
    QCOMPARE(m_window->Label2->text(), QStringLiteral("Ω"));
    QCOMPARE(m_window->Label3->text(), QStringLiteral("- tolérance ±5%"));
    QCOMPARE(bandPixel(m_window->Shape2), Maroon);
    QCOMPARE(bandPixel(m_window->Shape3), Red);
    QCOMPARE(bandPixel(m_window->Shape5), multiplierBand);
    QCOMPARE(bandPixel(m_window->Shape8), Gold);
    if (clicks % 2)
        QCOMPARE(bandPixel(m_window->Shape4), Black);
    // Each band has its one-pixel black outline, its colour starting right inside.
    const QImage page = m_window->TabSheet1->grab().toImage();
    const QRect band = m_window->Shape2->geometry();
    QCOMPARE(page.pixelColor(band.left(), band.center().y()), Black);
    QCOMPARE(page.pixelColor(band.left() + 1, band.center().y()), Maroon);
    QCOMPARE(page.pixelColor(band.right() - 1, band.top() + 1), Maroon);
    QCOMPARE(page.pixelColor(band.right(), band.top() + 1), Black);
}

// --- The lists' entries -----------------------------------------------------------

void TestResistorPage::entries_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("firstSpoken");
    QTest::addColumn<QString>("lastSpoken");
    const QStringList digits = {"0",     "128",      "255",     "33023",   "65535",
                                "32768", "16711680", "8388736", "8421504", "16777215"};
    QTest::newRow("first digit: nine, brown to white")
        << "ComboBox1" << digits.mid(1) << "Anneau marron"
        << "Anneau blanc";
    for (const char *name : {"ComboBox2", "ComboBox3", "ComboBox4"})
        QTest::newRow(name) << name << digits << "Anneau noire"
                            << "Anneau blanc";
    QTest::newRow("tolerance: seven, silver to violet")
        << "ComboBox5"
        << QStringList{"12632256", "9882571", "128", "255", "32768", "16711680", "8388736"}
        << "Anneau argent"
        << "Anneau violet";
}

void TestResistorPage::entries() {
    QFETCH(QString, name);
    QFETCH(QStringList, texts);
    QFETCH(QString, firstSpoken);
    QFETCH(QString, lastSpoken);
    auto *list = control<TColourComboBox>(name);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    QCOMPARE(shown, texts);
    QCOMPARE(list->entryAccessibleText(0), firstSpoken);
    QCOMPARE(list->entryAccessibleText(list->count() - 1), lastSpoken);
    QCOMPARE(list->isEditable(), false);
    QCOMPARE(list->maxVisibleItems(), 11);
    // The open list shows every entry, each 16 pixels high.
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    for (int i = 0; i < list->count(); ++i)
        QCOMPARE(view->visualRect(list->model()->index(i, 0)).height(), 16);
    QVERIFY(view->viewport()->height() >= 16 * list->count());
    list->hidePopup();
}

// --- Selections by the user --------------------------------------------------------

void TestResistorPage::mouseSelection_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("ringName");
    const QString five = QStringLiteral("- tolérance ±5%");
    QTest::newRow("first digit yellow")
        << "ComboBox1" << 3 << "Valeur = 42 K" << five << "Shape2" << Yellow << "Anneau jaune";
    QTest::newRow("second digit violet")
        << "ComboBox2" << 7 << "Valeur = 17 K" << five << "Shape3" << Violet << "Anneau violet";
    QTest::newRow("multiplier black")
        << "ComboBox4" << 0 << "Valeur = 12 " << five << "Shape5" << Black << "Anneau noire";
    QTest::newRow("multiplier red")
        << "ComboBox4" << 2 << "Valeur = 1,2 K" << five << "Shape5" << Red << "Anneau rouge";
    QTest::newRow("multiplier green")
        << "ComboBox4" << 5 << "Valeur = 1,2 M" << five << "Shape5" << Green << "Anneau vert";
    QTest::newRow("multiplier white")
        << "ComboBox4" << 9 << "Valeur = 12 G" << five << "Shape5" << White << "Anneau blanc";
    QTest::newRow("tolerance blue") << "ComboBox5" << 5 << "Valeur = 12 K"
                                    << "- tolérance ±0,25%"
                                    << "Shape8" << Blue << "Anneau bleu";
    QTest::newRow("tolerance silver") << "ComboBox5" << 0 << "Valeur = 12 K"
                                      << "- tolérance ±10%"
                                      << "Shape8" << Silver << "Anneau argent";
}

void TestResistorPage::mouseSelection() {
    QFETCH(QString, list);
    QFETCH(int, entry);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QFETCH(QString, band);
    QFETCH(QColor, colour);
    QFETCH(QString, ringName);
    auto *combo = control<TColourComboBox>(list);
    pick(combo, entry);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(combo->currentIndex(), entry);
    QCOMPARE(m_window->Label1->text(), value);
    QCOMPARE(m_window->Label3->text(), tolerance);
    auto *shape = control<TShape>(band);
    QCOMPARE(bandPixel(shape), colour);
    QCOMPARE(tk::hint(shape), ringName);
}

void TestResistorPage::keySelection_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    const QString five = QStringLiteral("- tolérance ±5%");
    QTest::newRow("second digit Down")
        << "ComboBox2" << int(Qt::Key_Down) << 3 << "Valeur = 13 K" << five;
    QTest::newRow("second digit Up")
        << "ComboBox2" << int(Qt::Key_Up) << 1 << "Valeur = 11 K" << five;
    QTest::newRow("second digit Home")
        << "ComboBox2" << int(Qt::Key_Home) << 0 << "Valeur = 10 K" << five;
    QTest::newRow("second digit End")
        << "ComboBox2" << int(Qt::Key_End) << 9 << "Valeur = 19 K" << five;
    QTest::newRow("first digit End")
        << "ComboBox1" << int(Qt::Key_End) << 8 << "Valeur = 92 K" << five;
    QTest::newRow("first digit Home, already first")
        << "ComboBox1" << int(Qt::Key_Home) << 0 << "Valeur = 12 K" << five;
    QTest::newRow("multiplier Down")
        << "ComboBox4" << int(Qt::Key_Down) << 4 << "Valeur = 120 K" << five;
    QTest::newRow("multiplier Up")
        << "ComboBox4" << int(Qt::Key_Up) << 2 << "Valeur = 1,2 K" << five;
    QTest::newRow("tolerance End") << "ComboBox5" << int(Qt::Key_End) << 6 << "Valeur = 12 K"
                                   << "- tolérance ±0,1%";
    QTest::newRow("tolerance Up") << "ComboBox5" << int(Qt::Key_Up) << 0 << "Valeur = 12 K"
                                  << "- tolérance ±10%";
}

void TestResistorPage::keySelection() {
    QFETCH(QString, list);
    QFETCH(int, key);
    QFETCH(int, index);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    auto *combo = control<TColourComboBox>(list);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key(key));
    QCOMPARE(combo->currentIndex(), index);
    QVERIFY(!combo->view()->isVisible());
    QCOMPARE(m_window->Label1->text(), value);
    QCOMPARE(m_window->Label3->text(), tolerance);
}

void TestResistorPage::selectionFromCodeRunsNoHandler_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("first digit") << "ComboBox1"
                                 << "Shape2" << Maroon;
    QTest::newRow("second digit") << "ComboBox2"
                                  << "Shape3" << Red;
    QTest::newRow("multiplier") << "ComboBox4"
                                << "Shape5" << Orange;
    QTest::newRow("tolerance") << "ComboBox5"
                               << "Shape8" << Gold;
}

void TestResistorPage::selectionFromCodeRunsNoHandler() {
    QFETCH(QString, list);
    QFETCH(QString, band);
    QFETCH(QColor, colour);
    control<TColourComboBox>(list)->setCurrentIndex(5);
    QCOMPARE(m_window->Label1->text(), QStringLiteral("Valeur = 12 K"));
    QCOMPARE(m_window->Label3->text(), QStringLiteral("- tolérance ±5%"));
    QCOMPARE(bandPixel(control<TShape>(band)), colour);
}

void TestResistorPage::thirdDigitDoesNotComeBack() {
    clickCheckBox();
    pick(m_window->ComboBox3, 2);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_window->Label1->text(), QStringLiteral("Valeur = 122 K"));
    QCOMPARE(bandPixel(m_window->Shape4), Red);
    clickCheckBox();
    QCOMPARE(m_window->Label1->text(), QStringLiteral("Valeur = 12 K"));
    clickCheckBox();
    QCOMPARE(m_window->ComboBox3->currentIndex(), 0);
    QCOMPARE(m_window->Label1->text(), QStringLiteral("Valeur = 120 K"));
    QCOMPARE(bandPixel(m_window->Shape4), Black);
    QCOMPARE(tk::hint(m_window->Shape4), QStringLiteral("Anneau noire"));
}

void TestResistorPage::toleranceChangeKeepsValueText_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("silver") << 0 << "- tolérance ±10%" << Silver;
    QTest::newRow("brown") << 2 << "- tolérance ±1%" << Maroon;
    QTest::newRow("red") << 3 << "- tolérance ±2%" << Red;
    QTest::newRow("green") << 4 << "- tolérance ±0,5%" << Green;
    QTest::newRow("violet") << 6 << "- tolérance ±0,1%" << Violet;
}

void TestResistorPage::toleranceChangeKeepsValueText() {
    QFETCH(int, entry);
    QFETCH(QString, tolerance);
    QFETCH(QColor, colour);
    const QString value = m_window->Label1->text();
    const QRect before[] = {m_window->Label1->geometry(), m_window->Label2->geometry(),
                            m_window->Label3->geometry()};
    pick(m_window->ComboBox5, entry);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_window->Label1->text(), value);
    QCOMPARE(m_window->Label3->text(), tolerance);
    QCOMPARE(m_window->Label1->geometry(), before[0]);
    QCOMPARE(m_window->Label2->geometry(), before[1]);
    QCOMPARE(m_window->Label3->pos(), before[2].topLeft());
    QCOMPARE(bandPixel(m_window->Shape8), colour);
}

// --- The value line keeps its gaps, however long the text --------------------------

void TestResistorPage::valueLineGaps_data() {
    QTest::addColumn<bool>("five");
    QTest::addColumn<QList<int>>("entries"); // first, second, [third,] multiplier
    QTest::addColumn<QString>("value");
    QTest::newRow("short, trailing blank") << false << QList<int>{1, 2, 0} << "Valeur = 22 ";
    QTest::newRow("four bands x10") << false << QList<int>{3, 7, 1} << "Valeur = 470";
    QTest::newRow("comma") << false << QList<int>{0, 0, 2} << "Valeur = 1,0 K";
    QTest::newRow("five bands, comma") << true << QList<int>{0, 0, 0, 1} << "Valeur = 1,00 K";
    QTest::newRow("longest") << true << QList<int>{8, 9, 9, 9} << "Valeur = 999 G";
    QTest::newRow("five bands x1") << true << QList<int>{2, 3, 0, 0} << "Valeur = 330 ";
}

void TestResistorPage::valueLineGaps() {
    QFETCH(bool, five);
    QFETCH(QList<int>, entries);
    QFETCH(QString, value);
    if (five)
        clickCheckBox();
    QList<TColourComboBox *> lists{m_window->ComboBox1, m_window->ComboBox2};
    if (five)
        lists << m_window->ComboBox3;
    lists << m_window->ComboBox4;
    for (int i = 0; i < entries.size(); ++i) {
        pick(lists[i], entries[i]);
        if (QTest::currentTestFailed())
            return;
    }
    TLabel *value1 = m_window->Label1;
    TLabel *ohm = m_window->Label2;
    TLabel *tolerance = m_window->Label3;
    QCOMPARE(value1->text(), value);
    QCOMPARE(value1->width(), value1->fontMetrics().horizontalAdvance(value));
    QCOMPARE(ohm->width(), ohm->fontMetrics().horizontalAdvance(QStringLiteral("Ω")));
    QCOMPARE(ohm->x(), value1->x() + value1->width() + 1);
    QCOMPARE(tolerance->x(), ohm->x() + ohm->width() + 4);
    QCOMPARE(ohm->y(), value1->y());
    QCOMPARE(tolerance->y(), value1->y());
    QVERIFY(value1->font().bold());
    QCOMPARE(value1->font().pixelSize(), 13);
    QCOMPARE(ohm->font(), value1->font());
    // However long, the line stays inside its box, clear of the frame and caption.
    for (TLabel *label : {value1, ohm, tolerance})
        QVERIFY(m_window->GroupBox1->contentsRect().contains(label->geometry()));
}

// --- Swatches in the closed and the open list ----------------------------------------

void TestResistorPage::swatches_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("first digit brown") << "ComboBox1" << 0 << Maroon;
    QTest::newRow("first digit white") << "ComboBox1" << 8 << White;
    QTest::newRow("second digit orange") << "ComboBox2" << 3 << Orange;
    QTest::newRow("multiplier blue") << "ComboBox4" << 6 << Blue;
    QTest::newRow("tolerance gold") << "ComboBox5" << 1 << Gold;
    QTest::newRow("tolerance violet") << "ComboBox5" << 6 << Violet;
}

void TestResistorPage::swatches() {
    QFETCH(QString, list);
    QFETCH(int, entry);
    QFETCH(QColor, colour);
    auto *combo = control<TColourComboBox>(list);

    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(combo->model()->index(entry, 0));
    const QImage open = view->viewport()->grab().toImage();
    QCOMPARE(item.height(), 16);
    QCOMPARE(open.pixelColor(item.center()), colour);
    QCOMPARE(open.pixelColor(item.left() + 2, item.top() + 2), colour);
    QCOMPARE(open.pixelColor(item.left() + 1, item.top() + 1), White);
    QCOMPARE(open.pixelColor(item.right() - 1, item.bottom() - 1), White);
    QCOMPARE(open.pixelColor(item.right() - 2, item.bottom() - 2), colour);
    combo->hidePopup();

    combo->setCurrentIndex(entry);
    const QRect current = combo->editItemRect();
    const QImage closed = combo->grab().toImage();
    QCOMPARE(current.height(), 16);
    QCOMPARE(closed.pixelColor(current.center()), colour);
    QCOMPARE(closed.pixelColor(current.topLeft() + QPoint(2, 2)), colour);
    QCOMPARE(closed.pixelColor(current.topLeft() + QPoint(1, 1)), White);
}

// --- Hints -------------------------------------------------------------------------------

void TestResistorPage::statusBarHint_data() {
    QTest::addColumn<QString>("name"); // the control pointed at, where it shows itself
    QTest::addColumn<QString>("hint");
    const QString value = QStringLiteral("Valeur et tolérance de la résistance");
    QTest::newRow("first band") << "Shape2"
                                << "Anneau marron";
    QTest::newRow("second band") << "Shape3"
                                 << "Anneau rouge";
    QTest::newRow("multiplier band at start") << "Shape5"
                                              << "Anneau orange";
    QTest::newRow("tolerance band") << "Shape8"
                                    << "Anneau doré";
    QTest::newRow("body") << "Shape1"
                          << "";
    QTest::newRow("lead") << "Shape6"
                          << "";
    QTest::newRow("value text") << "Label1" << value;
    QTest::newRow("group box") << "GroupBox1" << value;
    QTest::newRow("first list") << "ComboBox1"
                                << "Couleur du 1er anneau";
    QTest::newRow("multiplier list") << "ComboBox4"
                                     << "Couleur du 3ème anneau";
    QTest::newRow("check box") << "CheckBox1"
                               << "Bascule quatre ou cinq anneaux";
    QTest::newRow("panel") << "Panel1"
                           << "";
}

void TestResistorPage::statusBarHint() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    TPrincipale *w = m_window.get();
    // From somewhere with another hint, so that the text really changes.
    QTest::mouseMove(w->windowHandle(), spotOn(w->ComboBox1));
    QTest::mouseMove(w->windowHandle(), spotOn(w->Shape2));
    QTest::mouseMove(w->windowHandle(), spotOn(control<QWidget>(name)));
    QCOMPARE(w->StatusBar->panelText(1), hint);
}

// The pointer rests on the multiplier band's place; only keys change the page.
void TestResistorPage::hintFollowsKeysUnderRestingPointer_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Down in the multiplier list")
        << "ComboBox4" << int(Qt::Key_Down) << "Anneau jaune";
    QTest::newRow("Space on the check box: the third band takes the place")
        << "CheckBox1" << int(Qt::Key_Space) << "Anneau noire";
}

void TestResistorPage::hintFollowsKeysUnderRestingPointer() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, hint);
    TPrincipale *w = m_window.get();
    const QPoint band = spotOn(w->Shape5);
    // The platform's own pointer rests there too, for the events it makes up.
    QCursor::setPos(w->mapToGlobal(band));
    QTest::mouseMove(w->windowHandle(), band - QPoint(0, 20));
    QTest::mouseMove(w->windowHandle(), band);
    QCOMPARE(w->StatusBar->panelText(1), QStringLiteral("Anneau orange"));
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 20), w->Shape5->mapToGlobal(QPoint(4, 20)));
    QApplication::sendEvent(w->Shape5, &help);
    QTRY_VERIFY(QToolTip::isVisible());

    w->activateWindow();
    QWidget *target = control<QWidget>(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(w->windowHandle(), Qt::Key(key));
    QTRY_COMPARE(w->StatusBar->panelText(1), hint);
    QTRY_COMPARE(QToolTip::text(), hint);
    QToolTip::hideText();
}

void TestResistorPage::tooltips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    QTest::newRow("tolerance band") << "Shape8"
                                    << "Anneau doré";
    QTest::newRow("multiplier band") << "Shape5"
                                     << "Anneau orange";
    QTest::newRow("list") << "ComboBox2"
                          << "Couleur du 2ème anneau";
    QTest::newRow("group box") << "GroupBox1"
                               << "Valeur et tolérance de la résistance";
    QTest::newRow("body: no hint") << "Shape1"
                                   << "";
    QTest::newRow("check box: hint without tooltip") << "CheckBox1"
                                                     << "";
}

void TestResistorPage::tooltips() {
    QFETCH(QString, name);
    QFETCH(QString, tip);
    auto *w = control<QWidget>(name);
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(3, 3), w->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(w, &event);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
    QToolTip::hideText();
}

// --- Keyboard order ------------------------------------------------------------------

void TestResistorPage::tabOrder_data() {
    QTest::addColumn<bool>("five");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("four bands") << false
                                << QStringList{"ComboBox1", "ComboBox2", "ComboBox4", "ComboBox5",
                                               "CheckBox1"};
    QTest::newRow("five bands") << true << QStringList{"ComboBox1", "ComboBox2", "ComboBox3",
                                                       "ComboBox4", "ComboBox5", "CheckBox1"};
}

void TestResistorPage::tabOrder() {
    QFETCH(bool, five);
    QFETCH(QStringList, order);
    if (five)
        clickCheckBox();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->ComboBox1->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

// --- Screen readers ------------------------------------------------------------------

void TestResistorPage::accessibility_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("fiveBands");
    QTest::addColumn<int>("key"); // pressed on the list first; 0 for none
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("band");
    QTest::newRow("multiplier at start") << "ComboBox4" << false << 0 << "Couleur du 3ème anneau"
                                         << "Anneau orange"
                                         << "Shape5";
    QTest::newRow("multiplier after Down")
        << "ComboBox4" << false << int(Qt::Key_Down) << "Couleur du 3ème anneau"
        << "Anneau jaune"
        << "Shape5";
    QTest::newRow("multiplier, five bands") << "ComboBox4" << true << 0 << "Couleur du 4ème anneau"
                                            << "Anneau orange"
                                            << "Shape5";
    QTest::newRow("tolerance at start") << "ComboBox5" << false << 0 << "Couleur du 4ème anneau"
                                        << "Anneau doré"
                                        << "Shape8";
    QTest::newRow("first digit after End")
        << "ComboBox1" << false << int(Qt::Key_End) << "Couleur du 1er anneau"
        << "Anneau blanc"
        << "Shape2";
}

void TestResistorPage::accessibility() {
    QFETCH(QString, list);
    QFETCH(bool, fiveBands);
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, band);
    auto *combo = control<TColourComboBox>(list);
    if (fiveBands)
        clickCheckBox();
    if (key) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key(key));
    }

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(combo);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::ComboBox);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Value), value);
    QVERIFY(iface->text(QAccessible::Description) != name);
    QAccessibleTextInterface *text = iface->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), value);
    // The open list's current entry speaks the colour, and is the selected one.
    QAccessibleInterface *entries = iface->child(0);
    QVERIFY(entries);
    QAccessibleInterface *current = entries->child(combo->currentIndex());
    QVERIFY(current);
    QCOMPARE(current->text(QAccessible::Name), value);
    QVERIFY(current->state().selected);

    QAccessibleInterface *shape = QAccessible::queryAccessibleInterface(control<TShape>(band));
    QCOMPARE(shape->role(), QAccessible::Graphic);
    QCOMPARE(shape->text(QAccessible::Name), value);
}

// The value line reads as one phrase; the ohm sign and the tolerance, read in
// it, are not read again on their own; the drawing has no unnamed picture.
void TestResistorPage::valueLineReadsAsOnePhrase() {
    pick(m_window->ComboBox4, 1);
    QAccessibleInterface *group = QAccessible::queryAccessibleInterface(m_window->GroupBox1);
    QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Valeur"));
    QCOMPARE(group->childCount(), 1);
    QCOMPARE(group->child(0)->object(), m_window->Label1);
    QCOMPARE(group->child(0)->text(QAccessible::Name),
             QStringLiteral("Valeur = 120 ohm - tolérance ±5%"));
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(m_window->TabSheet1);
    for (int i = 0; i < page->childCount(); ++i)
        if (page->child(i)->role() == QAccessible::Graphic)
            QVERIFY2(!page->child(i)->text(QAccessible::Name).isEmpty(),
                     qPrintable(page->child(i)->object()->objectName()));
}

// --- A selection change repaints only what changed ----------------------------------

void TestResistorPage::repaintsOnlyWhatChanged_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("second digit, same width")
        << "ComboBox2" << QStringList{"ComboBox2", "Shape3", "Label1"};
    QTest::newRow("tolerance") << "ComboBox5" << QStringList{"ComboBox5", "Shape8", "Label3"};
    QTest::newRow("multiplier, longer text")
        << "ComboBox4" << QStringList{"ComboBox4", "Shape5", "Label1", "Label2", "Label3"};
}

void TestResistorPage::repaintsOnlyWhatChanged() {
    QFETCH(QString, list);
    QFETCH(QStringList, changed);
    auto *combo = control<TColourComboBox>(list);
    combo->setFocus();
    QTest::qWait(20);
    // Where the changed controls were and are: nothing else may be painted.
    QRegion allowed;
    auto addPlaces = [&] {
        for (const QString &name : changed) {
            QWidget *w = control<QWidget>(name);
            allowed += QRect(w->mapTo(m_window.get(), QPoint(0, 0)), w->size());
        }
    };
    addPlaces();
    // The status bar shows the clock and the hint of whatever the pointer rests on.
    allowed += m_window->StatusBar->geometry();
    PaintRecorder recorder(m_window.get());
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::qWait(20);
    addPlaces();

    QStringList painted;
    for (const auto &[widget, region] : recorder.paints) {
        if (widget == m_window->StatusBar || m_window->StatusBar->isAncestorOf(widget))
            continue;
        QVERIFY2((region - allowed).isEmpty(), qPrintable(widget->objectName()));
        // Besides the changed controls, only what lies beneath them: their parents.
        const bool beneath = std::any_of(changed.begin(), changed.end(), [&](const QString &n) {
            return widget->isAncestorOf(control<QWidget>(n));
        });
        QVERIFY2(beneath || changed.contains(widget->objectName()),
                 qPrintable(widget->objectName()));
        if (changed.contains(widget->objectName())) {
            QVERIFY2(!painted.contains(widget->objectName()), qPrintable(widget->objectName()));
            painted << widget->objectName();
        }
    }
    painted.sort();
    changed.sort();
    QCOMPARE(painted, changed);
}

// --- A value typed in, the reading copied ---------------------------------------

// A key that can begin a value, typed on a colour list, closed or open, opens the
// entry holding it in place of the value line;
// Enter picks each list as the user would, switching the band count where the
// value needs it; Escape, or Enter on a refused value, changes nothing.
void TestResistorPage::typedValue_data() {
    QTest::addColumn<int>("clicks"); // on the check box first
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<bool>("five");
    QTest::addColumn<QList<int>>("lists");
    QTest::addColumn<QString>("value");
    const QList<int> start{0, 2, 0, 3, 1};
    QTest::newRow("four bands kept")
        << 0 << "4k7 1%" << true << false << QList<int>{3, 7, 0, 2, 2} << "Valeur = 4,7 K";
    QTest::newRow("a third digit: five bands")
        << 0 << "4,99k" << true << true << QList<int>{3, 9, 9, 1, 1} << "Valeur = 4,99 K";
    QTest::newRow("below 100: four bands")
        << 1 << "47" << true << false << QList<int>{3, 7, 0, 0, 1} << "Valeur = 47 ";
    QTest::newRow("refused") << 0 << "9" << false << false << start << "Valeur = 12 K";
    // The first key is part of the value: a decimal mark, or a prefix standing for it.
    QTest::newRow("a comma first")
        << 0 << ",47k" << true << false << QList<int>{3, 7, 0, 1, 1} << "Valeur = 470";
    QTest::newRow("a prefix first")
        << 0 << "K47" << true << false << QList<int>{3, 7, 0, 1, 1} << "Valeur = 470";
    QTest::newRow("R first: 0,47 Ω, refused")
        << 0 << "R47" << false << false << start << "Valeur = 12 K";
}

void TestResistorPage::typedValue() {
    QFETCH(int, clicks);
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    QFETCH(bool, five);
    QFETCH(QList<int>, lists);
    QFETCH(QString, value);
    TPrincipale *w = m_window.get();
    for (int i = 0; i < clicks; ++i)
        clickCheckBox();
    w->ComboBox2->setFocus();
    if (clicks) // in the open list
        QTest::keyClick(w->ComboBox2, Qt::Key_Space);
    QTest::keyClicks(clicks ? static_cast<QWidget *>(w->ComboBox2->view()) : w->ComboBox2,
                     typed.left(1));
    QVERIFY(!w->ComboBox2->isListShown());
    QLineEdit *entry = w->ValueEntry;
    QVERIFY(entry && entry->hasFocus());
    QCOMPARE(entry->text(), typed.left(1));
    QVERIFY(!w->Label1->isVisible());
    QTest::keyClicks(entry, typed.mid(1));
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(entry->isVisible(), !taken);
    QTest::keyClick(entry, Qt::Key_Escape);
    QVERIFY(!entry->isVisible() && !w->ValuePreview->isVisible());
    QVERIFY(w->Label1->isVisible() && w->ComboBox2->hasFocus());
    QCOMPARE(w->Label1->text(), value);
    QCOMPARE(w->CheckBox1->isChecked(), five);
    QList<int> picked;
    for (TColourComboBox *list :
         {w->ComboBox1, w->ComboBox2, w->ComboBox3, w->ComboBox4, w->ComboBox5})
        picked << list->currentIndex();
    QCOMPARE(picked, lists);
}

// Ctrl+C on the page copies the reading; F2 opens the entry on the value shown,
// where Ctrl+C copies the selected text instead.
void TestResistorPage::copyReading() {
    TPrincipale *w = m_window.get();
    w->ComboBox1->setFocus();
    QTest::keyClick(w->ComboBox1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("12 K Ω ±5% : marron, rouge, orange, doré"));
    QTest::keyClick(w->ComboBox1, Qt::Key_F2);
    QCOMPARE(w->ValueEntry->selectedText(), QStringLiteral("12k"));
    QTest::keyClick(w->ValueEntry, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12k"));
}

// A digit typed wherever the focus is on the shown page opens the entry; however
// it closes without Enter, the box is again as laid out and the value unchanged;
// while open, a screen reader finds the entry and its preview.
void TestResistorPage::entryLeavesNoTrace_data() {
    QTest::addColumn<QString>("leave");
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("another page") << "page";
    QTest::newRow("the focus on a list") << "list";
}

void TestResistorPage::entryLeavesNoTrace() {
    QFETCH(QString, leave);
    TPrincipale *w = m_window.get();
    const QImage before = w->GroupBox1->grab().toImage();
    // Typed with the focus on the tabs, as at start.
    w->PageControl1->tabBar()->setFocus();
    QTest::keyClick(w->PageControl1->tabBar(), Qt::Key_4);
    QVERIFY(w->ValueEntry && w->ValueEntry->hasFocus());
    QTest::keyClicks(w->ValueEntry, QStringLiteral("705"));
    QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(w->ValueEntry);
    QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Valeur à saisir"));
    QCOMPARE(entry->text(QAccessible::Value), QStringLiteral("4705"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->ValuePreview)->text(QAccessible::Name),
             QStringLiteral("4,7 K ohm ±5%, série E24, jaune, violet, rouge, doré"));
    if (leave == u"Escape")
        QTest::keyClick(w->ValueEntry, Qt::Key_Escape);
    else if (leave == u"page")
        w->BarreDiodeClick();
    else
        w->ComboBox1->setFocus(Qt::MouseFocusReason);
    w->BarreResistanceClick();
    QVERIFY(!w->ValueEntry->isVisible());
    QCOMPARE(w->GroupBox1->grab().toImage(), before);
    QCOMPARE(w->Label1->text(), QStringLiteral("Valeur = 12 K"));
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestResistorPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resistorpage.moc"
