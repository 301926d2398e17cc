// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolbar's buttons on a bar set up as the main window's: layout of glyph and
// caption, transparency, hover and press frames, click semantics, repaint economy,
// and what assistive tools see.

#include "common/glyphs.h"
#include "common/mouse.h"
#include "common/paintcounter.h"
#include "toolbar/tspeedbar.h"
#include "toolbar/tspeedbarbutton.h"
#include "toolbar/tspeedbarsection.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/tapplication.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using namespace glyphs;

namespace {

QPixmap makeWallpaper() {
    QImage image(640, 125, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 3) % 256, (y * 5) % 256, 180));
    return QPixmap::fromImage(image);
}

QRgb at(const QImage &image, QPoint p) {
    return image.pixel(p);
}

} // namespace

class TestSpeedbarButton : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void transparency_data();
    void transparency();
    void hoverFrameOnlyWhileActive_data();
    void hoverFrameOnlyWhileActive();
    void heldButtonIsSunken();
    void clickSemantics_data();
    void clickSemantics();
    void raisedFrameKeptUntilRelease();
    void disabledButton();
    void disabledBar();
    void accessibility();
    void offsetsAndSizes();

private:
    TSpeedItem *item(int i) const { return m_items.at(i); }
    QImage grabBar() const { return m_bar->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    bool activate();

    QWidget *m_window = nullptr;
    TSpeedBar *m_bar = nullptr;
    QList<TSpeedItem *> m_items;
};

void TestSpeedbarButton::init() {
    m_window = new QWidget;
    m_window->resize(495, 120);
    m_bar = new TSpeedBar(m_window);
    m_bar->setGeometry(0, 0, 495, 62);
    m_bar->setOptions(TSpeedBar::sbAllowDrag | TSpeedBar::sbFlatBtns |
                      TSpeedBar::sbTransparentBtns);
    m_bar->setBtnOffsetHorz(4);
    m_bar->setBtnOffsetVert(4);
    m_bar->setBtnWidth(63);
    m_bar->setBtnHeight(54);
    TSpeedbarSection *section = m_bar->addSection(QStringLiteral("Principale"));
    const struct {
        const char *caption;
        int left, side;
        QColor background;
    } rows[] = {
        {"Résistance", 4, 16, Olive}, {"A propos", 67, 16, Purple}, {"Quitter", 130, 18, Olive}};
    m_items.clear();
    for (const auto &row : rows) {
        auto *it = new TSpeedItem(m_window);
        it->setBtnCaption(QString::fromUtf8(row.caption));
        it->setHint(QString::fromUtf8(row.caption) + QStringLiteral(" ?"));
        it->setLeft(row.left);
        it->setTop(4);
        it->setSpacing(1);
        it->setGlyph(makeGlyph(row.side, row.background));
        it->setNumGlyphs(2);
        it->setVisible(true);
        m_bar->addItem(section, it);
        m_items.append(it);
    }
    m_bar->finishLoading();
    m_bar->setWallpaper(makeWallpaper());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestSpeedbarButton::cleanup() {
    delete m_window;
    m_window = nullptr;
}

bool TestSpeedbarButton::activate() {
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window);
}

void TestSpeedbarButton::layout_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("look");
    QTest::addColumn<QPoint>("glyph");
    QTest::addColumn<int>("captionTop");
    // A 13-pixel caption: 16x16 glyphs have their caption at 29, 18x18 at 30.
    QTest::newRow("16x16, no frame") << 0 << "plain" << QPoint(23, 12) << 29;
    QTest::newRow("16x16, hovered") << 0 << "hovered" << QPoint(23, 12) << 29;
    QTest::newRow("16x16, held") << 0 << "held" << QPoint(24, 13) << 30;
    QTest::newRow("18x18, no frame") << 2 << "plain" << QPoint(22, 11) << 30;
    QTest::newRow("18x18, hovered") << 2 << "hovered" << QPoint(22, 11) << 30;
    QTest::newRow("18x18, held") << 2 << "held" << QPoint(23, 12) << 31;
}

void TestSpeedbarButton::layout() {
    QFETCH(int, index);
    QFETCH(QString, look);
    QFETCH(QPoint, glyph);
    QFETCH(int, captionTop);
    QVERIFY(activate());
    TSpeedbarButton *button = item(index)->button();
    const QPoint centre = button->rect().center();
    if (look != QLatin1String("plain"))
        mouse::move(button, centre);
    if (look == QLatin1String("held"))
        mouse::press(button, centre);
    QCOMPARE(button->glyphRect().topLeft(), glyph);
    QCOMPARE(button->captionRect().top(), captionTop);
    // What is on screen agrees: the red block of the glyph starts 4 pixels in.
    const QImage shot = button->grab().toImage();
    QCOMPARE(at(shot, glyph + QPoint(4, 4)), QColor(Qt::red).rgb());
    QVERIFY(at(shot, glyph + QPoint(3, 3)) != QColor(Qt::red).rgb());
    if (look == QLatin1String("held"))
        mouse::release(button, centre);
}

