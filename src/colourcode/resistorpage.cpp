// The resistor page of TPrincipale: colour lists, band drawing and value line.

#include "app/tprincipale.h"

#include "colourcode/bandtables.h"
#include "toolkit/hints.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevelpanel.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tlabel.h"
#include "toolkit/tshape.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPainter>

#include <algorithm>
#include <array>
#include <functional>
#include <type_traits>
#include <variant>

namespace {

using colourcode::ColourValue;

using Member = std::variant<TBevelPanel * TPrincipale::*, QCheckBox * TPrincipale::*,
                            TColourComboBox * TPrincipale::*, QGroupBox * TPrincipale::*,
                            TLabel * TPrincipale::*, TShape * TPrincipale::*>;

struct ControlRow {
    Member member;
    const char *name;
    const char *parent;
    int left, top, width, height;
    const char *text;
    const char *hint;
    int tabOrder;       // within the parent; -1 for controls that take no focus
    bool showHint;      // tooltip over the control
    ColourValue colour; // fill of a shape, 0x00BBGGRR
};

constexpr ColourValue Black = 0x00000000;
constexpr ColourValue Maroon = 0x00000080;
constexpr ColourValue Silver = 0x00C0C0C0;
constexpr ColourValue PaleGreen = 0x00C0DCC0;
constexpr ColourValue White = 0x00FFFFFF;

// Creation order is stacking order among siblings: ComboBox1 comes after Panel1
// so that it lies over the panel.
const ControlRow ControlRows[] = {
    {&TPrincipale::Panel1, "Panel1", "TabSheet1", 16, 7, 161, 210, "", "", 2, false, 0},
    {&TPrincipale::CheckBox1, "CheckBox1", "Panel1", 32, 8, 97, 17, "Cinq anneaux",
     "Bascule quatre ou cinq anneaux", 4, false, 0},
    {&TPrincipale::ComboBox1, "ComboBox1", "TabSheet1", 48, 44, 89, 22, "", "Couleur du 1er anneau",
     0, true, 0},
    {&TPrincipale::ComboBox2, "ComboBox2", "Panel1", 32, 68, 89, 22, "", "Couleur du 2ème anneau",
     0, true, 0},
    {&TPrincipale::ComboBox3, "ComboBox3", "Panel1", 32, 100, 89, 22, "", "Couleur du 3ème anneau",
     1, true, 0},
    {&TPrincipale::ComboBox4, "ComboBox4", "Panel1", 32, 132, 89, 22, "", "Couleur du 4ème anneau",
     2, true, 0},
    {&TPrincipale::ComboBox5, "ComboBox5", "Panel1", 32, 164, 89, 22, "", "Couleur du 5ème anneau",
     3, true, 0},
    {&TPrincipale::GroupBox1, "GroupBox1", "TabSheet1", 200, 8, 273, 105, " Valeur ",
     "Valeur et tolérance de la résistance", 1, true, 0},
    {&TPrincipale::Label1, "Label1", "GroupBox1", 15, 45, 0, 16, "Label1", "", -1, false, 0},
    // The "Symbol" face's W is a capital omega; the omega itself needs no such face.
    {&TPrincipale::Label2, "Label2", "GroupBox1", 65, 45, 12, 16, "Ω", "", -1, false, 0},
    {&TPrincipale::Label3, "Label3", "GroupBox1", 81, 45, 0, 16, "Label3", "", -1, false, 0},
    {&TPrincipale::Shape6, "Shape6", "TabSheet1", 248, 172, 33, 3, "", "", -1, false, Black},
    {&TPrincipale::Shape1, "Shape1", "TabSheet1", 280, 152, 121, 41, "", "", -1, false, PaleGreen},
    {&TPrincipale::Shape7, "Shape7", "TabSheet1", 400, 172, 33, 3, "", "", -1, false, Black},
    {&TPrincipale::Shape2, "Shape2", "TabSheet1", 288, 152, 9, 41, "", "", -1, true, Maroon},
    {&TPrincipale::Shape3, "Shape3", "TabSheet1", 304, 152, 9, 41, "", "", -1, true, Maroon},
    {&TPrincipale::Shape4, "Shape4", "TabSheet1", 320, 152, 9, 41, "", "", -1, true, Black},
    {&TPrincipale::Shape5, "Shape5", "TabSheet1", 336, 152, 9, 41, "", "", -1, true, Black},
    {&TPrincipale::Shape8, "Shape8", "TabSheet1", 360, 152, 9, 41, "", "", -1, true, Silver},
};

// The resistor drawing, lowest first: leads and body under the bands.
TShape *TPrincipale::*const ShapeStack[] = {
    &TPrincipale::Shape6, &TPrincipale::Shape1, &TPrincipale::Shape7, &TPrincipale::Shape8,
    &TPrincipale::Shape5, &TPrincipale::Shape4, &TPrincipale::Shape3, &TPrincipale::Shape2};

struct ListHandler {
    TColourComboBox *TPrincipale::*list;
    void (TPrincipale::*handler)();
};

const ListHandler ListHandlers[] = {
    {&TPrincipale::ComboBox1, &TPrincipale::ComboBox1Change},
    {&TPrincipale::ComboBox2, &TPrincipale::ComboBox2Change},
    {&TPrincipale::ComboBox3, &TPrincipale::ComboBox3Change},
    {&TPrincipale::ComboBox4, &TPrincipale::ComboBox4Change},
    {&TPrincipale::ComboBox5, &TPrincipale::ComboBox5Change},
};

// A digit or multiplier list, the band it paints and where its entries start in
// the palette.
struct BandLink {
    TColourComboBox *TPrincipale::*list;
    TShape *TPrincipale::*shape;
    int firstRow; // palette row of entry 0
};

const BandLink DigitBands[] = {
    {&TPrincipale::ComboBox1, &TPrincipale::Shape2, 1},
    {&TPrincipale::ComboBox2, &TPrincipale::Shape3, 0},
    {&TPrincipale::ComboBox3, &TPrincipale::Shape4, 0},
    {&TPrincipale::ComboBox4, &TPrincipale::Shape5, 0},
};

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The tables' texts converted once, so that a selection change shares them
// instead of converting them again.
template <typename Row, std::size_t N, typename Field>
std::array<QString, N> convertColumn(const std::array<Row, N> &table, Field field) {
    std::array<QString, N> out;
    for (std::size_t i = 0; i < N; ++i)
        out[i] = fromView(table[i].*field);
    return out;
}

const QString &bandRingName(int row) {
    static const auto names =
        convertColumn(colourcode::BandPalette, &colourcode::BandRow::ringName);
    return names[std::size_t(row)];
}

const QString &toleranceRingName(int row) {
    static const auto names =
        convertColumn(colourcode::ToleranceTable, &colourcode::ToleranceRow::ringName);
    return names[std::size_t(row)];
}

QString toleranceCaption(const std::string &text) {
    static const auto captions =
        convertColumn(colourcode::ToleranceTable, &colourcode::ToleranceRow::toleranceText);
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (colourcode::ToleranceTable[i].toleranceText == text)
            return captions[i];
    return QString::fromStdString(text);
}

void paintBand(TShape *shape, ColourValue colour, const QString &ringName) {
    shape->setBrushColor(tk::colorFromColourValue(colour));
    if (tk::hint(shape) != ringName)
        tk::setHint(shape, ringName);
}

// Setting what is already there would only cost a relayout or a repaint.
void setCaption(TLabel *label, const QString &caption) {
    if (label->caption() != caption)
        label->setCaption(caption);
}

void moveLeft(QWidget *widget, int left) {
    if (widget->x() != left)
        widget->move(left, widget->y());
}

void moveTop(QWidget *widget, int top) {
    if (widget->y() != top)
        widget->move(widget->x(), top);
}

} // namespace

