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

void TestColourComboBox::dropDownCount_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("shown");
    QTest::newRow("fewer than the count") << 7 << 7;
    QTest::newRow("as many as the count") << 11 << 11;
    QTest::newRow("more than the count") << 20 << 11;
}

void TestColourComboBox::dropDownCount() {
    QFETCH(int, entries);
    QFETCH(int, shown);
    QWidget window;
    window.resize(200, 400);
    auto *list = new TColourComboBox(&window);
    list->setGeometry(10, 20, 89, 22);
    for (int i = 0; i < entries; ++i)
        list->addEntry(QString::number(i * 1000), QString());
    list->setCurrentIndex(entries / 2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view->viewport()->height(), shown * 16);
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
