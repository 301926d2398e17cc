// The program's pictures as the toolkit loads them: sizes, colour depths, the
// transparent colour of the glyphs, the cursors' hot spots, the wallpaper's
// tiling and the desktop entry.

#include "toolkit/resources.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include <vector>

namespace {

constexpr QRgb Olive = 0xff808000, Purple = 0xff800080, Silver = 0xffc0c0c0, Grey = 0xff808080,
               White = 0xffffffff, Black = 0xff000000;

const QList<QRgb> Classic16 = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QImage load(const QString &path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

QSet<QRgb> coloursOf(const QImage &img, const QRect &area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(img.pixel(x, y));
    return colours;
}

// Key-coloured pixels that cannot be reached from the image's edge through
// other key-coloured pixels: holes that would show the wallpaper inside the
// drawing.
int enclosedKeyPixels(const QImage &img, const QRect &area, QRgb key) {
    std::vector<char> seen(size_t(area.width() * area.height()), 0);
    std::vector<QPoint> todo;
    const auto at = [&](QPoint p) -> char & {
        return seen[size_t((p.y() - area.top()) * area.width() + p.x() - area.left())];
    };
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool edge =
                x == area.left() || x == area.right() || y == area.top() || y == area.bottom();
            if (edge && img.pixel(x, y) == key) {
                at({x, y}) = 1;
                todo.push_back({x, y});
            }
        }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (area.contains(q) && !at(q) && img.pixel(q) == key) {
                at(q) = 1;
                todo.push_back(q);
            }
        }
    }
    int holes = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) == key && !at({x, y}))
                ++holes;
    return holes;
}

double columnDifference(const QImage &img, int a, int b) {
    double sum = 0;
    for (int y = 0; y < img.height(); ++y)
        sum += std::abs(qGray(img.pixel(a, y)) - qGray(img.pixel(b, y)));
    return sum / img.height();
}

double rowDifference(const QImage &img, int a, int b) {
    double sum = 0;
    for (int x = 0; x < img.width(); ++x)
        sum += std::abs(qGray(img.pixel(x, a)) - qGray(img.pixel(x, b)));
    return sum / img.width();
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void bitmapSizes_data();
    void bitmapSizes();
    void colourDepth_data();
    void colourDepth();
    void glyphTransparency_data();
    void glyphTransparency();
    void supplyGlyphs();
    void cursors_data();
    void cursors();
    void wallpaperTilesAndStaysLight();
    void icons_data();
    void icons();
    void applicationIdEverywhere();
};

void TestResources::bitmapSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("MAINICON") << "MAINICON" << QSize(32, 32);
    QTest::newRow("ABOUTICON") << "ABOUTICON" << QSize(50, 50);
    QTest::newRow("BACKGROUND") << "BACKGROUND" << QSize(640, 125);
    QTest::newRow("GLYPH_RESISTANCE") << "GLYPH_RESISTANCE" << QSize(32, 16);
    QTest::newRow("GLYPH_LED") << "GLYPH_LED" << QSize(32, 16);
    QTest::newRow("GLYPH_CAPACITE") << "GLYPH_CAPACITE" << QSize(32, 16);
    QTest::newRow("GLYPH_AIDE") << "GLYPH_AIDE" << QSize(32, 16);
    QTest::newRow("GLYPH_APROPOS") << "GLYPH_APROPOS" << QSize(32, 16);
    QTest::newRow("GLYPH_QUITTER") << "GLYPH_QUITTER" << QSize(36, 18);
    QTest::newRow("IMAGE") << "IMAGE" << QSize(80, 120);
    QTest::newRow("CONTINU") << "CONTINU" << QSize(32, 16);
    QTest::newRow("ALTERNATIF") << "ALTERNATIF" << QSize(32, 16);
    QTest::newRow("CAPACITOR") << "CAPACITOR" << QSize(25, 25);
}

void TestResources::bitmapSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap pixmap = tk::loadBitmap(name);
    QVERIFY2(!pixmap.isNull(), qPrintable(name));
    QCOMPARE(pixmap.size(), size);
    QCOMPARE(tk::loadImage(name).size(), size);
}

