// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's pictures as the toolkit loads them, at 1x and at 2x: sizes,
// colour depths, the transparent colour of the glyphs, the cursors' hot spots,
// the wallpaper's tiling, which drawing the loader takes for a device pixel
// ratio, and the desktop entry.

#include "common/builtinpicture.h"
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
    const QImage image =
        path.startsWith(QLatin1String(":/res/")) ? builtInPicture(path) : QImage(path);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The pictures the program shows, with their size in layout pixels.
const std::pair<const char *, QSize> Pictures[] = {
    {"MAINICON", {32, 32}},         {"ABOUTICON", {50, 50}},     {"BACKGROUND", {640, 125}},
    {"GLYPH_RESISTANCE", {32, 16}}, {"GLYPH_LED", {32, 16}},     {"GLYPH_CAPACITE", {32, 16}},
    {"GLYPH_AIDE", {32, 16}},       {"GLYPH_APROPOS", {32, 16}}, {"GLYPH_QUITTER", {36, 18}},
    {"IMAGE", {80, 120}},           {"CONTINU", {32, 16}},       {"ALTERNATIF", {32, 16}},
    {"CAPACITOR", {25, 25}}};

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
    void loaderChoosesByRatio_data();
    void loaderChoosesByRatio();
    void twiceAsFine_data();
    void twiceAsFine();
    void unknownPicture_data();
    void unknownPicture();
    void colourDepth_data();
    void colourDepth();
    void glyphTransparency_data();
    void glyphTransparency();
    void supplyGlyphs_data();
    void supplyGlyphs();
    void cursors_data();
    void cursors();
    void wallpaperTilesAndStaysLight_data();
    void wallpaperTilesAndStaysLight();
    void icons_data();
    void icons();
    void applicationIdEverywhere();
};

void TestResources::bitmapSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const auto &[name, size] : Pictures)
        QTest::newRow(name) << name << size;
}

void TestResources::bitmapSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap pixmap = tk::loadBitmap(name);
    QVERIFY2(!pixmap.isNull(), qPrintable(name));
    QCOMPARE(pixmap.size(), size);
    QCOMPARE(pixmap.devicePixelRatio(), 1.0);
    QCOMPARE(tk::loadImage(name).size(), size);
}

void TestResources::loaderChoosesByRatio_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<qreal>("pictureRatio");
    QTest::addColumn<QSize>("size");
    for (const auto &[name, size] : Pictures) {
        const QByteArray row(name);
        QTest::newRow(row + " at 1") << name << 1.0 << 1.0 << size;
        QTest::newRow(row + " at 1.5") << name << 1.5 << 2.0 << size;
        QTest::newRow(row + " at 2") << name << 2.0 << 2.0 << size;
        QTest::newRow(row + " at 3") << name << 3.0 << 2.0 << size;
    }
}

void TestResources::loaderChoosesByRatio() {
    QFETCH(QString, name);
    QFETCH(qreal, ratio);
    QFETCH(qreal, pictureRatio);
    QFETCH(QSize, size);
    const QImage image = tk::loadImage(name, ratio);
    QCOMPARE(image.devicePixelRatio(), pictureRatio);
    QCOMPARE(image.size(), size * pictureRatio);
    // Laid out at the same size whichever drawing it is.
    QCOMPARE(image.deviceIndependentSize().toSize(), size);
    const QPixmap pixmap = tk::loadBitmap(name, ratio);
    QCOMPARE(pixmap.devicePixelRatio(), pictureRatio);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
}

void TestResources::twiceAsFine_data() {
    QTest::addColumn<QString>("name");
    for (const auto &[name, size] : Pictures)
        QTest::newRow(name) << name;
    QTest::newRow("HANDPNT") << "cursors/HANDPNT";
    QTest::newRow("SB_DRAG") << "cursors/SB_DRAG";
}

