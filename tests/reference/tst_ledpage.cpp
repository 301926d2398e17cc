// The LED page as a user meets it: the start state, the supply toggle, the two
// tables, the hints in the status bar and what assistive technology reads.

#include "common/scratchwindow.h"
#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tglyphbutton.h"
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

const QString Direct = QStringLiteral("Alim. Continu");
const QString Alternating = QStringLiteral("Alim. Alternatif");
const QString TableHint = QStringLiteral("Les valeurs en brun correspondent à une valeur en ohms");
const QString ButtonHint = QStringLiteral("Bascule Alimentation continu/alternatif");
const QString Wrapped = QStringLiteral("Led verte, jaune/ambre");
const QColor Maroon(0x80, 0x00, 0x00);

enum class Look { Bold, Regular, Maroon };

// One mode's table as printed on the reference card.
struct Card {
    const char *box;
    const char *volts[4];
    const char *currents[2];
    const char *values[2][4];
    int valueLefts[4];
};

const Card Cards[] = {
    {"GroupBox3",
     {"5 V=", "12 V=", "15 V=", "24 V="},
     {"10 mA", "20 mA"},
     {{"270", "1000", "1200", "2200"}, {"120", "470", "560", "1000"}},
     {122, 175, 227, 280}},
    {"GroupBox4",
     {"6 V~", "12 V~", "24 V~", "115 V~"},
     {"20 mA", "40 mA"},
     {{"180", "470", "1000", "5600"}, {"100", "270", "560", "3300"}},
     {122, 175, 225, 283}},
};
const int HeaderLefts[] = {122, 175, 227, 280};

// What the page shows that the toggle changes.
struct PageState {
    QString caption;
    QImage glyph;
    bool directTable, alternatingTable, note, diodeNote;
    bool operator==(const PageState &) const = default;
};

// The glyph's first image with its transparent colour (the bottom-left pixel) cleared.
QImage normalImage(const QString &resource) {
    const QImage strip = tk::loadImage(resource).convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = strip.pixel(0, strip.height() - 1);
    QImage image = strip.copy(0, 0, strip.width() / 2, strip.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == clear)
                image.setPixel(x, y, 0);
    return image;
}

TLabel *labelAt(QWidget *box, const QString &text, QPoint pos) {
    for (TLabel *label : box->findChildren<TLabel *>())
        if (label->text() == text && label->pos() == pos)
            return label;
    return nullptr;
}

// The darkest pixel of the grabbed widget: the core of its text's strokes.
QColor ink(QWidget *widget) {
    const QImage image = widget->grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < darkest.lightness())
                darkest = image.pixelColor(x, y);
    return darkest;
}

// Maroon strokes are red over the light face; black and grey ones are neutral.
bool reddish(const QColor &c) {
    return c.red() > c.green() + 40 && qAbs(c.green() - c.blue()) < 16;
}

// Pixels only: a resource may be indexed, a pixmap never is.
QImage pixels(const QImage &image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestLedPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startState();
    void pageControls_data();
    void pageControls();
    void tableTexts_data();
    void tableTexts();
    void wrappedRowLabel_data();
    void wrappedRowLabel();
    void marksAndSeparator_data();
    void marksAndSeparator();
    void twoClicksRestoreStart();
    void tablesShareOnePlace();
    void glyphSwapInPixels();
    void hintChain_data();
    void hintChain();
    void sentencesFitThePage();
    void tablesReadAsSeen_data();
    void tablesReadAsSeen();

private:
    PageState state() const;
    void setMode(const QString &caption);
    QGroupBox *box(const char *name) const;

    std::unique_ptr<TPrincipale> w;
    PageState m_start;
    QList<QPoint> m_startBoxes;
};

void TestLedPage::initTestCase() {
    w = std::make_unique<ScratchWindow>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->BarreDiodeClick();
    QCOMPARE(w->PageControl1->currentWidget(), w->TabSheet2);
    m_start = state();
    m_startBoxes = {w->GroupBox3->pos(), w->GroupBox4->pos()};
}