void TestResources::colourDepth_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("colours"); // 16: the classic palette only
    for (const char *name :
         {"MAINICON", "ABOUTICON", "GLYPH_RESISTANCE", "GLYPH_LED", "GLYPH_CAPACITE", "GLYPH_AIDE",
          "GLYPH_APROPOS", "IMAGE", "CONTINU", "ALTERNATIF", "CAPACITOR"})
        QTest::newRow(name) << QString(":/res/%1.png").arg(name) << 16;
    QTest::newRow("HANDPNT") << ":/res/cursors/HANDPNT.png" << 16;
    QTest::newRow("SB_DRAG") << ":/res/cursors/SB_DRAG.png" << 16;
    QTest::newRow("GLYPH_QUITTER") << ":/res/GLYPH_QUITTER.png" << 256;
    QTest::newRow("BACKGROUND") << ":/res/BACKGROUND.png" << 256;
}

void TestResources::colourDepth() {
    QFETCH(QString, path);
    QFETCH(int, colours);
    const QImage img = load(path);
    QVERIFY(!img.isNull());
    QSet<QRgb> opaque;
    for (QRgb c : coloursOf(img, img.rect()))
        if (qAlpha(c) != 0) {
            QCOMPARE(qAlpha(c), 255); // no partial transparency in a palette picture
            opaque.insert(c);
        }
    QVERIFY(opaque.size() <= colours);
    QVERIFY2(opaque.size() >= 2, "a picture, not a blank");
    if (colours == 16)
        for (QRgb c : opaque)
            QVERIFY2(Classic16.contains(c), qPrintable(QString::number(c, 16)));
}

void TestResources::glyphTransparency_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRgb>("key");
    QTest::newRow("GLYPH_RESISTANCE") << "GLYPH_RESISTANCE" << Olive;
    QTest::newRow("GLYPH_LED") << "GLYPH_LED" << Olive;
    QTest::newRow("GLYPH_CAPACITE") << "GLYPH_CAPACITE" << Olive;
    QTest::newRow("GLYPH_AIDE") << "GLYPH_AIDE" << Olive;
    QTest::newRow("GLYPH_APROPOS") << "GLYPH_APROPOS" << Purple;
    QTest::newRow("GLYPH_QUITTER") << "GLYPH_QUITTER" << Olive;
}

void TestResources::glyphTransparency() {
    QFETCH(QString, name);
    QFETCH(QRgb, key);
    const QImage strip = tk::loadImage(name).convertToFormat(QImage::Format_ARGB32);
    const int side = strip.height();
    QCOMPARE(strip.width(), 2 * side); // normal and disabled image
    // The strip's bottom-left pixel gives the transparent colour.
    QCOMPARE(strip.pixel(0, side - 1), key);

    const QRect normal(0, 0, side, side), disabled(side, 0, side, side);
    QCOMPARE(normal.bottomLeft(), QPoint(0, side - 1));
    QCOMPARE(strip.pixel(disabled.bottomLeft()), key);
    // Only the background around the drawing is transparent: no hole inside.
    QCOMPARE(enclosedKeyPixels(strip, normal, key), 0);
    const QSet<QRgb> drawing = coloursOf(strip, normal) - QSet<QRgb>{key};
    QVERIFY2(drawing.size() >= 2, "the normal image is drawn in colours");
    // The disabled image is the embossed look: greys with a white shadow.
    const QSet<QRgb> greyed = coloursOf(strip, disabled);
    QVERIFY(greyed.contains(Grey) && greyed.contains(White));
    QVERIFY((greyed - QSet<QRgb>{key, Grey, Silver, White}).isEmpty());
    QCOMPARE(enclosedKeyPixels(strip, disabled, key), 0);
    QVERIFY(strip.copy(normal) != strip.copy(disabled));
}

void TestResources::supplyGlyphs() {
    // Direct supply: two straight lines, cyan and red. Alternating: a cyan wave.
    const QImage continu = tk::loadImage("CONTINU").convertToFormat(QImage::Format_ARGB32);
    const QImage alternatif = tk::loadImage("ALTERNATIF").convertToFormat(QImage::Format_ARGB32);
    for (const QImage &img : {continu, alternatif}) {
        QCOMPARE(img.pixel(0, 15), Silver);  // the button face around the picture
        QCOMPARE(img.pixel(16, 15), Silver); // and around the disabled one
        // Disabled: the lines in grey with their white shadow, nothing else.
        QCOMPARE(coloursOf(img, QRect(16, 0, 16, 16)), (QSet<QRgb>{Silver, Grey, White}));
    }
    const auto rowsWith = [](const QImage &img, QRgb colour) {
        QSet<int> rows;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (img.pixel(x, y) == colour)
                    rows.insert(y);
        return rows;
    };
    const QRgb Aqua = 0xff00ffff, Red = 0xffff0000;
    QCOMPARE(rowsWith(continu, Aqua).size(), 1);
    QCOMPARE(rowsWith(continu, Red).size(), 1);
    QVERIFY(rowsWith(alternatif, Aqua).size() >= 7);
    QVERIFY(rowsWith(alternatif, Red).isEmpty());
}