void TestResources::twiceAsFine() {
    // A 2x picture is a drawing of its own, not the 1x one with its pixels doubled.
    QFETCH(QString, name);
    const QImage once = load(QStringLiteral(":/res/%1.png").arg(name));
    const QImage twice = load(QStringLiteral(":/res/%1@2x.png").arg(name));
    QVERIFY(!once.isNull());
    QCOMPARE(twice.size(), once.size() * 2);
    int finer = 0;
    for (int y = 0; y < twice.height(); ++y)
        for (int x = 0; x < twice.width(); ++x)
            finer += twice.pixel(x, y) != once.pixel(x / 2, y / 2);
    QVERIFY2(finer >= 16, qPrintable(QString::number(finer)));
}

void TestResources::unknownPicture_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TestResources::unknownPicture() {
    QFETCH(qreal, ratio);
    QVERIFY(tk::loadImage(QStringLiteral("NOSUCHPICTURE"), ratio).isNull());
    QVERIFY(tk::loadBitmap(QStringLiteral("NOSUCHPICTURE"), ratio).isNull());
    QCOMPARE(tk::loadCursor(QStringLiteral("NOSUCHCURSOR"), ratio).shape(), Qt::ArrowCursor);
}

void TestResources::colourDepth_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("colours"); // 16: the classic palette only
    for (const char *suffix : {"", "@2x"}) {
        for (const char *name :
             {"MAINICON", "ABOUTICON", "GLYPH_RESISTANCE", "GLYPH_LED", "GLYPH_CAPACITE",
              "GLYPH_AIDE", "GLYPH_APROPOS", "IMAGE", "CONTINU", "ALTERNATIF", "CAPACITOR",
              "cursors/HANDPNT", "cursors/SB_DRAG"})
            QTest::newRow(qPrintable(QString(name) + suffix))
                << QString(":/res/%1%2.png").arg(name, suffix) << 16;
        QTest::newRow(qPrintable(QString("GLYPH_QUITTER") + suffix))
            << QString(":/res/GLYPH_QUITTER%1.png").arg(suffix) << 256;
        QTest::newRow(qPrintable(QString("BACKGROUND") + suffix))
            << QString(":/res/BACKGROUND%1.png").arg(suffix) << 256;
    }
    QTest::newRow("MAINICON-16") << ":/res/MAINICON-16.png" << 16;
    QTest::newRow("MAINICON-48") << ":/res/MAINICON-48.png" << 16;
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
    QTest::addColumn<qreal>("ratio");
    const std::pair<const char *, QRgb> glyphs[] = {
        {"GLYPH_RESISTANCE", Olive}, {"GLYPH_LED", Olive},      {"GLYPH_CAPACITE", Olive},
        {"GLYPH_AIDE", Olive},       {"GLYPH_APROPOS", Purple}, {"GLYPH_QUITTER", Olive}};
    for (const auto &[name, key] : glyphs) {
        QTest::newRow(name) << name << key << 1.0;
        QTest::newRow(qPrintable(QString(name) + "@2x")) << name << key << 2.0;
    }
}