void TPrincipale::buildResistorPage() {
    QHash<QString, QWidget *> parents{{QStringLiteral("TabSheet1"), TabSheet1}};
    for (const ControlRow &row : ControlRows) {
        QWidget *parent = parents.value(QString::fromLatin1(row.parent));
        QWidget *control = std::visit(
            [&](auto member) -> QWidget * {
                using T = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                auto *created = new T(parent);
                this->*member = created;
                return created;
            },
            row.member);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (*row.hint)
            tk::setHint(control, QString::fromUtf8(row.hint));
        if (row.showHint)
            tk::setShowHint(control, true);
        const QString text = QString::fromUtf8(row.text);
        if (auto *panel = qobject_cast<TBevelPanel *>(control)) {
            panel->setBevels(TBevelPanel::Bevel::Lowered, TBevelPanel::Bevel::Raised);
        } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
            check->setText(text);
            check->setChecked(true);
        } else if (auto *list = qobject_cast<TColourComboBox *>(control)) {
            list->setItemHeight(16);
            list->setDropDownCount(11);
            list->setOnDrawItem(std::bind_front(&TPrincipale::ComboBoxDrawItem, this));
        } else if (auto *group = qobject_cast<QGroupBox *>(control)) {
            group->setTitle(text);
        } else if (auto *label = qobject_cast<TLabel *>(control)) {
            label->setFontStyle(true, 13);
            label->setFontColor(Qt::black);
            label->setCaption(text);
        } else if (auto *shape = qobject_cast<TShape *>(control)) {
            shape->setBrushColor(tk::colorFromColourValue(row.colour));
        }
        parents.insert(control->objectName(), control);
    }
    // Read as the word, not as the Greek letter.
    Label2->setAccessibleName(QStringLiteral("ohm"));

    for (TShape *TPrincipale::*shape : ShapeStack)
        (this->*shape)->raise();

    // Tab order: each parent's controls by their order, a container's own
    // controls where the container stands.
    QList<QWidget *> chain;
    std::function<void(const char *)> collect = [&](const char *parent) {
        QList<const ControlRow *> rows;
        for (const ControlRow &row : ControlRows)
            if (row.tabOrder >= 0 && qstrcmp(row.parent, parent) == 0)
                rows.append(&row);
        std::sort(rows.begin(), rows.end(), [](const ControlRow *a, const ControlRow *b) {
            return a->tabOrder < b->tabOrder;
        });
        for (const ControlRow *row : rows) {
            QWidget *w = parents.value(QString::fromLatin1(row->name));
            if (w->focusPolicy() & Qt::TabFocus)
                chain.append(w);
            collect(row->name);
        }
    };
    collect("TabSheet1");
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    for (const ListHandler &row : ListHandlers)
        connect(this->*row.list, &QComboBox::activated, this,
                TApplication::handler(this, row.handler));
    // Runs on every change of state, from the user or from code.
    connect(CheckBox1, &QCheckBox::toggled, this,
            TApplication::handler(this, &TPrincipale::CheckBox1Click));
}

