// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The owner-drawn colour list drops down below itself, showing at most its
// drop-down count of entries.

#include "toolkit/tapplication.h"
#include "toolkit/tcolourcombobox.h"

#include <QAbstractItemView>
#include <QTest>

class TestColourComboBox : public QObject {
    Q_OBJECT
private slots:
    void dropDownCount_data();
    void dropDownCount();
};

// The list shows as many rows as it has, up to its drop-down count, and drops
// down below itself.
void TestColourComboBox::dropDownCount_data() {
    QTest::addColumn<int>("beyondTheCount"); // entries minus the drop-down count
    QTest::newRow("fewer than the count") << -4;
    QTest::newRow("as many as the count") << 0;
    QTest::newRow("more than the count") << 9;
}

void TestColourComboBox::dropDownCount() {
    QFETCH(int, beyondTheCount);
    QWidget window;
    window.resize(200, 400);
    auto *list = new TColourComboBox(&window);
    list->setGeometry(10, 20, 89, 22);
    const int count = list->maxVisibleItems();
    QVERIFY(count > 4);
    const int entries = count + beyondTheCount;
    for (int i = 0; i < entries; ++i)
        list->addEntry(QString::number(i * 1000), QString());
    list->setCurrentIndex(entries / 2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    const int row = view->visualRect(view->model()->index(0, 0)).height();
    QVERIFY(row > 0);
    QCOMPARE(view->viewport()->height(), qMin(entries, count) * row);
    QVERIFY(view->window()->geometry().top() >=
            list->mapToGlobal(QPoint(0, list->height() - 1)).y());
    list->hidePopup();
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    TestColourComboBox t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_colourcombobox.moc"
