// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hints as the pointer meets them: the hint of the control under the pointer or
// of its nearest ancestor that has one, and tooltips only where the control, or
// the nearest ancestor that says, asks for them, and only while the hint display
// is on.

#include "toolkit/hints.h"
#include "toolkit/tapplication.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

class TestHints : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pointerAndTooltip_data();
    void pointerAndTooltip();
    void restingPointerFollowsAnAncestorsNewHint();

private:
    QWidget *make(QWidget *parent, const char *name, QRect geometry);

    QWidget *m_window = nullptr;
};

QWidget *TestHints::make(QWidget *parent, const char *name, QRect geometry) {
    auto *w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

// window
//   box "Boîte", tooltips on
//     inner                    takes both from box
//       deep "Profond", tooltips off
//         deepest              takes both from deep
//     blank, hint cleared      is as good as none
//   loner "Seul"               nobody asks for its tooltip
//   bare                       nothing anywhere
void TestHints::init() {
    m_window = new QWidget;
    m_window->resize(300, 200);
    QWidget *box = make(m_window, "box", {10, 10, 200, 150});
    tk::setHint(box, QStringLiteral("Boîte"));
    tk::setShowHint(box, true);
    QWidget *inner = make(box, "inner", {10, 10, 120, 90});
    QWidget *deep = make(inner, "deep", {10, 10, 80, 60});
    tk::setHint(deep, QStringLiteral("Profond"));
    tk::setShowHint(deep, false);
    make(deep, "deepest", {10, 10, 30, 30});
    QWidget *blank = make(box, "blank", {140, 10, 50, 50});
    tk::setHint(blank, QStringLiteral("Effacé"));
    tk::setHint(blank, QStringLiteral(""));
    tk::setHint(make(m_window, "loner", {220, 10, 60, 60}), QStringLiteral("Seul"));
    make(m_window, "bare", {220, 100, 60, 60});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    Application()->setShowHint(true);
}

void TestHints::cleanup() {
    QToolTip::hideText();
    delete m_window;
    Application()->setHint(QString());
}

void TestHints::pointerAndTooltip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("display"); // the application's hint display
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("tooltip"); // empty: none
    QTest::newRow("own hint and tooltip") << "box" << true << "Boîte"
                                          << "Boîte";
    QTest::newRow("both from the parent") << "inner" << true << "Boîte"
                                          << "Boîte";
    QTest::newRow("own hint, tooltips turned off") << "deep" << true << "Profond"
                                                   << "";
    QTest::newRow("both from the nearest ancestor, not the farther")
        << "deepest" << true << "Profond"
        << "";
    QTest::newRow("empty hint: the parent's") << "blank" << true << "Boîte"
                                              << "Boîte";
    QTest::newRow("hint, no tooltip asked") << "loner" << true << "Seul"
                                            << "";
    QTest::newRow("nothing in the chain") << "bare" << true << ""
                                          << "";
    QTest::newRow("display off: no tooltip, the hint still") << "inner" << false << "Boîte"
                                                             << "";
}

void TestHints::pointerAndTooltip() {
    QFETCH(QString, name);
    QFETCH(bool, display);
    QFETCH(QString, hint);
    QFETCH(QString, tooltip);
    auto *target = m_window->findChild<QWidget *>(name);
    QVERIFY(target);
    Application()->setShowHint(display);
    QCOMPARE(tk::hintFor(target), hint);

    // From a place with another hint, so that the text must change.
    const bool fromLoner = hint != u"Seul";
    QTest::mouseMove(m_window->windowHandle(), fromLoner ? QPoint(250, 40) : QPoint(250, 130));
    QCOMPARE(Application()->Hint(), fromLoner ? QStringLiteral("Seul") : QString());
    const QPoint at = target->mapTo(m_window, QPoint(3, 3));
    QTest::mouseMove(m_window->windowHandle(), at);
    QCOMPARE(Application()->Hint(), hint);

    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, QPoint(3, 3), target->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(target, &help);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tooltip);
    // A screen reader hears a control's own hint as its description.
    QCOMPARE(QAccessible::queryAccessibleInterface(target)->text(QAccessible::Description),
             tk::hint(target));
}

void TestHints::restingPointerFollowsAnAncestorsNewHint() {
    QWidget *box = m_window->findChild<QWidget *>(QStringLiteral("box"));
    QWidget *inner = m_window->findChild<QWidget *>(QStringLiteral("inner"));
    QTest::mouseMove(m_window->windowHandle(), inner->mapTo(m_window, QPoint(2, 2)));
    QCOMPARE(Application()->Hint(), QStringLiteral("Boîte"));
    tk::setHint(box, QStringLiteral("Autre boîte"));
    QTRY_COMPARE(Application()->Hint(), QStringLiteral("Autre boîte"));
    tk::setHint(inner, QStringLiteral("Intérieur"));
    QTRY_COMPARE(Application()->Hint(), QStringLiteral("Intérieur"));
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    TestHints t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_hints.moc"
