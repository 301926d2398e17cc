// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's toolbar driven with the mouse: the six items and their
// handlers, docking at each edge by dragging, the drag threshold and frame, the
// cursors and hints.

#include "common/modal.h"
#include "common/mouse.h"
#include "common/recordinghelp.h"
#include "common/scratchwindow.h"
#include "toolbar/tdragframe.h"
#include "toolbar/tspeedbar.h"
#include "toolbar/tspeedbarbutton.h"
#include "toolbar/tspeedbarsection.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/hints.h"
#include "toolkit/tapplication.h"
#include "toolkit/tstatusbar.h"

#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

namespace {

// A vertical bar holds its buttons turned across: x and y, width and height swapped.
QRect transposed(const QRect &r) {
    return QRect(r.y(), r.x(), r.height(), r.width());
}

// Where the bar's free surface is: between "Capacité" and "Aide".
QPoint freeSurface(const TSpeedBar *bar) {
    return bar->isVertical() ? bar->mapToParent(QPoint(30, 240))
                             : bar->mapToParent(QPoint(240, 30));
}

// Answers the next modal dialog with a key, once it is up.
void answerNextDialog(Qt::Key key, QString *title = nullptr) {
    whenModal(
        [key, title](QWidget *dialog) {
            if (title)
                *title = dialog->windowTitle();
            QTest::keyClick(dialog, key);
        },
        20);
}

} // namespace

class TestToolbarDocking : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void initialLayout();
    void glyphTransparency_data();
    void glyphTransparency();
    void clickEachItem_data();
    void clickEachItem();
    void pressMoveOffReleaseDoesNothing();
    void dragThreshold_data();
    void dragThreshold();
    void edgeByDiagonals_data();
    void edgeByDiagonals();
    void drop_data();
    void drop();
    void verticalEdgeCutsTheButtons_data();
    void verticalEdgeCutsTheButtons();
    void backToTopRestoresEverything_data();
    void backToTopRestoresEverything();
    void dragFrameInvertsAndRestores();
    void dragEndsWhenTheMouseIsTaken_data();
    void dragEndsWhenTheMouseIsTaken();
    void cursors();
    void hints();

private:
    void drag(QPoint from, const QList<QPoint> &path);
    QList<QRect> buttonGeometries() const;
    QImage shotWithoutClock() const;
    QImage startDragToTheLeft();

    TPrincipale *m_window = nullptr;
    RecordingHelp m_help;
    QList<QRect> m_horizontal; // the buttons as the bar came up
};

void TestToolbarDocking::init() {
    m_help.calls.clear();
    Application()->setHelpFacility(&m_help);
    m_window = new ScratchWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_horizontal = buttonGeometries();
}

void TestToolbarDocking::cleanup() {
    // Deleting the window skips the quit question.
    delete m_window;
    m_window = nullptr;
}

void TestToolbarDocking::drag(QPoint from, const QList<QPoint> &path) {
    QWindow *window = m_window->windowHandle();
    QTest::mouseMove(window, from);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    for (const QPoint &p : path)
        QTest::mouseMove(window, p);
    QTest::mouseRelease(window, Qt::LeftButton, {}, path.last());
}

QList<QRect> TestToolbarDocking::buttonGeometries() const {
    QList<QRect> result;
    for (TSpeedItem *item :
         {m_window->BarreResistance, m_window->BarreDiode, m_window->BarreCapacite,
          m_window->BarreAide, m_window->BarreApropos, m_window->BarreQuitter})
        result.append(item->button()->geometry());
    return result;
}

