// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One-pixel lines at fractional scales: a bevel's two lines side by side each
// keep device pixels of their own, wherever the control stands.

#include "toolkit/devicepixels.h"
#include "toolkit/tbevelpanel.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

class TestDevicePixels : public QObject {
    Q_OBJECT
private slots:
    void bevelLinesKeepTheirPixels_data();
    void bevelLinesKeepTheirPixels();
};

void TestDevicePixels::bevelLinesKeepTheirPixels_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QPoint>("at"); // the control's place, layout pixels
    QTest::newRow("1x") << 1.0 << QPoint(9, 8);
    QTest::newRow("1.5x, on a half device pixel") << 1.5 << QPoint(9, 8);
    QTest::newRow("1.5x, on a whole one") << 1.5 << QPoint(10, 8);
    QTest::newRow("2x") << 2.0 << QPoint(9, 8);
}

void TestDevicePixels::bevelLinesKeepTheirPixels() {
    QFETCH(qreal, scale);
    QFETCH(QPoint, at);
    const QColor face(0xf0, 0xf0, 0xf0), dark(Qt::darkGray), light(Qt::white);
    QImage image(QSize(60, 40) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(face);
    {
        QPainter painter(&image);
        painter.translate(at);
        // A lowered outer edge with a raised one inside it, as on the about box.
        const QRect outer(0, 0, 30, 20);
        TBevelPanel::drawEdge(painter, outer, dark, light);
        TBevelPanel::drawEdge(painter, outer.adjusted(1, 1, -1, -1), light, dark);
    }
    // Across the left side, halfway down: the dark line, then the light one,
    // filling the two layout pixels' device pixels between them.
    const int y = int((at.y() + 10) * scale);
    int x = 0;
    while (x < image.width() && image.pixelColor(x, y) == face)
        ++x;
    const int start = x;
    QCOMPARE(start, int(std::round(at.x() * scale)));
    int darkPixels = 0, lightPixels = 0;
    for (; image.pixelColor(x, y) == dark; ++x)
        ++darkPixels;
    for (; image.pixelColor(x, y) == light; ++x)
        ++lightPixels;
    QVERIFY(darkPixels >= 1);
    QVERIFY(lightPixels >= 1);
    QCOMPARE(darkPixels + lightPixels, int(std::round((at.x() + 2) * scale)) - start);
    QCOMPARE(image.pixelColor(x, y), face);
}

QTEST_MAIN(TestDevicePixels)
#include "tst_devicepixels.moc"
