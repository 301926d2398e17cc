// The LED page of TPrincipale: the circuit picture, the supply toggle and the two
// tables of series resistors (direct and alternating supply) that share one place.

#include "app/tprincipale.h"
#include "reference/pagerows.h"
#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tglyphbutton.h"
#include "toolkit/timage.h"
#include "toolkit/tlabel.h"

#include <QGroupBox>

using reference::Look;
using reference::PageRow;

namespace {

const char *const DirectCaption = "Alim. Continu";
const char *const AlternatingCaption = "Alim. Alternatif";
const char *const TableCaption = " Valeur de résistance (en ohms) ";
const char *const TableHint = "Les valeurs en brun correspondent à une valeur en ohms";

struct BoxRow {
    QGroupBox *TPrincipale::*member;
    const char *name;
    int left, top, width, height;
    bool visible;
    const char *accessibleName;
};

// GroupBox4 only gets its real place at start-up, on top of GroupBox3.
const BoxRow BoxRows[] = {
    {&TPrincipale::GroupBox3, "GroupBox3", 120, 45, 345, 137, true,
     "Valeur de résistance (en ohms), alimentation continue"},
    {&TPrincipale::GroupBox4, "GroupBox4", 144, 40, 345, 137, false,
     "Valeur de résistance (en ohms), alimentation alternative"},
};

// The two tables, in reading order so that assistive technology reads them as
// they are seen. The alternating table's last two value columns stand a little
// apart from the headers.
const PageRow DirectTable[] = {
    {"GroupBox3Volts1", "GroupBox3", 122, 20, 0, 0, "5 V=", Look::Bold},
    {"GroupBox3Volts2", "GroupBox3", 175, 20, 0, 0, "12 V=", Look::Bold},
    {"GroupBox3Volts3", "GroupBox3", 227, 20, 0, 0, "15 V=", Look::Bold},
    {"GroupBox3Volts4", "GroupBox3", 280, 20, 0, 0, "24 V=", Look::Bold},
    {"GroupBox3RedMark", "GroupBox3", 16, 42, 13, 13, "Pastille rouge", Look::RedMark},
    {"GroupBox3Red", "GroupBox3", 33, 42, 0, 0, "Led rouge", Look::Bold},
    {"GroupBox3RedCurrent", "GroupBox3", 40, 56, 0, 0, "10 mA", Look::Regular},
    {"GroupBox3RedValue1", "GroupBox3", 122, 42, 0, 0, "270", Look::Maroon},
    {"GroupBox3RedValue2", "GroupBox3", 175, 42, 0, 0, "1000", Look::Maroon},
    {"GroupBox3RedValue3", "GroupBox3", 227, 42, 0, 0, "1200", Look::Maroon},
    {"GroupBox3RedValue4", "GroupBox3", 280, 42, 0, 0, "2200", Look::Maroon},
    {"GroupBox3Separator", "GroupBox3", 112, 72, 209, 9, "", Look::Separator},
    {"GroupBox3GreenMark", "GroupBox3", 16, 90, 13, 13, "Pastille verte", Look::LimeMark},
    {"GroupBox3Green", "GroupBox3", 33, 84, 72, 26, "Led verte, jaune/ambre", Look::Bold},
    {"GroupBox3GreenCurrent", "GroupBox3", 40, 112, 0, 0, "20 mA", Look::Regular},
    {"GroupBox3GreenValue1", "GroupBox3", 122, 90, 0, 0, "120", Look::Maroon},
    {"GroupBox3GreenValue2", "GroupBox3", 175, 90, 0, 0, "470", Look::Maroon},
    {"GroupBox3GreenValue3", "GroupBox3", 227, 90, 0, 0, "560", Look::Maroon},
    {"GroupBox3GreenValue4", "GroupBox3", 280, 90, 0, 0, "1000", Look::Maroon},
};

const PageRow AlternatingTable[] = {
    {"GroupBox4Volts1", "GroupBox4", 122, 20, 0, 0, "6 V~", Look::Bold},
    {"GroupBox4Volts2", "GroupBox4", 175, 20, 0, 0, "12 V~", Look::Bold},
    {"GroupBox4Volts3", "GroupBox4", 227, 20, 0, 0, "24 V~", Look::Bold},
    {"GroupBox4Volts4", "GroupBox4", 280, 20, 0, 0, "115 V~", Look::Bold},
    {"GroupBox4RedMark", "GroupBox4", 16, 42, 13, 13, "Pastille rouge", Look::RedMark},
    {"GroupBox4Red", "GroupBox4", 33, 42, 0, 0, "Led rouge", Look::Bold},
    {"GroupBox4RedCurrent", "GroupBox4", 40, 56, 0, 0, "20 mA", Look::Regular},
    {"GroupBox4RedValue1", "GroupBox4", 122, 42, 0, 0, "180", Look::Maroon},
    {"GroupBox4RedValue2", "GroupBox4", 175, 42, 0, 0, "470", Look::Maroon},
    {"GroupBox4RedValue3", "GroupBox4", 225, 42, 0, 0, "1000", Look::Maroon},
    {"GroupBox4RedValue4", "GroupBox4", 283, 42, 0, 0, "5600", Look::Maroon},
    {"GroupBox4Separator", "GroupBox4", 112, 72, 209, 9, "", Look::Separator},
    {"GroupBox4GreenMark", "GroupBox4", 16, 90, 13, 13, "Pastille verte", Look::LimeMark},
    {"GroupBox4Green", "GroupBox4", 33, 84, 72, 26, "Led verte, jaune/ambre", Look::Bold},
    {"GroupBox4GreenCurrent", "GroupBox4", 40, 112, 0, 0, "40 mA", Look::Regular},
    {"GroupBox4GreenValue1", "GroupBox4", 122, 90, 0, 0, "100", Look::Maroon},
    {"GroupBox4GreenValue2", "GroupBox4", 175, 90, 0, 0, "270", Look::Maroon},
    {"GroupBox4GreenValue3", "GroupBox4", 225, 90, 0, 0, "560", Look::Maroon},
    {"GroupBox4GreenValue4", "GroupBox4", 283, 90, 0, 0, "3300", Look::Maroon},
};

// The two sentences under the table; the second one only with alternating supply.
struct SentenceRow {
    TLabel *TPrincipale::*member;
    PageRow label;
    bool visible;
};

const SentenceRow SentenceRows[] = {
    {&TPrincipale::Label42,
     {"Label42", "TabSheet2", 28, 190, 0, 0,
      "Le chiffre en brun correspond à la valeur de résistance qu'il faut ajouter en série à la "
      "Led(+).",
      Look::Regular},
     true},
    {&TPrincipale::Label61,
     {"Label61", "TabSheet2", 69, 205, 0, 0,
      "En courant alternatif, une diode 1N4148 doit être couplée en antiparallèle.", Look::Regular},
     false},
};

const char *const CircuitName = "Schéma du montage";
const char *const CircuitDescription =
    "Alimentation +VS en haut, courant IF traversant la résistance R puis la Led jusqu'à 0V en "
    "bas ; formule R = (VS − VF) / IF";

QString utf8(const char *text) {
    return QString::fromUtf8(text);
}

} // namespace

