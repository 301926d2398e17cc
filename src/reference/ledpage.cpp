// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED page of TPrincipale: the circuit picture, the supply toggle and the two
// tables of series resistors (direct and alternating supply) that share one place.

#include "app/tprincipale.h"
#include "reference/pagerows.h"
#include "toolkit/hints.h"
#include "toolkit/place.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tglyphbutton.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/timage.h"
#include "toolkit/tlabel.h"

#include <cstdlib>
#include <span>

using reference::Look;
using reference::PageRow;

namespace {

const char *const DirectCaption = "Alim. Continu";
const char *const AlternatingCaption = "Alim. Alternatif";
const char *const TableCaption = " Valeur de résistance (en ohms) ";
const char *const TableHint = "Les valeurs en brun correspondent à une valeur en ohms";

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

const char *const CircuitName = "Schéma du montage";
const char *const CircuitDescription =
    "Alimentation +VS en haut, courant IF traversant la résistance R puis la Led jusqu'à 0V en "
    "bas ; formule R = (VS − VF) / IF";

// The column of a table's cell: the header it stands under, or -1 for the row
// labels and marks.
int columnOf(const PageRow &row) {
    constexpr int HeaderLefts[] = {122, 175, 227, 280};
    constexpr int Slack = 3; // the alternating table's values stand a little apart
    for (int column = 0; column < 4; ++column)
        if (std::abs(row.left - HeaderLefts[column]) <= Slack)
            return column;
    return -1;
}

QString utf8(const char *text) {
    return QString::fromUtf8(text);
}

// One supply's table; the two share their caption and hint.
TGroupBox *tableBox(QWidget *page, const char *name, const QRect &geometry,
                    const char *spokenName) {
    auto *box = tk::place<TGroupBox>(page, name, geometry);
    box->setTitle(utf8(TableCaption));
    box->setAccessibleName(utf8(spokenName));
    tk::setHint(box, utf8(TableHint));
    tk::setShowHint(box, true);
    return box;
}

TLabel *sentence(QWidget *page, const char *name, QPoint at, const char *text) {
    return static_cast<TLabel *>(reference::addControl(
        page, {name, "TabSheet2", at.x(), at.y(), 0, 0, text, Look::Regular}));
}

} // namespace

void TPrincipale::buildLedPage() {
    QWidget *page = TabSheet2;

    AlimLed = tk::place<TGlyphButton>(page, "AlimLed", {8, 8, 100, 25});
    AlimLed->setText(utf8(DirectCaption));
    AlimLed->setNumGlyphs(2);
    AlimLed->setMargin(3);
    AlimLed->setGlyph(tk::loadBitmap(QStringLiteral("CONTINU")));
    tk::setHint(AlimLed, QStringLiteral("Bascule Alimentation continu/alternatif"));
    tk::setShowHint(AlimLed, true);
    connect(AlimLed, &QPushButton::clicked, this,
            TApplication::handler(this, &TPrincipale::AlimLedClick));

    // The picture arrives with FormCreate; its place and look are set here.
    Image1 = tk::place<TImage>(page, "Image1", {16, 56, 80, 120});
    Image1->setAutoSize(true);
    Image1->setCenter(true);
    Image1->setAccessibleName(utf8(CircuitName));
    Image1->setAccessibleDescription(utf8(CircuitDescription));

    GroupBox3 = tableBox(page, "GroupBox3", {120, 45, 345, 137},
                         "Valeur de résistance (en ohms), alimentation continue");
    // Its real place comes at start-up, on top of GroupBox3.
    GroupBox4 = tableBox(page, "GroupBox4", {144, 40, 345, 137},
                         "Valeur de résistance (en ohms), alimentation alternative");
    GroupBox4->hide();

    // Each table's cells by column, and its separator, kept for the supply
    // entry's column beside them.
    const std::span<const PageRow> tables[] = {DirectTable, AlternatingTable};
    for (int table = 0; table < 2; ++table)
        for (const PageRow &row : tables[table]) {
            QWidget *control = reference::addControl(page, row);
            if (row.look == Look::Separator)
                m_ledSeparators[table] = control;
            else if (const int column = columnOf(row); column >= 0)
                m_ledColumns[table][column] << control;
        }

    Label42 = sentence(page, "Label42", {28, 190},
                       "Le chiffre en brun correspond à la valeur de résistance qu'il faut ajouter "
                       "en série à la Led(+).");
    // Only with alternating supply.
    Label61 = sentence(page, "Label61", {69, 205},
                       "En courant alternatif, une diode 1N4148 doit être couplée en "
                       "antiparallèle.");
    Label61->hide();

    setTabOrder(AlimLed, GroupBox3);
    setTabOrder(GroupBox3, GroupBox4);
    buildSupplyEntryKeys();
}

void TPrincipale::ledPagePrepare() {
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