void TestLedPage::init() {
    setMode(Direct);
}

PageState TestLedPage::state() const {
    return {w->AlimLed->text(),        w->AlimLed->glyph().toImage(), w->GroupBox3->isVisible(),
            w->GroupBox4->isVisible(), w->Label42->isVisible(),       w->Label61->isVisible()};
}

void TestLedPage::setMode(const QString &caption) {
    if (w->AlimLed->text() != caption)
        QTest::mouseClick(w->AlimLed, Qt::LeftButton);
    QCOMPARE(w->AlimLed->text(), caption);
}

QGroupBox *TestLedPage::box(const char *name) const {
    return w->TabSheet2->findChild<QGroupBox *>(QString::fromLatin1(name));
}

void TestLedPage::startState() {
    // As the window came up, before any click.
    const PageState &start = m_start;
    QCOMPARE(start.caption, Direct);
    QVERIFY(!start.glyph.isNull());
    QCOMPARE(pixels(start.glyph), pixels(tk::loadImage(QStringLiteral("CONTINU"))));
    QVERIFY(start.directTable);
    QVERIFY(!start.alternatingTable);
    QVERIFY(start.note);
    QVERIFY(!start.diodeNote);
    QCOMPARE(m_startBoxes, QList<QPoint>({QPoint(120, 45), QPoint(120, 45)}));
    QVERIFY(!w->Image1->picture().isNull());
    QCOMPARE(pixels(w->Image1->picture().toImage()),
             pixels(tk::loadImage(QStringLiteral("IMAGE"))));
    QCOMPARE(w->Image1->pictureRect(), QRect(0, 0, 80, 120));
}

void TestLedPage::pageControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // width -1: sized to its text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");

    QTest::newRow("Label42") << "Label42" << QRect(28, 190, -1, 13)
                             << "Le chiffre en brun correspond à la valeur de résistance qu'il "
                                "faut ajouter en série à la Led(+)."
                             << "";
    QTest::newRow("Label61")
        << "Label61" << QRect(69, 205, -1, 13)
        << "En courant alternatif, une diode 1N4148 doit être couplée en antiparallèle."
        << "";
    QTest::newRow("Image1") << "Image1" << QRect(16, 56, 80, 120) << ""
                            << "";
    QTest::newRow("GroupBox3") << "GroupBox3" << QRect(120, 45, 345, 137)
                               << " Valeur de résistance (en ohms) " << TableHint;
    QTest::newRow("GroupBox4") << "GroupBox4" << QRect(120, 45, 345, 137)
                               << " Valeur de résistance (en ohms) " << TableHint;
    QTest::newRow("AlimLed") << "AlimLed" << QRect(8, 8, 100, 25) << Direct << ButtonHint;
}

void TestLedPage::pageControls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, hint);

    QWidget *control = w->TabSheet2->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), w->TabSheet2);
    QCOMPARE(control->pos(), geometry.topLeft());
    if (geometry.width() >= 0) {
        QCOMPARE(control->size(), geometry.size());
    } else {
        // Sized to its text: as high as a line of the window's font.
        QCOMPARE(control->height(), control->fontMetrics().height());
        QVERIFY(control->height() <= geometry.height());
    }
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(text));
    } else if (auto *box = qobject_cast<QGroupBox *>(control)) {
        QCOMPARE(box->title(), text);
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
    }
    QCOMPARE(tk::hint(control), hint);
}

void TestLedPage::tableTexts_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("look");

    for (const Card &card : Cards) {
        const QString b = QString::fromLatin1(card.box);
        auto row = [&](const char *text, QPoint pos, Look look) {
            QTest::addRow("%s %s at %d,%d", card.box, text, pos.x(), pos.y())
                << b << QString::fromUtf8(text) << pos << int(look);
        };
        for (int c = 0; c < 4; ++c)
            row(card.volts[c], QPoint(HeaderLefts[c], 20), Look::Bold);
        row("Led rouge", QPoint(33, 42), Look::Bold);
        row("Led verte, jaune/ambre", QPoint(33, 84), Look::Bold);
        row(card.currents[0], QPoint(40, 56), Look::Regular);
        row(card.currents[1], QPoint(40, 112), Look::Regular);
        for (int c = 0; c < 4; ++c) {
            row(card.values[0][c], QPoint(card.valueLefts[c], 42), Look::Maroon);
            row(card.values[1][c], QPoint(card.valueLefts[c], 90), Look::Maroon);
        }
    }
}

