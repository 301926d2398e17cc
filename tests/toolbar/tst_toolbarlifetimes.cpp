// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Who outlives whom on the toolbar: the bar owns its sections, not the items or
// their buttons. Deleting the bar first leaves the items and their buttons alive
// and parentless; deleting an item on the bar takes it off cleanly. Run under the
// sanitizers, a double or missing deletion shows here.

#include "common/mouse.h"
#include "toolbar/tspeedbar.h"
#include "toolbar/tspeedbarsection.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/tapplication.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestToolbarLifetimes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void barDeletedBeforeItsItems_data();
    void barDeletedBeforeItsItems();
    void itemDeletedOnTheBar();

private:
    TSpeedItem *addItem(TSpeedbarSection *section, int left);
    QPoint centreOf(TSpeedItem *item) const { return item->button()->geometry().center(); }
    // A click on the bar where the item's button stands (or stood).
    int clicksAt(TSpeedItem *item, QPoint where);

    std::unique_ptr<QWidget> m_window;
    QPointer<TSpeedBar> m_bar;
    QList<TSpeedbarSection *> m_sections;
    // The items' owner, as the main window is in the program.
    std::unique_ptr<QObject> m_owner;
    QList<QPointer<TSpeedItem>> m_items;
};

TSpeedItem *TestToolbarLifetimes::addItem(TSpeedbarSection *section, int left) {
    auto *item = new TSpeedItem(m_owner.get());
    item->setObjectName(QStringLiteral("Barre%1").arg(m_items.size()));
    item->setBtnCaption(item->objectName());
    item->setLeft(left);
    item->setTop(4);
    item->setVisible(true);
    m_bar->addItem(section, item);
    m_items.append(item);
    return item;
}

void TestToolbarLifetimes::init() {
    m_window = std::make_unique<QWidget>();
    m_window->resize(400, 100);
    m_owner = std::make_unique<QObject>();
    m_items.clear();
    m_bar = new TSpeedBar(m_window.get());
    m_bar->setGeometry(0, 0, 400, 62);
    // Transparent buttons, as in the program: the bar paints beneath them.
    m_bar->setOptions(TSpeedBar::sbAllowDrag | TSpeedBar::sbFlatBtns |
                      TSpeedBar::sbTransparentBtns);
    m_bar->setBtnWidth(63);
    m_bar->setBtnHeight(54);
    m_sections = {m_bar->addSection(QStringLiteral("Principale")),
                  m_bar->addSection(QStringLiteral("Autre"))};
    addItem(m_sections[0], 4);
    addItem(m_sections[0], 67);
    addItem(m_sections[1], 200);
    m_bar->finishLoading();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestToolbarLifetimes::cleanup() {
    // Whatever is left goes in the program's order: window and bar, then items.
    m_window.reset();
    m_owner.reset();
    for (const QPointer<TSpeedItem> &item : std::as_const(m_items))
        QVERIFY(item.isNull());
}

int TestToolbarLifetimes::clicksAt(TSpeedItem *item, QPoint where) {
    QSignalSpy spy(item, &TSpeedItem::clicked);
    mouse::click(m_bar, where);
    return int(spy.count());
}

void TestToolbarLifetimes::barDeletedBeforeItsItems_data() {
    QTest::addColumn<bool>("withItsWindow");
    QTest::newRow("the bar alone") << false;
    QTest::newRow("the bar with its window") << true;
}

void TestToolbarLifetimes::barDeletedBeforeItsItems() {
    QFETCH(bool, withItsWindow);
    QList<QPointer<TSpeedbarButton>> buttons;
    QList<QPointer<TSpeedbarSection>> sections{m_sections[0], m_sections[1]};
    for (TSpeedItem *item : m_items)
        buttons.append(item->button());
    if (withItsWindow)
        m_window.reset();
    else
        delete m_bar;
    QVERIFY(m_bar.isNull());
    for (const QPointer<TSpeedbarSection> &section : sections)
        QVERIFY(section.isNull());
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        QVERIFY(m_items[i]);
        QCOMPARE(m_items[i]->button(), buttons[i].data());
        QVERIFY(buttons[i]);
        QVERIFY(!buttons[i]->parent());
        QVERIFY(!buttons[i]->isVisible());
        // Nothing beneath it any more but its own face.
        const QImage shot = buttons[i]->grab().toImage();
        QCOMPARE(shot.pixel(2, 2), buttons[i]->palette().color(QPalette::Button).rgb());
    }
    // The items go with their owner, and their buttons with them.
    m_owner.reset();
    for (const QPointer<TSpeedbarButton> &button : buttons)
        QVERIFY(button.isNull());
}

void TestToolbarLifetimes::itemDeletedOnTheBar() {
    QPointer<TSpeedbarButton> button = m_items[1]->button();
    const QRect stood = button->geometry();
    const QPoint where = stood.center();
    delete m_items[1];
    QVERIFY(button.isNull());
    QCOMPARE(m_sections[0]->items(), QList<TSpeedItem *>{m_items[0].data()});
    QCOMPARE(m_sections[1]->items(), QList<TSpeedItem *>{m_items[2].data()});
    QVERIFY(!m_bar->childAt(where));
    // The bar paints its bare surface where the button stood (as it does in the
    // gap before the next section), and answers as before.
    const QImage shot = m_bar->grab().toImage();
    const QRect gap = stood.translated(m_items[2]->button()->x() - 2 - stood.right(), 0);
    QVERIFY(!gap.intersects(m_items[2]->button()->geometry()));
    QCOMPARE(shot.copy(stood), shot.copy(gap));
    QCOMPARE(clicksAt(m_items[0], centreOf(m_items[0])), 1);
    QCOMPARE(clicksAt(m_items[2], centreOf(m_items[2])), 1);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    TestToolbarLifetimes t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_toolbarlifetimes.moc"