void TestSpeedbarButton::transparency_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("olive") << 0;
    QTest::newRow("purple") << 1;
    QTest::newRow("18x18") << 2;
}

void TestSpeedbarButton::transparency() {
    QFETCH(int, index);
    TSpeedbarButton *button = item(index)->button();
    const QImage shot = grabBar();
    const QImage wallpaper = m_bar->Wallpaper().toImage();
    const QImage strip = item(index)->Glyph();
    const QColor key = strip.pixelColor(0, strip.height() - 1);
    const QRect glyph = button->glyphRect().translated(button->pos());
    int seeThrough = 0;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor source = strip.pixelColor(x, y);
            const QPoint onBar = glyph.topLeft() + QPoint(x, y);
            if (source == key) {
                // The wallpaper starts at the inner corner (1, 1).
                QCOMPARE(at(shot, onBar), wallpaper.pixel(onBar - QPoint(1, 1)));
                ++seeThrough;
            } else {
                QCOMPARE(at(shot, onBar), source.rgb());
            }
        }
    }
    QVERIFY(seeThrough > 0);
    // The pixel one step off the background colour stays as drawn.
    if (key == Olive)
        QCOMPARE(at(shot, glyph.topLeft() + QPoint(1, 1)), NearlyOlive.rgb());
}

void TestSpeedbarButton::hoverFrameOnlyWhileActive_data() {
    QTest::addColumn<bool>("active");
    QTest::newRow("program active") << true;
    QTest::newRow("another program active") << false;
}

void TestSpeedbarButton::hoverFrameOnlyWhileActive() {
    QFETCH(bool, active);
    if (active)
        QVERIFY(activate());
    else
        QApplication::setActiveWindow(nullptr);
    QCOMPARE(QApplication::activeWindow() != nullptr, active);
    TSpeedbarButton *button = item(0)->button();
    mouse::move(m_bar, QPoint(250, 30));
    QTest::qWait(50);
    PaintCounter paints;

    mouse::move(button, button->rect().center());
    QCOMPARE(button->isMouseInside(), active);
    if (active)
        QTRY_VERIFY(paints.count(button) > 0);
    QTest::qWait(50);
    // Only the button under the pointer repaints, never the bar or its neighbours.
    QCOMPARE(paints.count(m_bar), 0);
    QCOMPARE(paints.count(item(1)->button()), 0);
    if (!active)
        QCOMPARE(paints.count(button), 0);

    const QImage shot = button->grab().toImage();
    const QPalette &pal = button->palette();
    const QRgb corner = at(shot, QPoint(0, 0));
    const QRgb farCorner = at(shot, QPoint(button->width() - 1, button->height() - 1));
    if (active) {
        QCOMPARE(corner, pal.color(QPalette::Light).rgb());
        QCOMPARE(farCorner, pal.color(QPalette::Dark).rgb());
    } else {
        const QImage wallpaper = m_bar->Wallpaper().toImage();
        QCOMPARE(corner, wallpaper.pixel(button->pos() - QPoint(1, 1)));
    }
    // The glyph does not move when the frame appears.
    QCOMPARE(button->glyphRect().topLeft(), QPoint(23, 12));
}

void TestSpeedbarButton::heldButtonIsSunken() {
    QVERIFY(activate());
    TSpeedbarButton *button = item(0)->button();
    const QPoint centre = button->rect().center();
    mouse::move(button, centre);
    QTest::qWait(50);
    PaintCounter paints;
    mouse::press(button, centre);
    QTRY_VERIFY(paints.count(button) > 0);
    QTest::qWait(50);
    QCOMPARE(paints.count(m_bar), 0);
    const QImage shot = button->grab().toImage();
    const QPalette &pal = button->palette();
    QCOMPARE(at(shot, QPoint(0, 0)), pal.color(QPalette::Shadow).rgb());
    QCOMPARE(at(shot, QPoint(62, 53)), pal.color(QPalette::Light).rgb());
    QCOMPARE(button->glyphRect().topLeft(), QPoint(24, 13));
    mouse::release(button, centre);
}

