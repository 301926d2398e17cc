// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Edge alignment of a window's children: placing order, outermost first,
// re-placing on show, hide and resize, suspension.

#include "toolkit/alignment.h"

#include <QTest>
#include <QWidget>

class TestAlignment : public QObject {
    Q_OBJECT
private slots:
    void mainWindowLayout_data();
    void mainWindowLayout();
    void outermostFirstOnOneEdge();
    void hiddenChildLeavesItsPlace();
    void suspendedUntilResumed();
};

namespace {

struct Frame {
    QWidget parent;
    QWidget *bar, *pages, *status;
    Frame() {
        parent.resize(495, 332);
        new tk::AlignHost(&parent);
        status = new QWidget(&parent);
        status->setGeometry(0, 313, 495, 19);
        tk::setAlign(status, tk::Align::Bottom);
        pages = new QWidget(&parent);
        tk::setAlign(pages, tk::Align::Client);
        bar = new QWidget(&parent);
        bar->setGeometry(0, 0, 495, 62);
        tk::setAlign(bar, tk::Align::Top);
    }
};

} // namespace

void TestAlignment::mainWindowLayout_data() {
    QTest::addColumn<int>("edge");
    QTest::addColumn<QSize>("barSize");
    QTest::addColumn<QRect>("bar");
    QTest::addColumn<QRect>("pages");
    QTest::newRow("top") << int(tk::Align::Top) << QSize(495, 62) << QRect(0, 0, 495, 62)
                         << QRect(0, 62, 495, 251);
    QTest::newRow("bottom, above the status bar")
        << int(tk::Align::Bottom) << QSize(495, 62) << QRect(0, 251, 495, 62)
        << QRect(0, 0, 495, 251);
    QTest::newRow("left") << int(tk::Align::Left) << QSize(62, 495) << QRect(0, 0, 62, 313)
                          << QRect(62, 0, 433, 313);
    QTest::newRow("right") << int(tk::Align::Right) << QSize(62, 495) << QRect(433, 0, 62, 313)
                           << QRect(0, 0, 433, 313);
}

void TestAlignment::mainWindowLayout() {
    QFETCH(int, edge);
    QFETCH(QSize, barSize);
    QFETCH(QRect, bar);
    QFETCH(QRect, pages);
    Frame f;
    f.parent.show();
    tk::AlignHost::of(&f.parent)->suspend();
    f.bar->resize(barSize);
    tk::setAlign(f.bar, tk::Align(edge));
    tk::AlignHost::of(&f.parent)->resume();
    QCOMPARE(f.bar->geometry(), bar);
    QCOMPARE(f.pages->geometry(), pages);
    QCOMPARE(f.status->geometry(), QRect(0, 313, 495, 19));
}

void TestAlignment::outermostFirstOnOneEdge() {
    QWidget parent;
    parent.resize(200, 100);
    auto *host = new tk::AlignHost(&parent);
    auto *inner = new QWidget(&parent);
    inner->setGeometry(0, 30, 200, 10);
    auto *outer = new QWidget(&parent);
    outer->setGeometry(0, 5, 200, 20);
    host->suspend();
    tk::setAlign(inner, tk::Align::Top);
    tk::setAlign(outer, tk::Align::Top);
    host->resume();
    QCOMPARE(outer->geometry(), QRect(0, 0, 200, 20));
    QCOMPARE(inner->geometry(), QRect(0, 20, 200, 10));
    QVERIFY(tk::liesFurtherOut(tk::Align::Bottom, QRect(0, 50, 10, 20), QRect(0, 40, 10, 20)));
    QVERIFY(!tk::liesFurtherOut(tk::Align::Right, QRect(0, 0, 10, 10), QRect(5, 0, 10, 10)));
}

void TestAlignment::hiddenChildLeavesItsPlace() {
    Frame f;
    f.parent.show();
    f.bar->hide();
    QCOMPARE(f.pages->geometry(), QRect(0, 0, 495, 313));
    f.bar->show();
    QCOMPARE(f.pages->geometry(), QRect(0, 62, 495, 251));
    f.parent.resize(600, 400);
    QCOMPARE(f.status->geometry(), QRect(0, 381, 600, 19));
    QCOMPARE(f.pages->geometry(), QRect(0, 62, 600, 319));
}

void TestAlignment::suspendedUntilResumed() {
    Frame f;
    tk::AlignHost *host = tk::AlignHost::of(&f.parent);
    host->suspend();
    tk::setAlign(f.bar, tk::Align::Bottom);
    QCOMPARE(f.bar->geometry(), QRect(0, 0, 495, 62));
    host->resume();
    QCOMPARE(f.bar->geometry(), QRect(0, 251, 495, 62));
}

QTEST_MAIN(TestAlignment)
#include "tst_alignment.moc"