void TestLedPage::tableTexts() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QPoint, pos);
    QFETCH(int, look);

    setMode(box == QLatin1String("GroupBox3") ? Direct : Alternating);
    QGroupBox *group = box == QLatin1String("GroupBox3") ? w->GroupBox3 : w->GroupBox4;
    TLabel *label = labelAt(group, text, pos);
    QVERIFY2(label, qPrintable(text));
    QVERIFY(label->isVisible());
    QCOMPARE(label->font().bold(), Look(look) == Look::Bold);
    QCOMPARE(label->font().pixelSize(), 11);
    const QColor expected = Look(look) == Look::Bold     ? QColor(Qt::black)
                            : Look(look) == Look::Maroon ? Maroon
                                                         : w->palette().color(QPalette::WindowText);
    QCOMPARE(label->palette().color(QPalette::WindowText), expected);
    const QColor drawn = ink(label);
    QVERIFY2(reddish(drawn) == (Look(look) == Look::Maroon), qPrintable(drawn.name()));
    // Nothing is cut: the label holds its text and the box holds the label.
    if (!label->wordWrap())
        QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(text));
    QVERIFY(group->rect().contains(label->geometry()));
    // The label has no hint of its own; the box's applies.
    QVERIFY(tk::hint(label).isEmpty());
    QCOMPARE(tk::hintFor(label), TableHint);
}

void TestLedPage::wrappedRowLabel_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("direct") << "GroupBox3";
    QTest::newRow("alternating") << "GroupBox4";
}

void TestLedPage::wrappedRowLabel() {
    QFETCH(QString, box);
    TLabel *label = labelAt(box == QLatin1String("GroupBox3") ? w->GroupBox3 : w->GroupBox4,
                            Wrapped, QPoint(33, 84));
    QVERIFY(label);
    QCOMPARE(label->size(), QSize(72, 26));
    QVERIFY(label->wordWrap());
    // Two lines that both fit the box: wider than one line, not taller than two.
    const QFontMetrics fm = label->fontMetrics();
    QVERIFY(fm.horizontalAdvance(Wrapped) > 72);
    const QRect needed = fm.boundingRect(QRect(0, 0, 72, 1000), Qt::TextWordWrap, Wrapped);
    QVERIFY(needed.height() > fm.lineSpacing());
    QVERIFY(needed.width() <= 72);
    QVERIFY(needed.height() <= 26);
}

void TestLedPage::marksAndSeparator_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("direct") << Direct;
    QTest::newRow("alternating") << Alternating;
}

void TestLedPage::marksAndSeparator() {
    QFETCH(QString, mode);
    setMode(mode);
    QGroupBox *group = mode == Direct ? w->GroupBox3 : w->GroupBox4;
    const QImage image = group->grab().toImage();
    // The circles are filled with their brush at their centres, outlined at the edge.
    QCOMPARE(image.pixel(16 + 6, 42 + 6), qRgb(0xFF, 0x00, 0x00));
    QCOMPARE(image.pixel(16 + 6, 90 + 6), qRgb(0x00, 0xFF, 0x00));
    QCOMPARE(image.pixel(16 + 6, 42), qRgb(0, 0, 0));
    // The separator is one line along the top of its 209 × 9 box.
    const QRgb line = group->palette().color(QPalette::Dark).rgb();
    const QRgb face = image.pixel(200, 76);
    QVERIFY(line != face);
    for (int x = 112; x < 112 + 209; x += 13) {
        QCOMPARE(image.pixel(x, 72), line);
        QCOMPARE(image.pixel(x, 73), face);
    }
    QCOMPARE(image.pixel(111, 72), face);
    QCOMPARE(image.pixel(112 + 209, 72), face);
}

