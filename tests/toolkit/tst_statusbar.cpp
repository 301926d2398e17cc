// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The status bar's panels: each keeps its width, the last one reaches the bar's
// right end whatever the bar's width, texts go to their own panel and stand
// where their alignment puts them.

#include "toolkit/tapplication.h"
#include "toolkit/tstatusbar.h"

#include <QLabel>
#include <QTest>

namespace {

// Left and right ends of the dark pixels of a panel's picture; the frame's
// rows and columns are left out.
std::pair<int, int> inkSpan(QWidget *panel) {
    const QImage image = panel->grab().toImage();
    int left = image.width(), right = -1;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

} // namespace

class TestStatusBar : public QObject {
    Q_OBJECT
private slots:
    void panels_data();
    void panels();
    void texts();
    void alignment_data();
    void alignment();
};

void TestStatusBar::panels_data() {
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("resizedTo");
    QTest::newRow("clock and hint") << QList<int>{60, 50} << 495 << 300;
    QTest::newRow("last panel wider than the rest") << QList<int>{60, 400} << 495 << 200;
    QTest::newRow("three panels") << QList<int>{40, 70, 10} << 320 << 500;
    QTest::newRow("one panel") << QList<int>{50} << 200 << 120;
}

void TestStatusBar::panels() {
    QFETCH(QList<int>, widths);
    QFETCH(int, barWidth);
    QFETCH(int, resizedTo);
    TStatusBar bar;
    bar.resize(barWidth, 19);
    for (int width : widths)
        bar.addPanel(width, Qt::AlignLeft);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.panelCount(), widths.size());
    for (int width : {barWidth, resizedTo}) {
        bar.resize(width, 19);
        const int last = int(widths.size()) - 1;
        for (int i = 0; i < last; ++i) {
            QCOMPARE(bar.panelRect(i).width(), widths[i]);
            QVERIFY(bar.panelRect(i).right() < bar.panelRect(i + 1).left());
        }
        QCOMPARE(bar.panelRect(0).left(), 0);
        QCOMPARE(bar.panelRect(last).right(), width - 1);
        for (int i = 0; i <= last; ++i)
            QVERIFY(bar.rect().contains(bar.panelRect(i)));
    }
    QVERIFY(bar.panelRect(int(widths.size())).isNull());
}

void TestStatusBar::texts() {
    TStatusBar bar;
    bar.resize(300, 19);
    bar.addPanel(60, Qt::AlignHCenter);
    bar.addPanel(50, Qt::AlignLeft);
    bar.setPanelText(1, QStringLiteral("Anneau doré"));
    bar.setPanelText(0, QStringLiteral("14:05:09"));
    bar.setPanelText(2, QStringLiteral("nulle part")); // no such panel: nothing happens
    QCOMPARE(bar.panelText(0), QStringLiteral("14:05:09"));
    QCOMPARE(bar.panelText(1), QStringLiteral("Anneau doré"));
    QCOMPARE(bar.panelText(2), QString());
    bar.setPanelText(1, QString());
    QCOMPARE(bar.panelText(1), QString());
    QCOMPARE(bar.panelText(0), QStringLiteral("14:05:09"));
}

void TestStatusBar::alignment_data() {
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(Qt::AlignLeft);
    QTest::newRow("centred") << int(Qt::AlignHCenter);
    QTest::newRow("right") << int(Qt::AlignRight);
}

void TestStatusBar::alignment() {
    QFETCH(int, alignment);
    TStatusBar bar;
    bar.resize(300, 19);
    bar.addPanel(120, Qt::Alignment(alignment));
    bar.addPanel(50, Qt::AlignLeft);
    bar.setPanelText(0, QStringLiteral("12:00"));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const auto [left, right] = inkSpan(bar.panel(0));
    QVERIFY(left <= right);
    const int width = bar.panelRect(0).width();
    const int before = left, after = width - 1 - right;
    // A few pixels of indent and frame on the aligned side, the rest on the other.
    if (alignment == Qt::AlignLeft)
        QVERIFY2(before < 8 && after > 50,
                 qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));
    else if (alignment == Qt::AlignRight)
        QVERIFY2(after < 8 && before > 50,
                 qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));
    else
        QVERIFY2(qAbs(before - after) <= 3,
                 qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    TestStatusBar t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_statusbar.moc"