// Six buttons of the bar's button size in item order along the top, with bare
// bar between "Capacité" (ending at 193) and "Aide" to drag it by, and 9
// pixels before "Quitter".
void TestToolbarDocking::initialLayout() {
    TSpeedBar *bar = m_window->SpeedBar1;
    QCOMPARE(bar->geometry(), QRect(0, 0, 495, 62));
    QCOMPARE(bar->Align(), tk::Align::Top);
    QVERIFY(!bar->isVertical());
    for (int i = 0; i < 6; ++i) {
        const QRect button = m_horizontal[i];
        QCOMPARE(button.size(), QSize(bar->BtnWidth(), bar->BtnHeight()));
        QCOMPARE(button.top(), bar->BtnOffsetVert());
        QVERIFY(bar->innerRect().contains(button));
        // Side by side but for the two gaps the layout has.
        const int gap = i == 3 ? 292 - 193 : i == 5 ? 9 : 0;
        if (i > 0)
            QCOMPARE(button.left() - m_horizontal[i - 1].right() - 1, gap);
    }
    QCOMPARE(m_horizontal[0].left(), bar->BtnOffsetHorz());
    QCOMPARE(m_horizontal[3].left(), 292);
    QCOMPARE(m_window->childAt(freeSurface(bar)), bar);
    QCOMPARE(m_window->SpeedbarSection1->Caption(), QStringLiteral("Principale"));
    QCOMPARE(m_window->SpeedbarSection1->items().size(), 6);
    QVERIFY(!bar->Wallpaper().isNull());
    QCOMPARE(m_window->BarreQuitter->BtnCaption(), QStringLiteral("Quitter"));
    QCOMPARE(m_window->BarreQuitter->button()->glyphRect().topLeft(), QPoint(22, 11));
    QCOMPARE(m_window->BarreQuitter->button()->captionRect().top(), 30);
    QCOMPARE(m_window->BarreResistance->button()->glyphRect().topLeft(), QPoint(23, 12));
    QCOMPARE(m_window->BarreResistance->button()->captionRect().top(), 29);
}

void TestToolbarDocking::glyphTransparency_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QColor>("background");
    const QColor olive(0x80, 0x80, 0x00), purple(0x80, 0x00, 0x80);
    QTest::newRow("Résistance") << "BarreResistance" << olive;
    QTest::newRow("Led") << "BarreDiode" << olive;
    QTest::newRow("Capacité") << "BarreCapacite" << olive;
    QTest::newRow("Aide") << "BarreAide" << olive;
    QTest::newRow("A propos") << "BarreApropos" << purple;
    QTest::newRow("Quitter") << "BarreQuitter" << olive;
}

void TestToolbarDocking::glyphTransparency() {
    QFETCH(QString, item);
    QFETCH(QColor, background);
    TSpeedItem *target = m_window->findChild<TSpeedItem *>(item);
    const QImage strip = target->Glyph().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(target->NumGlyphs(), 2);
    QCOMPARE(strip.pixel(0, strip.height() - 1), background.rgb());
    TSpeedBar *bar = m_window->SpeedBar1;
    const QImage shot = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage wallpaper = bar->Wallpaper().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect glyph = target->button()->glyphRect().translated(target->button()->pos());
    int seeThrough = 0, drawn = 0;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QPoint onBar = glyph.topLeft() + QPoint(x, y);
            if (strip.pixel(x, y) == background.rgb()) {
                QCOMPARE(shot.pixel(onBar), wallpaper.pixel(onBar - QPoint(1, 1)));
                ++seeThrough;
            } else {
                // Every other colour of the glyph, however close, is drawn as it is.
                QCOMPARE(shot.pixel(onBar), strip.pixel(x, y));
                ++drawn;
            }
        }
    }
    QVERIFY(seeThrough > 0 && drawn > 0);
}

void TestToolbarDocking::clickEachItem_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Résistance") << "BarreResistance"
                                << "page 0";
    QTest::newRow("Led") << "BarreDiode"
                         << "page 1";
    QTest::newRow("Capacité") << "BarreCapacite"
                              << "page 2";
    QTest::newRow("Aide") << "BarreAide"
                          << "help index";
    QTest::newRow("A propos") << "BarreApropos"
                              << "A propos de ...";
    QTest::newRow("Quitter") << "BarreQuitter"
                             << "Confirmation";
}

