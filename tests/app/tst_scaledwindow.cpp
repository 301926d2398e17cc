// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on a screen of two device pixels a layout pixel
// (QT_SCALE_FACTOR=2, set before the application starts): every picture is
// drawn from its 2x drawing, not from the 1x one with its pixels doubled, and
// lands where the 1x one does in layout pixels.

#include "app/taboutbox.h"
#include "common/builtinpicture.h"
#include "common/scratchwindow.h"
#include "toolbar/tspeedbar.h"
#include "toolbar/tspeedbarbutton.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/alignment.h"
#include "toolkit/tapplication.h"
#include "toolkit/tglyphbutton.h"
#include "toolkit/timage.h"

#include <QTest>

namespace {

// Pixels only, whatever the device pixel ratio they were made for.
QImage pixels(const QImage &image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(1);
    return out;
}

QImage load(const QString &path) {
    return pixels(builtInPicture(path));
}

QImage shotOf(QWidget *w) {
    return pixels(w->grab().toImage());
}

// The opaque pixels of `picture` are on `shot`, each on its own pixel.
bool showsPicture(const QImage &shot, const QImage &picture) {
    if (shot.size() != picture.size())
        return false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) == 255 && shot.pixel(x, y) != picture.pixel(x, y))
                return false;
    return true;
}

struct Placed {
    int drawn = 0;   // pixels of the 2x glyph found on screen as drawn
    int doubled = 0; // of those, how many the 1x glyph doubled would have
};

// Compares the glyph on screen, at `at` in layout pixels, with the first image
// of both strips; pixels of the transparent colour show the background and are
// left out.
Placed placedGlyph(const QImage &shot, QPoint at, const QString &name) {
    const QImage once = load(QStringLiteral(":/res/%1.png").arg(name));
    const QImage twice = load(QStringLiteral(":/res/%1@2x.png").arg(name));
    const int side = twice.height();
    const QRgb key = twice.pixel(0, side - 1);
    Placed placed;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb drawn = twice.pixel(x, y);
            if (drawn == key)
                continue;
            const QRgb seen = shot.pixel(2 * at + QPoint(x, y));
            if (seen != drawn)
                return {};
            ++placed.drawn;
            placed.doubled += seen == once.pixel(x / 2, y / 2);
        }
    return placed;
}

} // namespace

class TestScaledWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void screenIsTwiceAsFine();
    void toolbarGlyphs_data();
    void toolbarGlyphs();
    void wallpaperTiles_data();
    void wallpaperTiles();
    void pictures_data();
    void pictures();
    void supplyButtonGlyph();
    void windowIcon();
    void cursors();

private:
    TPrincipale *m_window = nullptr;
};

void TestScaledWindow::initTestCase() {
    m_window = new ScratchWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(m_window->TabSheet2->isBuilt() && m_window->TabSheet3->isBuilt());
}

void TestScaledWindow::cleanupTestCase() {
    delete m_window;
}

void TestScaledWindow::screenIsTwiceAsFine() {
    QCOMPARE(m_window->devicePixelRatioF(), 2.0);
    QCOMPARE(m_window->size(), QSize(495, 332));
}

void TestScaledWindow::toolbarGlyphs_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<QRect>("at");
    const QRect sixteen(23, 12, 16, 16), eighteen(22, 11, 18, 18);
    QTest::newRow("Résistance") << "BarreResistance"
                                << "GLYPH_RESISTANCE" << sixteen;
    QTest::newRow("Led") << "BarreDiode"
                         << "GLYPH_LED" << sixteen;
    QTest::newRow("Capacité") << "BarreCapacite"
                              << "GLYPH_CAPACITE" << sixteen;
    QTest::newRow("Aide") << "BarreAide"
                          << "GLYPH_AIDE" << sixteen;
    QTest::newRow("A propos") << "BarreApropos"
                              << "GLYPH_APROPOS" << sixteen;
    QTest::newRow("Quitter") << "BarreQuitter"
                             << "GLYPH_QUITTER" << eighteen;
}

void TestScaledWindow::toolbarGlyphs() {
    QFETCH(QString, item);
    QFETCH(QString, glyph);
    QFETCH(QRect, at);
    auto *speedItem = m_window->findChild<TSpeedItem *>(item);
    QVERIFY(speedItem);
    TSpeedbarButton *button = speedItem->button();
    // Where the 1x glyph stands, in layout pixels.
    QCOMPARE(button->glyphRect(), at);
    const Placed placed = placedGlyph(shotOf(button), at.topLeft(), glyph);
    QVERIFY2(placed.drawn > 0, "the 2x glyph, pixel for pixel");
    QVERIFY(placed.drawn - placed.doubled >= 16);
}