void TPrincipale::buildLedPage() {
    QWidget *page = TabSheet2;

    AlimLed = new TGlyphButton(page);
    AlimLed->setObjectName(QStringLiteral("AlimLed"));
    AlimLed->setGeometry(8, 8, 100, 25);
    AlimLed->setText(utf8(DirectCaption));
    AlimLed->setNumGlyphs(2);
    AlimLed->setMargin(3);
    AlimLed->setGlyph(tk::loadBitmap(QStringLiteral("CONTINU")));
    tk::setHint(AlimLed, QStringLiteral("Bascule Alimentation continu/alternatif"));
    tk::setShowHint(AlimLed, true);
    connect(AlimLed, &QPushButton::clicked, this,
            TApplication::handler(this, &TPrincipale::AlimLedClick));

    // The picture arrives with FormCreate; its place and look are set here.
    Image1 = new TImage(page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 56, 80, 120);
    Image1->setAutoSize(true);
    Image1->setCenter(true);
    Image1->setAccessibleName(utf8(CircuitName));
    Image1->setAccessibleDescription(utf8(CircuitDescription));

    for (const BoxRow &row : BoxRows) {
        auto *box = new QGroupBox(utf8(TableCaption), page);
        box->setObjectName(QString::fromLatin1(row.name));
        box->setGeometry(row.left, row.top, row.width, row.height);
        box->setAccessibleName(utf8(row.accessibleName));
        tk::setHint(box, utf8(TableHint));
        tk::setShowHint(box, true);
        box->setVisible(row.visible);
        this->*row.member = box;
    }

    for (const PageRow &row : DirectTable)
        reference::addControl(page, row);
    for (const PageRow &row : AlternatingTable)
        reference::addControl(page, row);

    for (const SentenceRow &row : SentenceRows) {
        auto *label = static_cast<TLabel *>(reference::addControl(page, row.label));
        label->setVisible(row.visible);
        this->*row.member = label;
    }

    setTabOrder(AlimLed, GroupBox3);
    setTabOrder(GroupBox3, GroupBox4);
}

void TPrincipale::LedPagePrepare() {
    GroupBox4->move(GroupBox4->x(), GroupBox3->y());
    GroupBox4->move(GroupBox3->x(), GroupBox4->y());
    Image1->setPicture(tk::loadBitmap(QStringLiteral("IMAGE")));
}

// The caption names the mode shown; a click switches to the other one.
void TPrincipale::AlimLedClick() {
    if (AlimLed->text() == utf8(DirectCaption)) {
        AlimLed->setText(utf8(AlternatingCaption));
        AlimLed->setGlyph(tk::loadBitmap(QStringLiteral("ALTERNATIF")));
        GroupBox3->hide();
        GroupBox4->show();
        Label61->show();
    } else {
        AlimLed->setText(utf8(DirectCaption));
        AlimLed->setGlyph(tk::loadBitmap(QStringLiteral("CONTINU")));
        GroupBox3->show();
        GroupBox4->hide();
        Label61->hide();
    }
}