void TestToolbarDocking::clickEachItem() {
    QFETCH(QString, item);
    QFETCH(QString, effect);
    // Start from a page no item leads to by chance.
    m_window->PageControl1->setCurrentIndex(effect == QLatin1String("page 1") ? 2 : 1);
    TSpeedItem *target = m_window->findChild<TSpeedItem *>(item);
    QVERIFY(target);
    QString dialogTitle;
    if (!effect.startsWith(QLatin1String("page")) && effect != QLatin1String("help index"))
        answerNextDialog(effect == QLatin1String("Confirmation") ? Qt::Key_Escape : Qt::Key_Return,
                         &dialogTitle);
    mouse::click(target->button(), QPoint(31, 27));
    if (effect.startsWith(QLatin1String("page"))) {
        QCOMPARE(QStringLiteral("page %1").arg(m_window->PageControl1->currentIndex()), effect);
    } else if (effect == QLatin1String("help index")) {
        QCOMPARE(m_help.calls, QStringList{"index"});
    } else {
        QCOMPARE(dialogTitle, effect);
        // "Non" to the quit question: the window stays.
        QVERIFY(m_window->isVisible());
    }
}

void TestToolbarDocking::pressMoveOffReleaseDoesNothing() {
    m_window->PageControl1->setCurrentIndex(2);
    TSpeedbarButton *button = m_window->BarreResistance->button();
    mouse::move(button, QPoint(30, 30));
    mouse::press(button, QPoint(30, 30));
    mouse::move(m_window->SpeedBar1, QPoint(240, 30));
    QVERIFY(button->isMouseInside());
    mouse::release(m_window->SpeedBar1, QPoint(240, 30));
    QCOMPARE(m_window->PageControl1->currentIndex(), 2);
    // Nor was the release on the bar taken for a drag.
    QCOMPARE(m_window->SpeedBar1->geometry(), QRect(0, 0, 495, 62));
}

void TestToolbarDocking::dragThreshold_data() {
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("drags");
    QTest::newRow("4 right") << QPoint(4, 0) << false;
    QTest::newRow("4 left") << QPoint(-4, 0) << false;
    QTest::newRow("4 down") << QPoint(0, 4) << false;
    QTest::newRow("4 up") << QPoint(0, -4) << false;
    QTest::newRow("4 both ways") << QPoint(4, -4) << false;
    QTest::newRow("5 right") << QPoint(5, 0) << true;
    QTest::newRow("5 left") << QPoint(-5, 0) << true;
    QTest::newRow("5 down") << QPoint(0, 5) << true;
    QTest::newRow("5 up") << QPoint(0, -5) << true;
}

void TestToolbarDocking::dragThreshold() {
    QFETCH(QPoint, offset);
    QFETCH(bool, drags);
    TSpeedBar *bar = m_window->SpeedBar1;
    QWindow *window = m_window->windowHandle();
    const QPoint from = freeSurface(bar);
    QTest::mouseMove(window, from);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, from + offset);
    QCOMPARE(bar->isBeingDragged(), drags);
    QCOMPARE(QGuiApplication::overrideCursor() != nullptr, drags);
    if (drags)
        QCOMPARE(bar->dragFrame(), QRect(m_window->mapToGlobal(QPoint(0, 0)), QSize(495, 62)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, from + offset);
    QVERIFY(!bar->isBeingDragged());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(bar->geometry(), QRect(0, 0, 495, 62));
    QCOMPARE(buttonGeometries().at(3), m_horizontal[3]);
}