void TestResources::cursors_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::addColumn<QRgb>("underHotSpot");
    QTest::newRow("HANDPNT") << "HANDPNT" << QPoint(0, 0) << Black;   // the fingertip's edge
    QTest::newRow("SB_DRAG") << "SB_DRAG" << QPoint(15, 16) << White; // inside the palm
}

void TestResources::cursors() {
    QFETCH(QString, name);
    QFETCH(QPoint, hotSpot);
    QFETCH(QRgb, underHotSpot);
    const QCursor cursor = tk::loadCursor(name);
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), hotSpot);
    const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(32, 32));
    QCOMPARE(img.pixel(hotSpot), underHotSpot);
    // Monochrome: white and black on transparent, and mostly transparent.
    int clear = 0;
    for (QRgb c : coloursOf(img, img.rect()))
        QVERIFY(c == White || c == Black || qAlpha(c) == 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            clear += qAlpha(img.pixel(x, y)) == 0;
    QVERIFY(clear > 32 * 32 / 2);
}

void TestResources::wallpaperTilesAndStaysLight() {
    const QImage img = tk::loadImage("BACKGROUND").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(640, 125));
    // Light enough for the black captions drawn over it, and not blank.
    int darkest = 255, lightest = 0;
    for (QRgb c : coloursOf(img, img.rect())) {
        QCOMPARE(qRed(c), qBlue(c)); // greys only
        darkest = std::min(darkest, qGray(c));
        lightest = std::max(lightest, qGray(c));
    }
    QVERIFY(darkest >= 0xb8);
    QVERIFY(lightest >= 0xf0);
    // Tiled side by side or one above the other, the seam is no rougher than
    // the picture's own neighbouring columns and rows.
    double worstColumn = 0, worstRow = 0;
    for (int x = 0; x + 1 < img.width(); ++x)
        worstColumn = std::max(worstColumn, columnDifference(img, x, x + 1));
    for (int y = 0; y + 1 < img.height(); ++y)
        worstRow = std::max(worstRow, rowDifference(img, y, y + 1));
    QVERIFY(columnDifference(img, img.width() - 1, 0) <= worstColumn);
    QVERIFY(rowDifference(img, img.height() - 1, 0) <= worstRow);
}

void TestResources::icons_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("MAINICON") << ":/res/MAINICON.png" << 32;
    // The desktop's icons, installed beside the program rather than built in.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(size)))
            << QString(TESTS_SOURCE_DIR "/../resources/res/icons/chromohm-%1.png").arg(size)
            << size;
}

void TestResources::icons() {
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage img = load(path);
    QCOMPARE(img.size(), QSize(size, size));
    // The round glass stands on a transparent ground: the corners are clear,
    // the middle of the glass is not.
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(img.pixel(size - 1, 0)), 0);
    QCOMPARE(qAlpha(img.pixel(size * 3 / 8, size * 7 / 16)), 255);
}

// One application id names the desktop entry, its icon, the window class docks
// match it by, and the metainfo that launches it.
void TestResources::applicationIdEverywhere() {
    const QString id = QStringLiteral(CHROMOHM_APP_ID);
    QFile desktop(TESTS_SOURCE_DIR "/../resources/" + id + ".desktop");
    QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(desktop.readAll()).split('\n');
    for (const QString &entry :
         {"Icon=" + id, "StartupWMClass=" + id, QStringLiteral("Exec=chromohm")})
        QVERIFY2(lines.contains(entry), qPrintable(entry));
    QFile metainfo(TESTS_SOURCE_DIR "/../resources/" + id + ".metainfo.xml");
    QVERIFY(metainfo.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString xml = QString::fromUtf8(metainfo.readAll());
    QVERIFY(xml.contains("<id>" + id + "</id>"));
    QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + id + ".desktop</launchable>"));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
