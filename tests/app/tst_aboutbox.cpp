// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The about box, opened from the toolbar with the mouse: its layout, the shadowed
// labels, the ways to close it, and a fresh box for every showing.

#include "app/taboutbox.h"
#include "common/layoutchecks.h"
#include "common/modal.h"
#include "common/mouse.h"
#include "common/scratchwindow.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/hints.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevelpanel.h"
#include "toolkit/timage.h"
#include "toolkit/tshadowlabel.h"

#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

// What the test saw of a box while it was up.
struct Seen {
    QPointer<TAboutBox> box;
    QString title;
    QRect frame;
    bool modal = false;
    QWidget *parent = nullptr;
    QImage product;
};

// Waits for the modal about box, looks at it, then closes it with `close`.
void whenAboutBoxShows(Seen *seen, std::function<void(TAboutBox *)> close) {
    whenModal<TAboutBox>([=](TAboutBox *box) {
        seen->box = box;
        seen->title = box->windowTitle();
        seen->frame = box->frameGeometry();
        seen->modal = box->isModal();
        seen->parent = box->parentWidget();
        seen->product = box->ProductLabel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        close(box);
    });
}

// Bounding box of the pixels a predicate picks.
template <class Pick> QRect pixelsWhere(const QImage &image, Pick pick) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pick(image.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout();
    void shadowedLabels();
    void closes_data();
    void closes();
    void freshForEveryShowing();

private:
    void clickAPropos() { mouse::click(m_window->BarreApropos->button(), QPoint(31, 27)); }
    TPrincipale *m_window = nullptr;
};