void TestToolbarDocking::edgeByDiagonals_data() {
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("edge");
    // The main window's client area is 495 x 332: at a quarter and three
    // quarters of its width the diagonals pass through whole pixels.
    const int T = int(tk::Align::Top), B = int(tk::Align::Bottom), L = int(tk::Align::Left),
              R = int(tk::Align::Right);
    QTest::newRow("on the main diagonal, upper half") << QPointF(123.75, 83) << T;
    QTest::newRow("on the main diagonal, lower half") << QPointF(371.25, 249) << R;
    QTest::newRow("on the anti-diagonal, upper half") << QPointF(371.25, 83) << R;
    QTest::newRow("on the anti-diagonal, lower half") << QPointF(123.75, 249) << B;
    QTest::newRow("on both, the centre") << QPointF(247.5, 166) << R;
    QTest::newRow("just below the main diagonal") << QPointF(123.75, 83.001) << L;
    QTest::newRow("just above the anti-diagonal") << QPointF(371.25, 82.999) << T;
    QTest::newRow("top triangle") << QPointF(247, 10) << T;
    QTest::newRow("bottom triangle") << QPointF(247, 320) << B;
    QTest::newRow("left triangle") << QPointF(10, 166) << L;
    QTest::newRow("right triangle") << QPointF(485, 166) << R;
}

void TestToolbarDocking::edgeByDiagonals() {
    QFETCH(QPointF, at);
    QFETCH(int, edge);
    QCOMPARE(int(TSpeedBar::edgeAt(at, QSizeF(m_window->rect().size()))), edge);
}

void TestToolbarDocking::drop_data() {
    QTest::addColumn<QPoint>("at"); // release point in the window
    QTest::addColumn<int>("edge");
    QTest::addColumn<QRect>("bar");
    QTest::addColumn<QRect>("pages");
    const QRect top(0, 0, 495, 62), bottom(0, 251, 495, 62);
    const QRect left(0, 0, 62, 313), right(433, 0, 62, 313);
    const int T = int(tk::Align::Top), B = int(tk::Align::Bottom), L = int(tk::Align::Left),
              R = int(tk::Align::Right);
    QTest::newRow("top triangle: stays") << QPoint(247, 40) << T << top << QRect(0, 62, 495, 251);
    QTest::newRow("bottom triangle") << QPoint(247, 300) << B << bottom << QRect(0, 0, 495, 251);
    QTest::newRow("left triangle") << QPoint(40, 166) << L << left << QRect(62, 0, 433, 313);
    QTest::newRow("right triangle") << QPoint(455, 166) << R << right << QRect(0, 0, 433, 313);
    // Points exactly on a diagonal (the window's corners; the mouse is held by
    // the bar, so it may leave the window).
    QTest::newRow("main diagonal, bottom-right")
        << QPoint(495, 332) << R << right << QRect(0, 0, 433, 313);
    QTest::newRow("anti-diagonal, top-right")
        << QPoint(495, 0) << R << right << QRect(0, 0, 433, 313);
    QTest::newRow("anti-diagonal, bottom-left")
        << QPoint(0, 332) << B << bottom << QRect(0, 0, 495, 251);
    // One pixel off the diagonals.
    QTest::newRow("below the main diagonal's end")
        << QPoint(494, 332) << B << bottom << QRect(0, 0, 495, 251);
    QTest::newRow("above the anti-diagonal's end")
        << QPoint(0, 331) << L << left << QRect(62, 0, 433, 313);
}