void TestLedPage::twoClicksRestoreStart() {
    const PageState start = state();
    QCOMPARE(start.caption, Direct);

    QTest::mouseClick(w->AlimLed, Qt::LeftButton);
    const PageState alternating = state();
    QCOMPARE(alternating.caption, Alternating);
    QCOMPARE(pixels(alternating.glyph), pixels(tk::loadImage(QStringLiteral("ALTERNATIF"))));
    QVERIFY(!alternating.directTable);
    QVERIFY(alternating.alternatingTable);
    QVERIFY(alternating.note);
    QVERIFY(alternating.diodeNote);
    // The diode note stands under the sentence about the brown values.
    QVERIFY(w->Label61->y() >= w->Label42->geometry().bottom());

    QTest::mouseClick(w->AlimLed, Qt::LeftButton);
    QVERIFY(state() == start);
    QCOMPARE(pixels(w->AlimLed->glyph().toImage()),
             pixels(tk::loadImage(QStringLiteral("CONTINU"))));
}

void TestLedPage::tablesShareOnePlace() {
    for (const QString &mode : {Direct, Alternating, Direct}) {
        setMode(mode);
        QGroupBox *shown = mode == Direct ? w->GroupBox3 : w->GroupBox4;
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->geometry(), QRect(120, 45, 345, 137));
        QCOMPARE(w->GroupBox3->pos(), QPoint(120, 45));
        QCOMPARE(w->GroupBox4->pos(), QPoint(120, 45));
    }
}

void TestLedPage::glyphSwapInPixels() {
    const QImage continu = normalImage(QStringLiteral("CONTINU"));
    const QImage alternatif = normalImage(QStringLiteral("ALTERNATIF"));
    QCOMPARE(continu.size(), QSize(16, 16));
    QVERIFY(continu != alternatif);

    for (const QString &mode : {Direct, Alternating}) {
        setMode(mode);
        const QImage &expected = mode == Direct ? continu : alternatif;
        const QImage shot = w->AlimLed->grab().toImage();
        const QRect at = w->AlimLed->glyphRect();
        // At the left, 3 pixels from the edge, centred up and down.
        QCOMPARE(at.topLeft(), QPoint(3, (25 - 16 + 1) / 2));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (qAlpha(expected.pixel(x, y)) == 255) {
                    ++opaque;
                    QCOMPARE(shot.pixel(at.x() + x, at.y() + y), expected.pixel(x, y));
                }
        QVERIFY(opaque > 20);
        // The caption follows the glyph and stays inside the button's frame.
        const QRect caption = w->AlimLed->captionRect();
        QVERIFY(caption.left() > at.right());
        QVERIFY(w->AlimLed->rect().adjusted(2, 2, -2, -2).contains(caption));
    }
}

void TestLedPage::hintChain_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("box");  // empty: the control is on the page
    QTest::addColumn<QString>("what"); // a label's text or a control's name
    QTest::addColumn<QString>("hint");

    QTest::newRow("header") << Direct << "GroupBox3"
                            << "5 V=" << TableHint;
    QTest::newRow("row label") << Direct << "GroupBox3"
                               << "Led rouge" << TableHint;
    QTest::newRow("wrapped row label") << Direct << "GroupBox3" << Wrapped << TableHint;
    QTest::newRow("current") << Direct << "GroupBox3"
                             << "20 mA" << TableHint;
    QTest::newRow("value") << Direct << "GroupBox3"
                           << "2200" << TableHint;
    QTest::newRow("mark") << Direct << "GroupBox3"
                          << "GroupBox3RedMark" << TableHint;
    QTest::newRow("alternating header") << Alternating << "GroupBox4"
                                        << "115 V~" << TableHint;
    QTest::newRow("alternating value") << Alternating << "GroupBox4"
                                       << "5600" << TableHint;
    QTest::newRow("alternating current") << Alternating << "GroupBox4"
                                         << "40 mA" << TableHint;
    QTest::newRow("picture") << Direct << ""
                             << "Image1"
                             << "";
    QTest::newRow("sentence") << Direct << ""
                              << "Label42"
                              << "";
    QTest::newRow("diode note") << Alternating << ""
                                << "Label61"
                                << "";
    QTest::newRow("button") << Direct << ""
                            << "AlimLed" << ButtonHint;
    QTest::newRow("alternating button") << Alternating << ""
                                        << "AlimLed" << ButtonHint;
}