void TestScaledWindow::wallpaperTiles_data() {
    QTest::addColumn<tk::Align>("edge");
    QTest::addColumn<QRect>("free"); // bar surface without buttons, layout pixels
    QTest::newRow("top: one tile") << tk::Align::Top << QRect(194, 1, 97, 60);
    QTest::newRow("left: tiles one above the other") << tk::Align::Left << QRect(1, 194, 60, 97);
}

void TestScaledWindow::wallpaperTiles() {
    QFETCH(tk::Align, edge);
    QFETCH(QRect, free);
    m_window->SpeedBar1->setAlign(edge);
    const QImage shot = shotOf(m_window->SpeedBar1);
    const QImage paper = load(QStringLiteral(":/res/BACKGROUND@2x.png"));
    // Tiles of 640 x 125 layout pixels from the inner corner (1, 1), each pixel
    // of the 2x picture on its own device pixel.
    int compared = 0;
    for (int y = 2 * free.top(); y <= 2 * free.bottom() + 1; y += 3)
        for (int x = 2 * free.left(); x <= 2 * free.right() + 1; x += 3) {
            const QPoint inTile((x - 2) % paper.width(), (y - 2) % paper.height());
            QCOMPARE(shot.pixel(x, y), paper.pixel(inTile));
            ++compared;
        }
    QVERIFY(compared > 100);
    m_window->SpeedBar1->setAlign(tk::Align::Top);
}

void TestScaledWindow::pictures_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("circuit") << "Image1"
                             << "IMAGE" << QSize(80, 120);
    QTest::newRow("capacitor") << "Image2"
                               << "CAPACITOR" << QSize(25, 25);
    QTest::newRow("about icon") << "ProgramIcon"
                                << "ABOUTICON" << QSize(50, 50);
}

void TestScaledWindow::pictures() {
    QFETCH(QString, control);
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    TAboutBox about(m_window);
    auto *image = m_window->findChild<TImage *>(control);
    if (!image)
        image = about.findChild<TImage *>(control);
    QVERIFY(image);
    QCOMPARE(image->size(), size);
    QCOMPARE(image->pictureRect().size(), size);
    QVERIFY(showsPicture(shotOf(image), load(QStringLiteral(":/res/%1@2x.png").arg(picture))));
}

void TestScaledWindow::supplyButtonGlyph() {
    TGlyphButton *button = m_window->AlimLed;
    for (const char *glyph : {"CONTINU", "ALTERNATIF"}) {
        // Three pixels from the left edge, centred on the height, as at 1x.
        QCOMPARE(button->glyphRect(), QRect(3, 5, 16, 16));
        const Placed placed =
            placedGlyph(shotOf(button), button->glyphRect().topLeft(), QLatin1String(glyph));
        QVERIFY2(placed.drawn > 0, glyph);
        QVERIFY(placed.drawn > placed.doubled);
        button->click();
    }
}

void TestScaledWindow::windowIcon() {
    // The window manager gets each classic drawing at its own pixel size.
    const QIcon icon = m_window->windowIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    const std::pair<int, const char *> sizes[] = {
        {16, "MAINICON-16"}, {32, "MAINICON"}, {48, "MAINICON-48"}, {64, "MAINICON@2x"}};
    for (const auto &[side, name] : sizes) {
        const QImage image = pixels(icon.pixmap(QSize(side, side)).toImage());
        QCOMPARE(image.size(), QSize(side, side));
        QCOMPARE(image, load(QStringLiteral(":/res/%1.png").arg(QLatin1String(name))));
    }
}

void TestScaledWindow::cursors() {
    // Made in device pixels from the 2x drawings, hot spots at the same layout point.
    const QCursor hand = Application()->cursor(1);
    QCOMPARE(hand.pixmap().size(), QSize(64, 64));
    QCOMPARE(hand.hotSpot(), QPoint(0, 0));
    const QCursor drag = Application()->cursor(TSpeedBar::DragCursor);
    QCOMPARE(drag.pixmap().size(), QSize(64, 64));
    QCOMPARE(drag.hotSpot(), QPoint(30, 32));
    QCOMPARE(pixels(drag.pixmap().toImage()), load(QStringLiteral(":/res/cursors/SB_DRAG@2x.png")));
}

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestScaledWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaledwindow.moc"
