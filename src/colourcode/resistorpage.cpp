// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor page of TPrincipale: colour lists, band drawing and value line.

#include "app/tprincipale.h"

#include "colourcode/bandtables.h"
#include "toolkit/accessibility.h"
#include "toolkit/hints.h"
#include "toolkit/place.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevelpanel.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/tlabel.h"
#include "toolkit/tshape.h"

#include <QCheckBox>
#include <QPainter>

#include <functional>

namespace {

using colourcode::ColourValue;

constexpr ColourValue Black = 0x00000000;
constexpr ColourValue Maroon = 0x00000080;
constexpr ColourValue Silver = 0x00C0C0C0;
constexpr ColourValue PaleGreen = 0x00C0DCC0;
constexpr ColourValue White = 0x00FFFFFF;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

TColourComboBox *colourList(QWidget *parent, const char *name, const QRect &geometry,
                            const char *hint) {
    auto *list = tk::place<TColourComboBox>(parent, name, geometry);
    list->setItemHeight(16);
    list->setDropDownCount(11);
    tk::setHint(list, QString::fromUtf8(hint));
    tk::setShowHint(list, true);
    return list;
}

// The value line's labels: bold, 13 pixels high, black.
TLabel *valueLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text) {
    auto *label = tk::place<TLabel>(parent, name, geometry);
    label->setFontStyle(TLabel::Weight::Bold, 13);
    label->setFontColor(Qt::black);
    label->setCaption(text);
    return label;
}

TShape *rectangle(QWidget *parent, const char *name, const QRect &geometry, ColourValue colour) {
    auto *shape = tk::place<TShape>(parent, name, geometry);
    shape->setBrushColor(tk::colorFromColourValue(colour));
    return shape;
}

// A band shows its ring name as a tooltip.
TShape *band(QWidget *parent, const char *name, int left, ColourValue colour) {
    TShape *shape = rectangle(parent, name, {left, 152, 9, 41}, colour);
    tk::setShowHint(shape, true);
    return shape;
}

void paintBand(TShape *shape, ColourValue colour, std::string_view ringName) {
    shape->setBrushColor(tk::colorFromColourValue(colour));
    tk::setHint(shape, fromView(ringName));
}

void moveLeft(QWidget *widget, int left) {
    widget->move(left, widget->y());
}

void moveTop(QWidget *widget, int top) {
    widget->move(widget->x(), top);
}

} // namespace

// The page in the order its controls stack: the lists on their panel, the
// value box, the drawing; then the tab order and the handlers.
void TPrincipale::buildResistorPage() {
    buildColourLists();
    buildValueBox();
    buildResistorDrawing();
    connectResistorPage();
    buildValueEntryKeys();
}

void TPrincipale::buildColourLists() {
    QWidget *page = TabSheet1;
    // Creation order is stacking order among siblings: ComboBox1 comes after
    // Panel1 so that it lies over the panel.
    Panel1 = tk::place<TBevelPanel>(page, "Panel1", {16, 7, 161, 210});
    Panel1->setBevels(TBevelPanel::Bevel::Lowered, TBevelPanel::Bevel::Raised);

    CheckBox1 = tk::place<QCheckBox>(Panel1, "CheckBox1", {32, 8, 97, 17});
    CheckBox1->setText(QStringLiteral("Cinq anneaux"));
    CheckBox1->setChecked(true);
    tk::setHint(CheckBox1, QStringLiteral("Bascule quatre ou cinq anneaux"));

    ComboBox1 = colourList(page, "ComboBox1", {48, 44, 89, 22}, "Couleur du 1er anneau");
    ComboBox2 = colourList(Panel1, "ComboBox2", {32, 68, 89, 22}, "Couleur du 2ème anneau");
    ComboBox3 = colourList(Panel1, "ComboBox3", {32, 100, 89, 22}, "Couleur du 3ème anneau");
    ComboBox4 = colourList(Panel1, "ComboBox4", {32, 132, 89, 22}, "Couleur du 4ème anneau");
    ComboBox5 = colourList(Panel1, "ComboBox5", {32, 164, 89, 22}, "Couleur du 5ème anneau");
}

