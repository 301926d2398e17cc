// The capacitance guide as a user meets it: its texts where they stand, the box,
// the column rules, the picture, the hints, what assistive technology reads, and
// texts that stay put whatever the locale says about numbers. The whole test runs
// under a German system locale.

#include "common/scratchwindow.h"
#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevel.h"
#include "toolkit/timage.h"
#include "toolkit/tlabel.h"
#include "toolkit/tstatusbar.h"

#include "toolkit/tgroupbox.h"
#include <QAccessible>
#include <QGroupBox>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QString BoxHint = QStringLiteral("Exemples de valeurs de conversion");

struct Header {
    const char *text;
    int left;
};

const Header Headers[] = {
    {"Micro-Farad (µF)", 56}, {"Nano-Farad (nF)", 178}, {"Pico-Farad (pF)", 296}};

struct Value {
    const char *text;
    int left;
};

// The guide as printed: one line per row, microfarads, nanofarads, picofarads.
const Value Rows[7][3] = {
    {{"0,001", 88}, {"1,0", 217}, {"1000", 328}},
    {{"0,0022", 85}, {"2,2", 217}, {"2200", 328}},
    {{"0,01", 92}, {"10", 218}, {"10 000", 325}},
    {{"0,047", 88}, {"47", 218}, {"47 000", 325}},
    {{"0,1", 94}, {"100", 216}, {"100 000", 323}},
    {{"0,33", 90}, {"330", 216}, {"330 000", 323}},
    {{"1,00", 90}, {"1000", 213}, {"1 000 000", 320}},
};

TLabel *labelAt(QWidget *box, const QString &text, QPoint pos) {
    for (TLabel *label : box->findChildren<TLabel *>())
        if (label->text() == text && label->pos() == pos)
            return label;
    return nullptr;
}

// Pixels only: a resource may be indexed, a pixmap never is.
QImage pixels(const QImage &image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestCapacitancePage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void box();
    void texts_data();
    void texts();
    void columnRules_data();
    void columnRules();
    void picture();
    void hints_data();
    void hints();
    void readAsSeen();
    void textsIgnoreLocale_data();
    void textsIgnoreLocale();

private:
    std::unique_ptr<TPrincipale> w;
};

void TestCapacitancePage::initTestCase() {
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    w = std::make_unique<ScratchWindow>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->BarreCapaciteClick();
    QCOMPARE(w->PageControl1->currentWidget(), w->TabSheet3);
}

void TestCapacitancePage::box() {
    QGroupBox *box = w->GroupBox2;
    QCOMPARE(box->parentWidget(), w->TabSheet3);
    QCOMPARE(box->geometry(), QRect(19, 16, 449, 193));
    QCOMPARE(box->title(), QStringLiteral(" Guide de conversion "));
    QCOMPARE(tk::hint(box), BoxHint);
    QVERIFY(tk::showsHint(box));
    QVERIFY(!box->isFlat());
    // The box wears the palette's button face, which the page behind it need not.
    const QPalette original = QApplication::palette();
    QPalette classic = original;
    classic.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    classic.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xFF));
    QApplication::setPalette(classic);
    QCoreApplication::processEvents(); // the change reaches widgets through events
    const QImage shot = w->TabSheet3->grab().toImage();
    QApplication::setPalette(original);
    QCOMPARE(shot.pixel(box->x() + 440, box->y() + 2), qRgb(0xD4, 0xD0, 0xC8));
    QCOMPARE(shot.pixel(box->x() - 5, box->y() + 100), qRgb(0xFF, 0xFF, 0xFF));
}

void TestCapacitancePage::texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("bold");

    for (const Header &h : Headers)
        QTest::newRow(h.text) << QString::fromUtf8(h.text) << QPoint(h.left, 32) << true;
    for (int k = 0; k < 7; ++k)
        for (const Value &v : Rows[k])
            QTest::addRow("row %d: %s", k, v.text)
                << QString::fromUtf8(v.text) << QPoint(v.left, 52 + 18 * k) << false;
}

void TestCapacitancePage::texts() {
    QFETCH(QString, text);
    QFETCH(QPoint, pos);
    QFETCH(bool, bold);

    TLabel *label = labelAt(w->GroupBox2, text, pos);
    QVERIFY2(label, qPrintable(text));
    QVERIFY(label->isVisible());
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().pixelSize(), 11);
    if (bold)
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Sized to its text, inside the box, clear of the column rules.
    const QFontMetrics fm = label->fontMetrics();
    QCOMPARE(label->size(), QSize(fm.horizontalAdvance(text), fm.height()));
    QVERIFY(w->GroupBox2->rect().contains(label->geometry()));
    for (TBevel *rule : {w->Bevel1, w->Bevel2})
        QVERIFY(label->geometry().right() < rule->x() || label->x() > rule->x() + 1);
    QVERIFY(tk::hint(label).isEmpty());
}

void TestCapacitancePage::columnRules_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Bevel1") << "Bevel1" << QRect(165, 40, 12, 140);
    QTest::newRow("Bevel2") << "Bevel2" << QRect(286, 40, 11, 140);
}

