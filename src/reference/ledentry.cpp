// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED page computes the series resistor, methods of TPrincipale: a supply
// and an LED typed in the entry beside AlimLed; the typed supply as one more
// column of the table shown, its columns closing up while the entry is open; the
// currents, power and rating on the sentence's lines under the table. Enter
// takes the resistor to the colour-code page.

#include "app/tprincipale.h"

#include "colourcode/typedtext.h"
#include "reference/ledresistor.h"
#include "reference/pagerows.h"
#include "toolkit/tglyphbutton.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/tlabel.h"
#include "toolkit/tpageentry.h"

namespace {

// While the entry is open the card's four columns close up by these many
// pixels each, making room for the typed supply's column.
constexpr int CloseUp[] = {10, 20, 29, 39};
constexpr int SupplyColumnLeft = 290;
// The separator runs under the supply's column too when its values are the
// rows' own; the table's inner right edge ends it.
constexpr int TableInset = 6;

QString utf8(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

void TPrincipale::buildSupplyEntryKeys() {
    m_supplyEntry = new TPageEntry(
        TabSheet2,
        {.accessibleName = QStringLiteral("Tension d'alimentation"),
         .container = TabSheet2,
         .begins =
             [](const QString &typed) { return reference::beginsLedQuestion(typed.toStdString()); },
         .build = [this](TInlineEntry *entry) { buildSupplyEntry(entry); },
         .layOut = [this](TPageEntry::Layout layout) { layOutSupplyEntry(layout); },
         .answer = [this](const QString &text) { return supplyAnswer(text); },
         .enter = [this](const QString &text) { acceptSupplyEntry(text); }});
    m_supplyEntry->openOnDoubleClick(GroupBox3);
    m_supplyEntry->openOnDoubleClick(GroupBox4);
}

void TPrincipale::buildSupplyEntry(TInlineEntry *entry) {
    SupplyEntry = entry;
    SupplyEntry->setObjectName(QStringLiteral("SupplyEntry"));
    SupplyEntry->setMaxLength(colourcode::MaxTypedCharacters);
    // Beside AlimLed, over the table's width.
    const int height = SupplyEntry->sizeHint().height();
    SupplyEntry->setGeometry(GroupBox3->x(), AlimLed->geometry().center().y() - height / 2 + 1,
                             GroupBox3->width(), height);

    // The supply's column, in the card's looks, on the lines of the last column's
    // header and values; each answer puts it in the table shown.
    const QList<QWidget *> &last = m_ledColumns[0][3];
    auto cell = [this](const char *name, const QWidget *beside, reference::Look look) {
        auto *made = static_cast<TLabel *>(reference::addControl(
            TabSheet2, {name, "GroupBox3", SupplyColumnLeft, beside->y(), 0, 0, "", look}));
        made->hide();
        return made;
    };
    SupplyColumn = cell("SupplyColumn", last[0], reference::Look::Bold);
    SupplyFirstValue = cell("SupplyFirstValue", last[1], reference::Look::Maroon);
    SupplySecondValue = cell("SupplySecondValue", last[2], reference::Look::Maroon);
    m_supplyRowTops = {SupplyFirstValue->y(), SupplySecondValue->y()};
    // On the lines of the page's two sentences, as wide as the page leaves them.
    auto details = [this](const char *name, const TLabel *line) {
        auto *made = new TLabel(TabSheet2);
        made->setObjectName(QLatin1String(name));
        made->setAutoSize(false);
        made->setWordWrap(true);
        made->setGeometry(line->x(), line->y(), TabSheet2->width() - 2 * Label42->x(),
                          line->height());
        made->hide();
        return made;
    };
    SupplyFirstDetails = details("SupplyFirstDetails", Label42);
    SupplySecondDetails = details("SupplySecondDetails", Label61);
}

void TPrincipale::layOutSupplyEntry(TPageEntry::Layout layout) {
    const bool open = layout == TPageEntry::Layout::EntryOpen;
    for (auto &table : m_ledColumns)
        for (int column = 0; column < 4; ++column)
            for (QWidget *cell : table[column])
                cell->move(cell->x() + (open ? -CloseUp[column] : CloseUp[column]), cell->y());
    if (open)
        m_ledSeparatorWidth = m_ledSeparators[0]->width();
    for (QWidget *separator : m_ledSeparators)
        separator->resize(m_ledSeparatorWidth, separator->height());
    Label42->setVisible(!open);
    Label61->setVisible(!open && !GroupBox4->isHidden());
    if (!open)
        for (TLabel *label : {SupplyColumn, SupplyFirstValue, SupplySecondValue, SupplyFirstDetails,
                              SupplySecondDetails})
            label->hide();
}

QString TPrincipale::supplyAnswer(const QString &text) {
    const reference::Supply shown = ledSupplyShown();
    const reference::LedAnswer answer = reference::answerLed(text.toStdString(), shown);
    if (answer.refusal.empty() && answer.supply != shown) {
        // "=" or "~" typed: the mode as a click of the switch sets it, the
        // sentences' lines staying the answer's.
        AlimLed->click();
        Label61->hide();
    }
    TGroupBox *table = GroupBox4->isHidden() ? GroupBox3 : GroupBox4;
    QWidget *separator = m_ledSeparators[table == GroupBox4];
    const bool refused = !answer.refusal.empty();
    const bool twoRows = !refused && answer.cardRows;
    for (TLabel *label : {SupplyColumn, SupplyFirstValue, SupplySecondValue})
        if (label->parentWidget() != table) {
            label->setParent(table);
            label->raise();
        }
    SupplyColumn->setCaption(refused ? QString() : utf8(reference::columnHeader(answer)));
    SupplyColumn->setVisible(!refused);
    if (!refused)
        SupplyFirstValue->setCaption(utf8(colourcode::frenchNumber(answer.rows[0].above.ohms)));
    // A named LED's value belongs to neither row: it stands between them.
    const auto [firstTop, secondTop] = m_supplyRowTops;
    SupplyFirstValue->move(SupplyColumnLeft, twoRows ? firstTop : (firstTop + secondTop) / 2);
    SupplyFirstValue->setVisible(!refused);
    if (twoRows)
        SupplySecondValue->setCaption(utf8(colourcode::frenchNumber(answer.rows[1].above.ohms)));
    SupplySecondValue->setVisible(twoRows);
    // Under the supply's column too where its values are the rows' own; under
    // the card's closed-up columns alone where the value is a named LED's.
    separator->resize(twoRows ? table->width() - TableInset - separator->x()
                              : m_ledSeparatorWidth - CloseUp[3],
                      separator->height());

    // One row's details may take both lines; two rows take one each.
    const reference::Warning warning =
        twoRows ? reference::Warning::Brief : reference::Warning::Full;
    SupplyFirstDetails->setCaption(refused ? utf8(answer.refusal)
                                           : utf8(reference::rowDetails(answer.rows[0], warning)));
    SupplyFirstDetails->resize(SupplyFirstDetails->width(),
                               (twoRows ? 1 : 2) * Label42->height() +
                                   (twoRows ? 0 : Label61->y() - Label42->geometry().bottom() - 1));
    SupplyFirstDetails->show();
    if (twoRows)
        SupplySecondDetails->setCaption(utf8(reference::rowDetails(answer.rows[1], warning)));
    SupplySecondDetails->setVisible(twoRows);
    return utf8(reference::spokenAnswer(answer));
}

void TPrincipale::acceptSupplyEntry(const QString &text) {
    const reference::LedAnswer answer = reference::answerLed(text.toStdString(), ledSupplyShown());
    if (!answer.refusal.empty())
        return; // the details say why
    m_supplyEntry->dismiss();
    takeResistance(utf8(colourcode::frenchNumber(answer.rows[0].above.ohms)));
}

reference::Supply TPrincipale::ledSupplyShown() const {
    return GroupBox4->isHidden() ? reference::Supply::Direct : reference::Supply::Alternating;
}