void TPrincipale::buildValueBox() {
    GroupBox1 = tk::place<TGroupBox>(TabSheet1, "GroupBox1", {200, 8, 273, 105});
    GroupBox1->setTitle(QStringLiteral(" Valeur "));
    tk::setHint(GroupBox1, QStringLiteral("Valeur et tolérance de la résistance"));
    tk::setShowHint(GroupBox1, true);
    Label1 = valueLabel(GroupBox1, "Label1", {15, 45, 0, 16}, QStringLiteral("Label1"));
    // The "Symbol" face's W is a capital omega; the omega itself needs no such face.
    Label2 = valueLabel(GroupBox1, "Label2", {65, 45, 12, 16}, QStringLiteral("Ω"));
    Label3 = valueLabel(GroupBox1, "Label3", {81, 45, 0, 16}, QStringLiteral("Label3"));
    // A screen reader reads the value line as one phrase, from Label1.
    tk::setAccessibleHidden(Label2);
    tk::setAccessibleHidden(Label3);
}

void TPrincipale::buildResistorDrawing() {
    QWidget *page = TabSheet1;
    Shape6 = rectangle(page, "Shape6", {248, 172, 33, 3}, Black);
    Shape1 = rectangle(page, "Shape1", {280, 152, 121, 41}, PaleGreen);
    Shape7 = rectangle(page, "Shape7", {400, 172, 33, 3}, Black);
    Shape2 = band(page, "Shape2", 288, Maroon);
    Shape3 = band(page, "Shape3", 304, Maroon);
    Shape4 = band(page, "Shape4", 320, Black);
    Shape5 = band(page, "Shape5", 336, Black);
    Shape8 = band(page, "Shape8", 360, Silver);
    // The drawing, lowest first: leads and body under the bands.
    for (TShape *shape : {Shape6, Shape1, Shape7, Shape8, Shape5, Shape4, Shape3, Shape2})
        shape->raise();
    // The body and leads are named as what they show; the bands by their colour.
    Shape1->setAccessibleName(QStringLiteral("Corps de la résistance"));
    Shape6->setAccessibleName(QStringLiteral("Patte gauche de la résistance"));
    Shape7->setAccessibleName(QStringLiteral("Patte droite de la résistance"));
}

void TPrincipale::connectResistorPage() {
    // The first list, then the panel's own controls in their order.
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);
    setTabOrder(ComboBox3, ComboBox4);
    setTabOrder(ComboBox4, ComboBox5);
    setTabOrder(ComboBox5, CheckBox1);

    for (TColourComboBox *list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5})
        list->setOnDrawItem(std::bind_front(&TPrincipale::ComboBoxDrawItem, this));
    using App = TApplication;
    connect(ComboBox1, &QComboBox::activated, this,
            App::handler(this, &TPrincipale::ComboBox1Change));
    connect(ComboBox2, &QComboBox::activated, this,
            App::handler(this, &TPrincipale::ComboBox2Change));
    connect(ComboBox3, &QComboBox::activated, this,
            App::handler(this, &TPrincipale::ComboBox3Change));
    connect(ComboBox4, &QComboBox::activated, this,
            App::handler(this, &TPrincipale::ComboBox4Change));
    connect(ComboBox5, &QComboBox::activated, this,
            App::handler(this, &TPrincipale::ComboBox5Change));
    // Runs on every change of state, from the user or from code.
    connect(CheckBox1, &QCheckBox::toggled, this, App::handler(this, &TPrincipale::CheckBox1Click));
}

void TPrincipale::resistorPageFirstStep() {
    CheckBox1->setChecked(false);
}

// The page's start-up, step by step in its fixed order; the tolerance list is
// refilled and the value line recomposed once more, as that order has them.
void TPrincipale::resistorPageInit() {
    moveTop(Label2, Label1->y());
    moveTop(Label3, Label1->y());
    for (TColourComboBox *list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5})
        for (const colourcode::BandRow &row : colourcode::BandPalette)
            list->addEntry(fromView(row.decimalText), fromView(row.ringName));
    FillToleranceCombo();
    ComboBox5->setCurrentIndex(1);
    ComboBox1->removeItem(0);
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(2);
    ComboBox3->setCurrentIndex(0);
    ComboBox4->setCurrentIndex(3);
    ColourCode.Digit1 = 1;
    ColourCode.Digit2 = 2;
    ColourCode.Digit3 = 0;
    ComboBox4Change();
    UpdateValueLabel();
    Label3->setCaption(QString::fromStdString(ColourCode.ToleranceText));
}