void TestResources::glyphTransparency() {
    QFETCH(QString, name);
    QFETCH(QRgb, key);
    QFETCH(qreal, ratio);
    const QImage strip = tk::loadImage(name, ratio).convertToFormat(QImage::Format_ARGB32);
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

void TestResources::supplyGlyphs_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TestResources::supplyGlyphs() {
    // Direct supply: two straight lines, cyan and red. Alternating: a cyan wave.
    QFETCH(int, scale);
    const QImage continu = tk::loadImage("CONTINU", scale).convertToFormat(QImage::Format_ARGB32);
    const QImage alternatif =
        tk::loadImage("ALTERNATIF", scale).convertToFormat(QImage::Format_ARGB32);
    const int side = 16 * scale;
    for (const QImage &img : {continu, alternatif}) {
        QCOMPARE(img.pixel(0, side - 1), Silver);    // the button face around the picture
        QCOMPARE(img.pixel(side, side - 1), Silver); // and around the disabled one
        // Disabled: the lines in grey with their white shadow, nothing else.
        QCOMPARE(coloursOf(img, QRect(side, 0, side, side)), (QSet<QRgb>{Silver, Grey, White}));
    }
    const auto rowsWith = [side](const QImage &img, QRgb colour) {
        QSet<int> rows;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (img.pixel(x, y) == colour)
                    rows.insert(y);
        return rows;
    };
    const QRgb Aqua = 0xff00ffff, Red = 0xffff0000;
    // A line one layout pixel thick.
    QCOMPARE(rowsWith(continu, Aqua).size(), scale);
    QCOMPARE(rowsWith(continu, Red).size(), scale);
    QVERIFY(rowsWith(alternatif, Aqua).size() >= 7 * scale);
    QVERIFY(rowsWith(alternatif, Red).isEmpty());
}

void TestResources::cursors_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::addColumn<QRgb>("underHotSpot");
    // The hot spot stays on the same layout point: the fingertip's edge, and
    // inside the palm.
    QTest::newRow("HANDPNT") << "HANDPNT" << 1.0 << 32 << QPoint(0, 0) << Black;
    QTest::newRow("SB_DRAG") << "SB_DRAG" << 1.0 << 32 << QPoint(15, 16) << White;
    QTest::newRow("HANDPNT at 2") << "HANDPNT" << 2.0 << 64 << QPoint(0, 0) << Black;
    QTest::newRow("SB_DRAG at 2") << "SB_DRAG" << 2.0 << 64 << QPoint(30, 32) << White;
    QTest::newRow("HANDPNT at 1.5") << "HANDPNT" << 1.5 << 48 << QPoint(0, 0) << Black;
    QTest::newRow("SB_DRAG at 1.5") << "SB_DRAG" << 1.5 << 48 << QPoint(22, 24) << White;
}

void TestResources::cursors() {
    QFETCH(QString, name);
    QFETCH(qreal, ratio);
    QFETCH(int, side);
    QFETCH(QPoint, hotSpot);
    QFETCH(QRgb, underHotSpot);
    const QCursor cursor = tk::loadCursor(name, ratio);
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), hotSpot);
    // In device pixels: the X server takes the pixels and the hot spot as they are.
    QCOMPARE(cursor.pixmap().devicePixelRatio(), 1.0);
    const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(side, side));
    const QRgb under = img.pixel(hotSpot);
    QVERIFY(qAlpha(under) >= 128);
    QVERIFY(std::abs(qGray(under) - qGray(underHotSpot)) < 64);
    // Mostly transparent; where drawn for the ratio, white and black only.
    int clear = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            clear += qAlpha(img.pixel(x, y)) == 0;
    QVERIFY(clear > side * side / 2);
    if (ratio == 1 || ratio == 2)
        for (QRgb c : coloursOf(img, img.rect()))
            QVERIFY(c == White || c == Black || qAlpha(c) == 0);
}

void TestResources::wallpaperTilesAndStaysLight_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TestResources::wallpaperTilesAndStaysLight() {
    QFETCH(qreal, ratio);
    const QImage img = tk::loadImage("BACKGROUND", ratio).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(640, 125) * ratio);
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
    // The window's own: the classic drawing at every size it hands over.
    QTest::newRow("MAINICON-16") << ":/res/MAINICON-16.png" << 16;
    QTest::newRow("MAINICON") << ":/res/MAINICON.png" << 32;
    QTest::newRow("MAINICON-48") << ":/res/MAINICON-48.png" << 48;
    QTest::newRow("MAINICON@2x") << ":/res/MAINICON@2x.png" << 64;
    // The desktop entry's, installed.
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
    QFile desktop(QStringLiteral(CHROMOHM_DESKTOP_ENTRY));
    QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(desktop.readAll()).split('\n');
    for (const QString &entry :
         {"Icon=" + id, "StartupWMClass=" + id, QStringLiteral("Exec=chromohm")})
        QVERIFY2(lines.contains(entry), qPrintable(entry));
    QFile metainfo(QStringLiteral(CHROMOHM_METAINFO));
    QVERIFY(metainfo.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString xml = QString::fromUtf8(metainfo.readAll());
    QVERIFY(xml.contains("<id>" + id + "</id>"));
    QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + id + ".desktop</launchable>"));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