void TestSpeedbarButton::clickSemantics_data() {
    QTest::addColumn<QList<QPoint>>("path"); // in the bar; press at the first, release at the last
    QTest::addColumn<int>("clicks");
    const QPoint in(35, 30), alsoIn(10, 50), wallpaper(250, 30), neighbour(98, 30);
    QTest::newRow("press and release on it") << QList<QPoint>{in, in} << 1;
    QTest::newRow("moving inside it") << QList<QPoint>{in, alsoIn} << 1;
    QTest::newRow("off and release on the wallpaper") << QList<QPoint>{in, wallpaper} << 0;
    QTest::newRow("off and release on another button") << QList<QPoint>{in, neighbour} << 0;
    QTest::newRow("off and back on") << QList<QPoint>{in, wallpaper, in} << 1;
}

void TestSpeedbarButton::clickSemantics() {
    QFETCH(QList<QPoint>, path);
    QFETCH(int, clicks);
    QVERIFY(activate());
    QSignalSpy spy(item(0), &TSpeedItem::clicked);
    QSignalSpy neighbourSpy(item(1), &TSpeedItem::clicked);
    mouse::move(m_bar, path.first());
    mouse::press(m_bar, path.first());
    for (const QPoint &p : path.mid(1))
        mouse::move(m_bar, p);
    mouse::release(m_bar, path.last());
    QCOMPARE(spy.count(), clicks);
    QCOMPARE(neighbourSpy.count(), 0);
    QCOMPARE(item(0)->button()->state(), TSpeedbarButton::State::Up);
    QVERIFY(!item(0)->button()->isHeld());
}

void TestSpeedbarButton::raisedFrameKeptUntilRelease() {
    QVERIFY(activate());
    TSpeedbarButton *button = item(0)->button();
    mouse::move(button, QPoint(30, 30));
    mouse::press(button, QPoint(30, 30));
    mouse::move(m_bar, QPoint(250, 30));
    // Off the button while held: up, but still framed as under the pointer.
    QCOMPARE(button->state(), TSpeedbarButton::State::Up);
    QVERIFY(button->isMouseInside());
    QImage shot = button->grab().toImage();
    QCOMPARE(at(shot, QPoint(0, 0)), button->palette().color(QPalette::Light).rgb());
    QCOMPARE(button->glyphRect().topLeft(), QPoint(23, 12));
    mouse::release(m_bar, QPoint(250, 30));
    QVERIFY(!button->isMouseInside());
    shot = button->grab().toImage();
    QVERIFY(at(shot, QPoint(0, 0)) != button->palette().color(QPalette::Light).rgb());
}

void TestSpeedbarButton::disabledButton() {
    QVERIFY(activate());
    item(0)->setEnabled(false);
    TSpeedbarButton *button = item(0)->button();
    QSignalSpy spy(item(0), &TSpeedItem::clicked);
    mouse::click(button, QPoint(30, 30));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(button->state(), TSpeedbarButton::State::Disabled);
    // The right-hand image of the strip: grey instead of red.
    const QImage shot = button->grab().toImage();
    QCOMPARE(at(shot, button->glyphRect().topLeft() + QPoint(6, 6)), QColor(Qt::gray).rgb());
    item(0)->setEnabled(true);
    mouse::click(button, QPoint(30, 30));
    QCOMPARE(spy.count(), 1);
}

// A disabled bar disables every button; enabled again, an item disabled on its
// own stays so.
void TestSpeedbarButton::disabledBar() {
    QVERIFY(activate());
    item(1)->setEnabled(false);
    m_bar->setEnabled(false);
    QSignalSpy spy(item(0), &TSpeedItem::clicked);
    mouse::click(item(0)->button(), QPoint(30, 30));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(item(0)->button()->state(), TSpeedbarButton::State::Disabled);
    m_bar->setEnabled(true);
    QVERIFY(!item(1)->button()->isEnabled());
    mouse::click(item(0)->button(), QPoint(30, 30));
    QCOMPARE(spy.count(), 1);
    item(1)->setEnabled(true);
    QVERIFY(item(1)->button()->isEnabled());
}

void TestSpeedbarButton::accessibility() {
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(m_bar);
    QVERIFY(bar);
    QCOMPARE(bar->role(), QAccessible::ToolBar);
    TSpeedbarButton *button = item(1)->button();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("A propos"));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("A propos ?"));
    QAccessibleActionInterface *action = iface->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy spy(item(1), &TSpeedItem::clicked);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(spy.count(), 1);
}

void TestSpeedbarButton::offsetsAndSizes() {
    QCOMPARE(m_bar->minimumOffset(), 1);
    QCOMPARE(item(0)->button()->geometry(), QRect(QPoint(4, 4), QSize(63, 54)));
    // The others keep their distance from the first.
    QCOMPARE(item(2)->button()->pos() - item(0)->button()->pos(), QPoint(126, 0));
    QCOMPARE(m_bar->height(), 62);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    TestSpeedbarButton t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_speedbarbutton.moc"
