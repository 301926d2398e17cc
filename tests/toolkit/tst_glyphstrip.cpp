// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The glyph strip of an image button: how many images it holds, its transparent
// colour, the per-state images made once, and a strip drawn at twice the pixels.

#include "common/glyphs.h"
#include "toolkit/tapplication.h"
#include "toolkit/tglyphstrip.h"

#include <QPainter>
#include <QTest>

using namespace glyphs;

class TestGlyphStrip : public QObject {
    Q_OBJECT
private slots:
    void glyphStrip_data();
    void glyphStrip();
    void glyphStripAt2x();
};

void TestGlyphStrip::glyphStrip_data() {
    QTest::addColumn<QImage>("strip");
    QTest::addColumn<int>("numGlyphs");
    QTest::addColumn<QColor>("transparent");
    QTest::newRow("two 16x16, olive") << makeGlyph(16, Olive) << 2 << Olive;
    QTest::newRow("two 18x18, purple") << makeGlyph(18, Purple) << 2 << Purple;
    QImage five(80, 16, QImage::Format_RGB32);
    five.fill(Qt::blue);
    QTest::newRow("five images") << five << 5 << QColor(Qt::blue);
    QImage six(96, 16, QImage::Format_RGB32);
    six.fill(Qt::green);
    QTest::newRow("six is too many: one") << six << 1 << QColor(Qt::green);
    QImage mono(16, 16, QImage::Format_Mono);
    mono.fill(0);
    QTest::newRow("monochrome keeps white") << mono << 1 << QColor(Qt::white);
}

void TestGlyphStrip::glyphStrip() {
    QFETCH(QImage, strip);
    QFETCH(int, numGlyphs);
    QFETCH(QColor, transparent);
    TGlyphStrip glyph;
    glyph.setGlyph(strip);
    QCOMPARE(glyph.NumGlyphs(), numGlyphs);
    QCOMPARE(glyph.transparentColor().rgb(), transparent.rgb());
    QPalette palette;
    const QImage up = glyph.image(TGlyphStrip::Up, palette);
    QCOMPARE(up.size(), glyph.glyphSize());
    // Made once: the second request gets the very same image, a new glyph a new one.
    QCOMPARE(glyph.image(TGlyphStrip::Up, palette).cacheKey(), up.cacheKey());
    glyph.setGlyph(strip);
    QVERIFY(glyph.image(TGlyphStrip::Up, palette).cacheKey() != up.cacheKey());
}

void TestGlyphStrip::glyphStripAt2x() {
    // A strip drawn at twice the pixels a side: counted, sized and cut in layout
    // pixels, its images at the strip's ratio.
    QImage strip = makeGlyph(32, Olive);
    strip.setDevicePixelRatio(2);
    TGlyphStrip glyph;
    glyph.setGlyph(strip);
    QCOMPARE(glyph.NumGlyphs(), 2);
    QCOMPARE(glyph.transparentColor().rgb(), Olive.rgb());
    QCOMPARE(glyph.glyphSize(), QSize(16, 16));
    QPalette palette;
    const QImage &up = glyph.image(TGlyphStrip::Up, palette);
    QCOMPARE(up.size(), QSize(32, 32));
    QCOMPARE(up.devicePixelRatio(), 2.0);
    QCOMPARE(up.pixel(16, 16), QColor(Qt::red).rgb());
    QCOMPARE(qAlpha(up.pixel(0, 31)), 0);
    QCOMPARE(glyph.image(TGlyphStrip::Disabled, palette).pixel(16, 16), QColor(Qt::gray).rgb());

    // A single image: the embossed look, its highlight one layout pixel, two
    // pixels, right of and below the shadow.
    QImage single(32, 32, QImage::Format_RGB32);
    single.fill(Olive);
    QPainter(&single).fillRect(8, 8, 16, 16, Qt::red);
    single.setDevicePixelRatio(2);
    glyph.setGlyph(single);
    QCOMPARE(glyph.NumGlyphs(), 1);
    QCOMPARE(glyph.glyphSize(), QSize(16, 16));
    const QImage &embossed = glyph.image(TGlyphStrip::Disabled, palette);
    QCOMPARE(embossed.devicePixelRatio(), 2.0);
    QCOMPARE(embossed.pixel(23, 16), palette.color(QPalette::Dark).rgb());
    QCOMPARE(embossed.pixel(25, 16), palette.color(QPalette::Light).rgb());
    QCOMPARE(qAlpha(embossed.pixel(26, 16)), 0);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    TestGlyphStrip t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_glyphstrip.moc"
