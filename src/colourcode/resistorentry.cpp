// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor page read both ways, methods of TPrincipale: a value typed in the
// "Valeur" box becomes the page's selection, and Ctrl+C copies the reading. The
// entry is made when first opened and leaves the box as laid out when it closes;
// what it selects goes through the lists' own handlers, as picks by the user.

#include "app/tprincipale.h"

#include "colourcode/bandselection.h"
#include "colourcode/typedtext.h"
#include "colourcode/valuereader.h"
#include "toolkit/tapplication.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/tlabel.h"
#include "toolkit/tpageentry.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>
#include <QTabWidget>

namespace {

// How far the entry's frame and margin set its text in from its left edge, so
// that typed text starts where the value line does.
constexpr int EntryTextInset = 4;
constexpr int PreviewGap = 2;

// What a pick by the user does: the entry becomes current, then the list tells.
void pickEntry(TColourComboBox *list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace

void TPrincipale::buildValueEntryKeys() {
    m_valueEntry = new TPageEntry(
        TabSheet1,
        {.accessibleName = QStringLiteral("Valeur à saisir"),
         .container = GroupBox1,
         .begins =
             [](const QString &typed) { return colourcode::beginsValue(typed.toStdString()); },
         .build = [this](TInlineEntry *entry) { buildValueEntry(entry); },
         .layOut =
             [this](TPageEntry::Layout layout) {
                 const bool open = layout == TPageEntry::Layout::EntryOpen;
                 for (TLabel *label : {Label1, Label2, Label3})
                     label->setVisible(!open);
                 ValuePreview->setVisible(open);
                 if (!open)
                     ValueCode->hide();
             },
         .answer = [this](const QString &text) { return valuePreview(text); },
         .enter = [this](const QString &text) { acceptValueEntry(text); },
         .restingText =
             [this] {
                 return QString::fromStdString(colourcode::entryNotation(bandSelection()));
             }});
    m_valueEntry->openOnDoubleClick(GroupBox1);
    auto *copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, [this] {
        if (PageControl1->currentWidget() == TabSheet1)
            copyReading();
    });
}

void TPrincipale::buildValueEntry(TInlineEntry *entry) {
    ValueEntry = entry;
    ValueEntry->setObjectName(QStringLiteral("ValueEntry"));
    ValueEntry->setFont(Label1->font());
    ValueEntry->setMaxLength(colourcode::MaxTypedCharacters);
    const int height = ValueEntry->sizeHint().height();
    const int left = Label1->x() - EntryTextInset;
    ValueEntry->setGeometry(left, Label1->y() + (Label1->height() - height) / 2,
                            GroupBox1->width() - 2 * left, height);

    ValuePreview = new TLabel(GroupBox1);
    ValuePreview->setObjectName(QStringLiteral("ValuePreview"));
    ValuePreview->setAutoSize(false);
    ValuePreview->setWordWrap(true);
    const int top = ValueEntry->geometry().bottom() + 1 + PreviewGap;
    ValuePreview->setGeometry(Label1->x(), top, GroupBox1->width() - 2 * Label1->x(),
                              GroupBox1->contentsRect().bottom() - top);
    ValuePreview->hide();

    // What digits mean printed on a surface-mount part, between the box's
    // caption and the entry.
    ValueCode = new TLabel(GroupBox1);
    ValueCode->setObjectName(QStringLiteral("ValueCode"));
    const int captionBottom = GroupBox1->contentsRect().top();
    ValueCode->move(Label1->x(),
                    captionBottom +
                        (ValueEntry->y() - captionBottom - ValueCode->fontMetrics().height()) / 2);
    ValueCode->hide();
}

QString TPrincipale::valuePreview(const QString &text) {
    const colourcode::EntryPlan plan = colourcode::planEntry(text.toStdString(), bandSelection());
    const QString preview = QString::fromStdString(plan.preview);
    ValuePreview->setCaption(preview);
    // Spoken with the ohm sign as the word, as the value line is.
    QString spoken = preview;
    spoken.remove(u'\u2192').replace(u'\n', QStringLiteral(", "));
    spoken = spoken.replace(u'\u03A9', QStringLiteral(" ohm ")).simplified();
    ValuePreview->setAccessibleName(spoken);
    QAccessibleEvent nameChanged(ValuePreview, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    const QString code = QString::fromStdString(plan.printedCode);
    ValueCode->setCaption(code);
    ValueCode->setVisible(!code.isEmpty());
    if (code.isEmpty())
        return spoken;
    return spoken + QStringLiteral(", ") +
           QString(code).replace(u'\u03A9', QStringLiteral(" ohm ")).simplified();
}

void TPrincipale::acceptValueEntry(const QString &text) {
    const colourcode::EntryPlan plan = colourcode::planEntry(text.toStdString(), bandSelection());
    if (!plan.bands)
        return; // the preview says why
    m_valueEntry->dismiss();
    selectBands(*plan.bands);
}

void TPrincipale::takeResistance(const QString &text) {
    BarreResistanceClick();
    const colourcode::EntryPlan plan = colourcode::planEntry(text.toStdString(), bandSelection());
    if (plan.bands)
        selectBands(*plan.bands);
    else // the page cannot show it: the entry says why
        m_valueEntry->openHolding(text);
}

colourcode::BandSelection TPrincipale::bandSelection() const {
    colourcode::BandSelection bands;
    bands.fiveBands = !ComboBox3->isHidden();
    bands.first = ComboBox1->currentIndex();
    bands.second = ComboBox2->currentIndex();
    bands.third = bands.fiveBands ? ComboBox3->currentIndex() : 0;
    bands.multiplier = ComboBox4->currentIndex();
    bands.tolerance = ComboBox5->currentIndex();
    return bands;
}

void TPrincipale::selectBands(const colourcode::BandSelection &bands) {
    if (bands.fiveBands == ComboBox3->isHidden())
        CheckBox1->click();
    pickEntry(ComboBox1, bands.first);
    pickEntry(ComboBox2, bands.second);
    if (bands.fiveBands)
        pickEntry(ComboBox3, bands.third);
    pickEntry(ComboBox4, bands.multiplier);
    pickEntry(ComboBox5, bands.tolerance);
}

void TPrincipale::copyReading() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(colourcode::readingText(bandSelection())));
}
