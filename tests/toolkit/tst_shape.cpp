// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shapes a drawing is made of: where the outline, the fill and the ground
// show for a rectangle and a circle.

#include "toolkit/tapplication.h"
#include "toolkit/tshape.h"

#include <QTest>

namespace {

const QColor Orange(255, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);

} // namespace

class TestShape : public QObject {
    Q_OBJECT
private slots:
    void shapeFigures_data();
    void shapeFigures();
};

void TestShape::shapeFigures_data() {
    QTest::addColumn<int>("figure");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("expected"); // "pen", "brush" or "none"
    const int rectangle = int(TShape::Shape::Rectangle);
    const int circle = int(TShape::Shape::Circle);
    QTest::newRow("rectangle corner") << rectangle << QSize(9, 41) << QPoint(0, 0) << "pen";
    QTest::newRow("rectangle far corner") << rectangle << QSize(9, 41) << QPoint(8, 40) << "pen";
    QTest::newRow("rectangle inside") << rectangle << QSize(9, 41) << QPoint(1, 1) << "brush";
    QTest::newRow("rectangle far inside") << rectangle << QSize(9, 41) << QPoint(7, 39) << "brush";
    QTest::newRow("circle top") << circle << QSize(21, 21) << QPoint(10, 0) << "pen";
    QTest::newRow("circle right") << circle << QSize(21, 21) << QPoint(20, 10) << "pen";
    QTest::newRow("circle bottom") << circle << QSize(21, 21) << QPoint(10, 20) << "pen";
    QTest::newRow("circle centre") << circle << QSize(21, 21) << QPoint(10, 10) << "brush";
    QTest::newRow("circle corner") << circle << QSize(21, 21) << QPoint(0, 0) << "none";
    QTest::newRow("circle in a wide control, left of it")
        << circle << QSize(41, 21) << QPoint(5, 10) << "none";
    QTest::newRow("circle in a wide control, its left edge")
        << circle << QSize(41, 21) << QPoint(10, 10) << "pen";
}

void TestShape::shapeFigures() {
    QFETCH(int, figure);
    QFETCH(QSize, size);
    QFETCH(QPoint, at);
    QFETCH(QString, expected);
    // On a yellow ground, which shows where the figure leaves off.
    QWidget ground;
    QPalette palette = ground.palette();
    palette.setColor(QPalette::Window, Yellow);
    ground.setPalette(palette);
    ground.setAutoFillBackground(true);
    ground.resize(size);
    auto *shape = new TShape(&ground);
    shape->setShape(TShape::Shape(figure));
    shape->resize(size);
    shape->setBrushColor(Orange);
    shape->setPenColor(Blue);
    const QColor pixel = ground.grab().toImage().pixelColor(at);
    const QColor colour = expected == QLatin1String("pen")     ? Blue
                          : expected == QLatin1String("brush") ? Orange
                                                               : Yellow;
    QCOMPARE(pixel, colour);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    TestShape t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_shape.moc"