void TestToolbarDocking::drop() {
    QFETCH(QPoint, at);
    QFETCH(int, edge);
    QFETCH(QRect, bar);
    QFETCH(QRect, pages);
    TSpeedBar *speedBar = m_window->SpeedBar1;
    const QRect statusBar = m_window->StatusBar->geometry();
    const QPoint from = freeSurface(speedBar);
    drag(from, {from + QPoint(0, 10), at});
    QCOMPARE(int(speedBar->Align()), edge);
    QCOMPARE(speedBar->geometry(), bar);
    QCOMPARE(m_window->PageControl1->geometry(), pages);
    // The status bar keeps the very bottom whatever the edge.
    QCOMPARE(m_window->StatusBar->geometry(), statusBar);
    QCOMPARE(statusBar, QRect(0, 313, 495, 19));
    const bool vertical = edge == int(tk::Align::Left) || edge == int(tk::Align::Right);
    QCOMPARE(speedBar->isVertical(), vertical);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(buttonGeometries().at(i),
                 vertical ? transposed(m_horizontal[i]) : m_horizontal[i]);
    QVERIFY(!speedBar->isBeingDragged());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestToolbarDocking::verticalEdgeCutsTheButtons_data() {
    QTest::addColumn<QPoint>("at");
    QTest::newRow("left") << QPoint(40, 166);
    QTest::newRow("right") << QPoint(455, 166);
}

void TestToolbarDocking::verticalEdgeCutsTheButtons() {
    QFETCH(QPoint, at);
    const QPoint from = freeSurface(m_window->SpeedBar1);
    drag(from, {from + QPoint(0, 10), at});
    QVERIFY(m_window->SpeedBar1->isVertical());
    // "Aide" shows only down to the bar's bevel; the last two are off the bar.
    const QRect aide = m_window->BarreAide->button()->visibleRegion().boundingRect();
    QCOMPARE(aide, QRect(0, 0, 54, 313 - m_horizontal[3].left()));
    QVERIFY(m_window->BarreApropos->button()->visibleRegion().isEmpty());
    QVERIFY(m_window->BarreQuitter->button()->visibleRegion().isEmpty());
    // What is left of "Aide" still works.
    mouse::click(m_window->BarreAide->button(), QPoint(27, 10));
    QCOMPARE(m_help.calls, QStringList{"index"});
    // A click where "A propos" would be is not a click on it.
    const QPoint below = m_window->SpeedBar1->mapToParent(QPoint(27, 312));
    QVERIFY(m_window->childAt(below) != m_window->BarreApropos->button());
}

void TestToolbarDocking::backToTopRestoresEverything_data() {
    QTest::addColumn<QList<QPoint>>("stops");
    QTest::newRow("left, top") << QList<QPoint>{{40, 166}, {247, 40}};
    QTest::newRow("right, top") << QList<QPoint>{{455, 166}, {247, 40}};
    QTest::newRow("left, right, bottom, top")
        << QList<QPoint>{{40, 166}, {455, 166}, {247, 300}, {247, 40}};
}

void TestToolbarDocking::backToTopRestoresEverything() {
    QFETCH(QList<QPoint>, stops);
    const QList<QRect> buttons = buttonGeometries();
    const QRect pages = m_window->PageControl1->geometry();
    for (const QPoint &stop : stops) {
        const QPoint from = freeSurface(m_window->SpeedBar1);
        drag(from, {from + QPoint(7, 7), stop});
    }
    QCOMPARE(m_window->SpeedBar1->geometry(), QRect(0, 0, 495, 62));
    QCOMPARE(buttonGeometries(), buttons);
    QCOMPARE(m_window->PageControl1->geometry(), pages);
    QCOMPARE(m_window->SpeedBar1->BtnWidth(), 63);
    QCOMPARE(m_window->SpeedBar1->BtnHeight(), 54);
    for (TSpeedItem *item : {m_window->BarreApropos, m_window->BarreQuitter})
        QCOMPARE(item->button()->visibleRegion().boundingRect(), QRect(0, 0, 63, 54));
}

// The window but the clock, which ticks in the status bar.
QImage TestToolbarDocking::shotWithoutClock() const {
    return m_window->grab(QRect(0, 0, 495, 313)).toImage().convertToFormat(QImage::Format_RGB32);
}

// Presses on the bar's free surface and drags over the left edge; returns the
// window as it was before the press.
QImage TestToolbarDocking::startDragToTheLeft() {
    QWindow *window = m_window->windowHandle();
    const QPoint from = freeSurface(m_window->SpeedBar1);
    QTest::mouseMove(window, from);
    const QImage before = shotWithoutClock();
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, from + QPoint(0, 5));
    QTest::mouseMove(window, QPoint(40, 166));
    return before;
}