void TestLedPage::hintChain() {
    QFETCH(QString, mode);
    QFETCH(QString, box);
    QFETCH(QString, what);
    QFETCH(QString, hint);

    setMode(mode);
    QWidget *target = nullptr;
    if (box.isEmpty()) {
        target = w->TabSheet2->findChild<QWidget *>(what);
    } else {
        QGroupBox *group = box == QLatin1String("GroupBox3") ? w->GroupBox3 : w->GroupBox4;
        target = group->findChild<QWidget *>(what);
        for (TLabel *label : group->findChildren<TLabel *>())
            if (label->text() == what)
                target = label;
    }
    QVERIFY(target);
    QVERIFY(target->isVisible());

    // Come from elsewhere (a pointer that does not move reports nothing), and put
    // something else in the panel, so that a stale text cannot pass.
    QTest::mouseMove(w->windowHandle(), w->StatusBar->geometry().center());
    Application()->setHint(QStringLiteral("?"));
    QCOMPARE(w->StatusBar->panelText(1), QStringLiteral("?"));
    const QPoint at = target->mapTo(w.get(), target->rect().center());
    QTest::mouseMove(w->windowHandle(), at);
    QCOMPARE(w->StatusBar->panelText(1), hint);
}

void TestLedPage::sentencesFitThePage() {
    setMode(Alternating);
    for (TLabel *sentence : {w->Label42, w->Label61}) {
        QVERIFY(w->TabSheet2->rect().contains(sentence->geometry()));
        QCOMPARE(sentence->width(), sentence->fontMetrics().horizontalAdvance(sentence->text()));
    }
    // The group box's bottom edge stays clear of the first sentence.
    QVERIFY(w->GroupBox4->geometry().bottom() < w->Label42->y());
}

void TestLedPage::tablesReadAsSeen_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("reading");

    for (const Card &card : Cards) {
        QStringList reading;
        for (const char *volts : card.volts)
            reading << QString::fromUtf8(volts);
        reading << "Pastille rouge"
                << "Led rouge" << QString::fromUtf8(card.currents[0]);
        for (const char *value : card.values[0])
            reading << QString::fromUtf8(value);
        reading << "Pastille verte" << Wrapped << QString::fromUtf8(card.currents[1]);
        for (const char *value : card.values[1])
            reading << QString::fromUtf8(value);
        QTest::newRow(card.box) << (card.box == QByteArray("GroupBox3") ? Direct : Alternating)
                                << reading;
    }
}

void TestLedPage::tablesReadAsSeen() {
    QFETCH(QString, mode);
    QFETCH(QStringList, reading);

    setMode(mode);
    QGroupBox *group = mode == Direct ? w->GroupBox3 : w->GroupBox4;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(group);
    QVERIFY(table);
    QVERIFY(table->text(QAccessible::Name).contains(QStringLiteral("Valeur de résistance")));
    QCOMPARE(table->text(QAccessible::Description), TableHint);
    QStringList heard;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface *child = table->child(i);
        if (child->role() == QAccessible::Separator)
            continue;
        heard << child->text(QAccessible::Name);
    }
    QCOMPARE(heard, reading);

    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(w->Image1);
    QVERIFY(!picture->text(QAccessible::Name).isEmpty());
    QVERIFY(picture->text(QAccessible::Description).contains(QStringLiteral("R = (VS − VF) / IF")));
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(w->AlimLed);
    QCOMPARE(button->text(QAccessible::Name), mode);
    QCOMPARE(button->text(QAccessible::Description), ButtonHint);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestLedPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ledpage.moc"