void TestCapacitancePage::columnRules() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    auto *rule = w->GroupBox2->findChild<TBevel *>(name);
    QVERIFY(rule);
    QCOMPARE(rule->geometry(), geometry);
    // A raised line along the left edge: light, then dark, then the face again,
    // from the rule's top to its bottom and nowhere above or below.
    const QImage shot = w->GroupBox2->grab().toImage();
    const QRgb light = w->GroupBox2->palette().color(QPalette::Light).rgb();
    const QRgb dark = w->GroupBox2->palette().color(QPalette::Dark).rgb();
    const int x = geometry.left();
    const QRgb face = shot.pixel(x + 6, geometry.center().y());
    QVERIFY(light != dark && dark != face && light != face);
    for (int y = geometry.top(); y <= geometry.bottom(); y += 7) {
        QCOMPARE(shot.pixel(x, y), light);
        QCOMPARE(shot.pixel(x + 1, y), dark);
        QCOMPARE(shot.pixel(x + 2, y), face);
    }
    QCOMPARE(shot.pixel(x + 1, geometry.bottom()), dark);
    QCOMPARE(shot.pixel(x + 1, geometry.bottom() + 1), face);
    QCOMPARE(shot.pixel(x + 1, geometry.top() - 1), face);
}

void TestCapacitancePage::picture() {
    const QImage expected = tk::loadImage(QStringLiteral("CAPACITOR"));
    QCOMPARE(expected.size(), QSize(25, 25));
    QCOMPARE(w->Image2->parentWidget(), w->GroupBox2);
    QCOMPARE(w->Image2->geometry(), QRect(410, 16, 25, 25));
    QCOMPARE(pixels(w->Image2->picture().toImage()), pixels(expected));
    const QImage shot = w->Image2->grab().toImage();
    QCOMPARE(shot.pixel(12, 12), pixels(expected).pixel(12, 12));
    QVERIFY(!QAccessible::queryAccessibleInterface(w->Image2)->text(QAccessible::Name).isEmpty());
}

void TestCapacitancePage::hints_data() {
    QTest::addColumn<QString>("what"); // a label's text, a control's name, or empty
    QTest::addColumn<QPoint>("at");    // where on the page, when not over a control
    QTest::addColumn<QString>("hint");

    QTest::newRow("header") << "Nano-Farad (nF)" << QPoint() << BoxHint;
    QTest::newRow("decimal") << "0,0022" << QPoint() << BoxHint;
    QTest::newRow("grouped") << "1 000 000" << QPoint() << BoxHint;
    QTest::newRow("picture") << "Image2" << QPoint() << BoxHint;
    QTest::newRow("rule") << "Bevel1" << QPoint() << BoxHint;
    QTest::newRow("inside the box") << "" << QPoint(19 + 420, 16 + 170) << BoxHint;
    QTest::newRow("page below the box") << "" << QPoint(200, 216) << "";
    QTest::newRow("page left of the box") << "" << QPoint(8, 100) << "";
}

void TestCapacitancePage::hints() {
    QFETCH(QString, what);
    QFETCH(QPoint, at);
    QFETCH(QString, hint);

    QPoint inWindow;
    if (what.isEmpty()) {
        QVERIFY(w->TabSheet3->rect().contains(at));
        inWindow = w->TabSheet3->mapTo(w.get(), at);
    } else {
        QWidget *target = w->GroupBox2->findChild<QWidget *>(what);
        for (TLabel *label : w->GroupBox2->findChildren<TLabel *>())
            if (label->text() == what)
                target = label;
        QVERIFY(target);
        inWindow = target->mapTo(w.get(), target->rect().center());
    }
    // Come from elsewhere and clear the panel's text, so that a stale text cannot pass.
    QTest::mouseMove(w->windowHandle(), w->StatusBar->geometry().center());
    Application()->setHint(QStringLiteral("?"));
    QTest::mouseMove(w->windowHandle(), inWindow);
    QCOMPARE(w->StatusBar->panelText(1), hint);
}

void TestCapacitancePage::readAsSeen() {
    QStringList expected;
    for (const Header &h : Headers)
        expected << QString::fromUtf8(h.text);
    for (const auto &row : Rows)
        for (const Value &v : row)
            expected << QString::fromUtf8(v.text);

    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(w->GroupBox2);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Guide de conversion"));
    QCOMPARE(box->text(QAccessible::Description), BoxHint);
    QStringList heard;
    for (int i = 0; i < box->childCount(); ++i) {
        QAccessibleInterface *child = box->child(i);
        if (child->role() == QAccessible::StaticText)
            heard << child->text(QAccessible::Name);
        else if (child->object() != w->Image2)
            QCOMPARE(child->role(), QAccessible::Separator);
    }
    QCOMPARE(heard, expected);
}

void TestCapacitancePage::textsIgnoreLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
}

void TestCapacitancePage::textsIgnoreLocale() {
    QFETCH(QLocale, locale);
    const QLocale previous;
    QLocale::setDefault(locale);
    // The locale really writes these numbers otherwise.
    QVERIFY(QLocale().toString(10000) != QLatin1String("10 000"));
    QVERIFY(QLocale().toString(1000000) != QLatin1String("1 000 000"));
    QVERIFY(QLocale().toString(1000) != QLatin1String("1000") ||
            QLocale().toString(0.0022, 'f', 4) != QLatin1String("0,0022"));
    {
        ScratchWindow window;
        for (int k = 0; k < 7; ++k)
            for (const Value &v : Rows[k])
                QVERIFY2(labelAt(window.GroupBox2, QString::fromUtf8(v.text),
                                 QPoint(v.left, 52 + 18 * k)),
                         v.text);
        QVERIFY(labelAt(window.GroupBox3, QStringLiteral("1000"), QPoint(175, 42)));
        QVERIFY(labelAt(window.GroupBox4, QStringLiteral("5600"), QPoint(283, 42)));
    }
    QLocale::setDefault(previous);
}

int main(int argc, char **argv) {
    // A system locale whose digit grouping is not the guide's.
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestCapacitancePage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capacitancepage.moc"