void TestToolbarDocking::dragFrameInvertsAndRestores() {
    TSpeedBar *bar = m_window->SpeedBar1;
    QWindow *window = m_window->windowHandle();
    const QImage before = startDragToTheLeft();
    const QRect frame(0, 0, 62, 313);
    QCOMPARE(bar->dragFrame(), QRect(m_window->mapToGlobal(frame.topLeft()), frame.size()));
    const QImage during = shotWithoutClock();
    const QList<QPoint> points = TDragFrame::framePoints(frame);
    QVERIFY(!points.isEmpty());
    QImage expected = before;
    for (const QPoint &p : points)
        expected.setPixel(p, ~before.pixel(p) | 0xFF000000);
    QCOMPARE(during, expected);
    // Back over the top: the left frame is erased, the bar's own shown.
    QTest::mouseMove(window, QPoint(247, 40));
    const QImage back = shotWithoutClock();
    expected = before;
    for (const QPoint &p : TDragFrame::framePoints(QRect(0, 0, 495, 62)))
        expected.setPixel(p, ~before.pixel(p) | 0xFF000000);
    QCOMPARE(back, expected);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(247, 40));
    QCOMPARE(shotWithoutClock(), before);
}

void TestToolbarDocking::dragEndsWhenTheMouseIsTaken_data() {
    QTest::addColumn<QString>("taker");
    QTest::newRow("popup menu from the right button") << "popup";
    QTest::newRow("release kept by the window system") << "lost release";
    QTest::newRow("another window becomes active") << "other window";
}

void TestToolbarDocking::dragEndsWhenTheMouseIsTaken() {
    QFETCH(QString, taker);
    TSpeedBar *bar = m_window->SpeedBar1;
    QWindow *window = m_window->windowHandle();
    const QImage before = startDragToTheLeft();
    QVERIFY(bar->isBeingDragged());

    QWidget other;
    if (taker == u"popup") {
        QTest::mousePress(window, Qt::RightButton, {}, QPoint(40, 166));
        QVERIFY(m_window->PopupMenu1->isVisible());
    } else if (taker == u"lost release") {
        const QPoint at(60, 166);
        QMouseEvent move(QEvent::MouseMove, at, m_window->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, {});
        QApplication::sendEvent(window, &move);
    } else {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    QVERIFY(!bar->isBeingDragged());
    QVERIFY(bar->dragFrame().isNull());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(shotWithoutClock(), before);

    // The release, if it comes at all, finds no drag to end; nor does a move.
    m_window->PopupMenu1->hide();
    QTest::mouseMove(window, QPoint(247, 300));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(247, 300));
    QVERIFY(!bar->isBeingDragged());
    QCOMPARE(bar->Align(), tk::Align::Top);
    QCOMPARE(bar->geometry(), QRect(0, 0, 495, 62));
}

void TestToolbarDocking::cursors() {
    for (TSpeedItem *item : {m_window->BarreResistance, m_window->BarreQuitter}) {
        QCOMPARE(item->Cursor(), 1);
        QCOMPARE(item->button()->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(item->button()->cursor().hotSpot(), QPoint(0, 0));
    }
    QCOMPARE(m_window->SpeedBar1->cursor().shape(), Qt::ArrowCursor);
    QWindow *window = m_window->windowHandle();
    const QPoint from = freeSurface(m_window->SpeedBar1);
    QTest::mouseMove(window, from);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, from + QPoint(0, 8));
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
    QCOMPARE(QGuiApplication::overrideCursor()->hotSpot(), QPoint(15, 16));
    QTest::mouseRelease(window, Qt::LeftButton, {}, from + QPoint(0, 8));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestToolbarDocking::hints() {
    TSpeedbarButton *quit = m_window->BarreQuitter->button();
    mouse::move(quit, QPoint(30, 30));
    QTRY_COMPARE(m_window->StatusBar->panelText(1), QStringLiteral("Quitter Chromohm"));
    QVERIFY(tk::showsHint(quit));
    // The tooltip shows the whole hint too.
    QHelpEvent help(QEvent::ToolTip, QPoint(30, 30), quit->mapToGlobal(QPoint(30, 30)));
    QApplication::sendEvent(quit, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Quitter Chromohm"));
    QToolTip::hideText();
    mouse::move(m_window->SpeedBar1, QPoint(240, 30));
    QTRY_COMPARE(m_window->StatusBar->panelText(1), QString());
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestToolbarDocking t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_toolbardocking.moc"