void TPrincipale::ResistorPageFirstStep() {
    CheckBox1->setChecked(false);
}

// The page's start-up, step by step in its fixed order; the tolerance list is
// refilled and the value line recomposed once more, as that order has them.
void TPrincipale::ResistorPageInit() {
    moveTop(Label2, Label1->y());
    moveTop(Label3, Label1->y());
    for (TColourComboBox *list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5})
        for (std::size_t row = 0; row < colourcode::BandPalette.size(); ++row)
            list->addEntry(fromView(colourcode::BandPalette[row].decimalText),
                           bandRingName(int(row)));
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
    setCaption(Label3, toleranceCaption(ColourCode.ToleranceText));
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
    setCaption(Label1, QString::fromStdString(ColourCode.ComposeValueText(!ComboBox3->isHidden())));
    UpdateBands();
    moveLeft(Label2, Label1->x() + Label1->width() + 1);
    moveLeft(Label3, Label2->x() + Label2->width() + 4);
    setCaption(Label3, toleranceCaption(ColourCode.ToleranceText));
}

void TPrincipale::UpdateBands() {
    for (const BandLink &link : DigitBands) {
        const int index = (this->*link.list)->currentIndex();
        if (index < 0)
            continue; // no selection: the band stays as it is
        const int row = index + link.firstRow;
        if (const auto band = colourcode::bandRow(row))
            paintBand(this->*link.shape, band->colour, bandRingName(row));
    }
    const int index = ComboBox5->currentIndex();
    if (const auto row = colourcode::toleranceRow(index)) {
        paintBand(Shape8, row->colour, toleranceRingName(index));
        if (ColourCode.ToleranceText != row->toleranceText)
            ColourCode.LookupTolerance(index);
    }
}

void TPrincipale::FillToleranceCombo() {
    ComboBox5->clear();
    for (std::size_t row = 0; row < colourcode::ToleranceTable.size(); ++row)
        ComboBox5->addEntry(fromView(colourcode::ToleranceTable[row].decimalText),
                            toleranceRingName(int(row)));
}