void TestAboutBox::init() {
    m_window = new ScratchWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestAboutBox::cleanup() {
    delete m_window;
    m_window = nullptr;
}

// A fixed dialog: the icon, name and version on the bevelled panel, apart
// and inside it, the name and version as large as their text; the OK button
// under the panel.
void TestAboutBox::layout() {
    TAboutBox box(m_window);
    QCOMPARE(box.windowTitle(), QStringLiteral("A propos de ..."));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!(box.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
    layout::expectApart({box.Panel1, box.OKButton});
    layout::expectApart({box.ProgramIcon, box.ProductLabel});
    layout::expectApart({box.ProgramIcon, box.VersionLabel});
    QCOMPARE(box.Panel1->bevelOuter(), TBevelPanel::Bevel::Lowered);
    QCOMPARE(box.Panel1->bevelInner(), TBevelPanel::Bevel::Raised);
    QCOMPARE(box.ProgramIcon->parentWidget(), box.Panel1);
    QVERIFY(!box.ProgramIcon->picture().isNull());
    QCOMPARE(box.ProgramIcon->pictureRect(), box.ProgramIcon->rect());
    // The version stands under the name, below its baseline ("Chromohm" has no
    // descenders), starting within its width.
    const QRect name = box.ProductLabel->geometry(), version = box.VersionLabel->geometry();
    QVERIFY(version.top() >= name.top() + box.ProductLabel->fontMetrics().ascent());
    QVERIFY(version.left() > name.left() && version.left() < name.right());
    QCOMPARE(box.ProductLabel->caption(), QStringLiteral("Chromohm"));
    QCOMPARE(box.ProductLabel->font().pixelSize(), 32);
    QVERIFY(box.ProductLabel->font().bold() && box.ProductLabel->font().italic());
    QCOMPARE(box.VersionLabel->caption(), QStringLiteral("version 1.0"));
    const QFontMetrics fm(box.VersionLabel->font());
    QCOMPARE(version.size(),
             QSize(fm.horizontalAdvance(box.VersionLabel->caption()) + 1, fm.height() + 1));
    QVERIFY(box.OKButton->y() > box.Panel1->geometry().bottom());
    QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
    QVERIFY(box.OKButton->isDefault());
    QCOMPARE(tk::hint(box.OKButton), QStringLiteral("Referme cet écran"));
    QVERIFY(tk::showsHint(box.OKButton));
}

void TestAboutBox::shadowedLabels() {
    Seen seen;
    whenAboutBoxShows(&seen, [](TAboutBox *box) { box->OKButton->click(); });
    clickAPropos();
    QVERIFY(!seen.product.isNull());
    const QRgb highlight = m_window->palette().color(QPalette::Light).rgb();
    // The shadow pass in the highlight colour, the text pass one pixel right and down.
    const QRect shadow = pixelsWhere(seen.product, [&](QRgb p) { return p == highlight; });
    const QRect text = pixelsWhere(seen.product, [](QRgb p) { return qGray(p) < 60; });
    QVERIFY(!shadow.isEmpty() && !text.isEmpty());
    QCOMPARE(text.top() - shadow.top(), 1);
    // On an upright letter the shadow's top edge shows whole, one pixel above and
    // left of the text's.
    TShadowLabel upright;
    QFont plain(QStringLiteral("MS Sans Serif"));
    plain.setPixelSize(40);
    plain.setStyleStrategy(QFont::NoAntialias); // whole pixels: edges found exactly
    upright.setFont(plain);
    upright.setFontColor(Qt::black);
    upright.setCaption(QStringLiteral("H"));
    const QImage letter = upright.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect letterShadow = pixelsWhere(letter, [&](QRgb p) { return p == highlight; });
    const QRect letterText = pixelsWhere(letter, [](QRgb p) { return qGray(p) < 60; });
    QVERIFY(!letterShadow.isEmpty());
    QCOMPARE(letterText.topLeft(), letterShadow.topLeft() + QPoint(1, 1));
    QCOMPARE(letterText.width(), letterShadow.width());
    // The label takes the size of its text plus the shadow.
    TShadowLabel probe;
    QFont font(QStringLiteral("MS Serif"));
    font.setPixelSize(32);
    font.setBold(true);
    font.setItalic(true);
    probe.setFont(font);
    probe.setCaption(QStringLiteral("Chromohm"));
    const QFontMetrics fm(font);
    QCOMPARE(probe.size(),
             QSize(fm.horizontalAdvance(QStringLiteral("Chromohm")) + 1, fm.height() + 1));
    QCOMPARE(seen.product.size(), probe.size());
}

void TestAboutBox::closes_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK with the mouse") << "mouse";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("close box") << "close box";
}

void TestAboutBox::closes() {
    QFETCH(QString, how);
    Seen seen;
    whenAboutBoxShows(&seen, [how](TAboutBox *box) {
        if (how == QLatin1String("mouse"))
            QTest::mouseClick(box->OKButton, Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->windowHandle()->close();
    });
    clickAPropos();
    QCOMPARE(seen.title, QStringLiteral("A propos de ..."));
    QVERIFY(seen.modal);
    QCOMPARE(seen.parent, m_window);
    const QRect screen = m_window->screen()->geometry();
    QVERIFY((seen.frame.center() - screen.center()).manhattanLength() <= 1);
    // Gone as soon as it closed; the main window is usable again.
    QVERIFY(seen.box.isNull());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAboutBox::freshForEveryShowing() {
    Seen first;
    whenAboutBoxShows(&first, [](TAboutBox *box) {
        // Leave it somewhere else: the next box must not remember.
        box->move(box->pos() + QPoint(60, 40));
        box->VersionLabel->setCaption(QStringLiteral("changed"));
        box->OKButton->click();
    });
    clickAPropos();
    QVERIFY(first.box.isNull());
    Seen second;
    QString version;
    whenAboutBoxShows(&second, [&version](TAboutBox *box) {
        version = box->VersionLabel->caption();
        box->OKButton->click();
    });
    clickAPropos();
    QVERIFY(second.box.isNull());
    QCOMPARE(version, QStringLiteral("version 1.0"));
    const QRect screen = m_window->screen()->geometry();
    QVERIFY((second.frame.center() - screen.center()).manhattanLength() <= 1);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    TestAboutBox t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_aboutbox.moc"