void TPrincipale::ComboBox1Change() {
    ColourCode.SelectFirstDigit(ComboBox1->currentIndex());
    UpdateValueLabel();
}

void TPrincipale::ComboBox2Change() {
    ColourCode.SelectSecondDigit(ComboBox2->currentIndex());
    UpdateValueLabel();
}

void TPrincipale::ComboBox3Change() {
    ColourCode.SelectThirdDigit(ComboBox3->currentIndex());
    UpdateValueLabel();
}

void TPrincipale::ComboBox4Change() {
    ColourCode.ApplyMultiplier(ComboBox4->currentIndex());
    UpdateValueLabel();
}

void TPrincipale::ComboBox5Change() {
    UpdateValueLabel();
}

void TPrincipale::CheckBox1Click() {
    // The mode is the third list's own visibility flag, not whether it is on
    // screen: the window is not shown yet when FormCreate runs this.
    ComboBox3->setVisible(ComboBox3->isHidden());
    ColourCode.ToggleBandCount();
    if (!ComboBox3->isHidden()) {
        tk::setHint(ComboBox3, QStringLiteral("Couleur du 3ème anneau"));
        tk::setHint(ComboBox4, QStringLiteral("Couleur du 4ème anneau"));
        tk::setHint(ComboBox5, QStringLiteral("Couleur du 5ème anneau"));
        moveTop(ComboBox4, ComboBox3->y() + 32);
        moveTop(ComboBox5, ComboBox4->y() + 32);
        Shape4->show();
        moveLeft(Shape5, Shape4->x() + 16);
    } else {
        tk::setHint(ComboBox5, tk::hint(ComboBox4));
        tk::setHint(ComboBox4, tk::hint(ComboBox3));
        moveTop(ComboBox4, ComboBox3->y());
        moveTop(ComboBox5, ComboBox4->y() + 32);
        Shape4->hide();
        moveLeft(Shape5, Shape4->x());
    }
    ComboBox3->setCurrentIndex(0);
    ComboBox4Change();
}

void TPrincipale::ComboBoxDrawItem(TColourComboBox *Control, int Index, const QRect &Rect,
                                   const TOwnerDrawState &) {
    QPainter &Canvas = *Control->canvas();
    Canvas.fillRect(Rect, tk::colorFromColourValue(White));
    bool ok = false;
    const ColourValue Colour = Control->itemText(Index).toUInt(&ok);
    if (!ok)
        return; // not a colour: the entry stays white
    Canvas.fillRect(Rect.adjusted(2, 2, -2, -2), tk::colorFromColourValue(Colour));
}

void TPrincipale::UpdateValueLabel() {
    Label1->setCaption(QString::fromStdString(ColourCode.ComposeValueText(!ComboBox3->isHidden())));
    UpdateBands();
    moveLeft(Label2, Label1->x() + Label1->width() + 1);
    moveLeft(Label3, Label2->x() + Label2->width() + 4);
    Label3->setCaption(QString::fromStdString(ColourCode.ToleranceText));
    // The ohm sign read as the word, not as the Greek letter.
    Label1->setAccessibleName(
        (Label1->caption() + QStringLiteral(" ohm ") + Label3->caption()).simplified());
}

void TPrincipale::UpdateBands() {
    // A list without a selection leaves its band as it is; the first list has no black.
    auto paintDigit = [](TColourComboBox *list, TShape *shape, int firstRow) {
        const int index = list->currentIndex();
        if (index < 0)
            return;
        if (const auto row = colourcode::bandRow(index + firstRow))
            paintBand(shape, row->colour, row->ringName);
    };
    paintDigit(ComboBox1, Shape2, 1);
    paintDigit(ComboBox2, Shape3, 0);
    paintDigit(ComboBox3, Shape4, 0);
    paintDigit(ComboBox4, Shape5, 0);
    const int index = ComboBox5->currentIndex();
    if (const auto row = colourcode::toleranceRow(index)) {
        paintBand(Shape8, row->colour, row->ringName);
        ColourCode.LookupTolerance(index);
    }
}

void TPrincipale::FillToleranceCombo() {
    ComboBox5->clear();
    for (const colourcode::ToleranceRow &row : colourcode::ToleranceTable)
        ComboBox5->addEntry(fromView(row.decimalText), fromView(row.ringName));
}
