// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitance guide reads a capacitor's marking, methods of TPrincipale: the
// marking typed in an entry below the guide's rows, its capacitance in the
// guide's three columns as one more row, its tolerance and voltage at the row's
// end.

#include "app/tprincipale.h"

#include "colourcode/typedtext.h"
#include "reference/capacitancemarking.h"
#include "toolkit/tbevel.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/tlabel.h"
#include "toolkit/tpageentry.h"

#include <algorithm>

namespace {

// The entry stands at the row's start, inset from the frame.
constexpr int EntryInset = 6;
constexpr int Gap = 4;

} // namespace

void TPrincipale::buildMarkingEntryKeys() {
    m_markingEntry = new TPageEntry(
        TabSheet3,
        {.accessibleName = QStringLiteral("Marquage à lire"),
         .container = GroupBox2,
         .begins =
             [](const QString &typed) { return reference::beginsMarking(typed.toStdString()); },
         .build = [this](TInlineEntry *entry) { buildMarkingEntry(entry); },
         .layOut =
             [this](TPageEntry::Layout layout) {
                 if (layout == TPageEntry::Layout::AtRest)
                     for (TLabel *label :
                          {MarkingMicro, MarkingNano, MarkingPico, MarkingTolerance, MarkingReason})
                         label->hide();
             },
         .answer = [this](const QString &text) { return markingAnswer(text); },
         // The answer is all there is to a marking.
         .enter = [](const QString &) {}});
    m_markingEntry->openOnDoubleClick(GroupBox2);
}

void TPrincipale::buildMarkingEntry(TInlineEntry *entry) {
    MarkingEntry = entry;
    const TLabel *above = m_guideBottomRow[0];
    // One row further down the guide, at the rows' own step.
    const int top = above->y() + m_guideRowStep;

    MarkingEntry->setObjectName(QStringLiteral("MarkingEntry"));
    MarkingEntry->setFrame(false);
    MarkingEntry->setMaxLength(colourcode::MaxTypedCharacters);
    // A line of the guide's text and the entry's one-pixel margin above it:
    // the row is the last the box has room for. It reaches into the first
    // column as far as that column's usual answers leave room; a longer answer
    // moves right of it.
    const int right = above->geometry().center().x() -
                      above->fontMetrics().horizontalAdvance(QStringLiteral("0,0000001")) / 2 - Gap;
    MarkingEntry->setGeometry(EntryInset, top - 1, right - EntryInset, above->height() + 1);

    auto answer = [&](const char *name) {
        auto *label = new TLabel(GroupBox2);
        label->setObjectName(QLatin1String(name));
        label->move(above->x(), top);
        label->hide();
        return label;
    };
    MarkingMicro = answer("MarkingMicro");
    MarkingNano = answer("MarkingNano");
    MarkingPico = answer("MarkingPico");
    MarkingTolerance = answer("MarkingTolerance");
    MarkingReason = answer("MarkingReason");
}

QString TPrincipale::markingAnswer(const QString &text) {
    const reference::MarkingAnswer answer = reference::answerMarking(text.toStdString());
    const bool refused = !answer.refusal.empty();
    MarkingReason->setCaption(QString::fromStdString(answer.refusal));
    MarkingReason->setVisible(refused);
    struct Cell {
        TLabel *label;
        const std::string &text;
        const char *unit;
    };
    const Cell cells[] = {{MarkingMicro, answer.micro, "µF"},
                          {MarkingNano, answer.nano, "nF"},
                          {MarkingPico, answer.pico, "pF"}};
    QStringList spoken;
    for (int column = 0; column < 3; ++column) {
        const Cell &cell = cells[column];
        // Centred under the row above, as the guide's rows stand.
        const QWidget *above = m_guideBottomRow[column];
        cell.label->setCaption(QString::fromStdString(cell.text));
        const int centred = above->geometry().center().x() - cell.label->width() / 2;
        cell.label->move(std::max(centred, MarkingEntry->geometry().right() + 1 + Gap),
                         cell.label->y());
        cell.label->setVisible(!refused);
        // A number alone says nothing to a screen reader: it hears the unit too.
        cell.label->setAccessibleName(cell.label->caption() + u' ' + QString::fromUtf8(cell.unit));
        spoken << cell.label->accessibleName();
    }
    MarkingTolerance->setCaption(QString::fromStdString(answer.tolerance));
    MarkingTolerance->move(GroupBox2->width() - EntryInset - MarkingTolerance->width(),
                           MarkingTolerance->y());
    const bool tolerance = !refused && !answer.tolerance.empty();
    MarkingTolerance->setVisible(tolerance);
    // A long picofarad answer gives way to the row's end, as far as its column's rule.
    if (tolerance)
        MarkingPico->move(
            std::max(std::min(MarkingPico->x(), MarkingTolerance->x() - Gap - MarkingPico->width()),
                     Bevel2->x() + Gap),
            MarkingPico->y());
    if (tolerance)
        spoken << MarkingTolerance->caption().replace(u'\u00B7', u',');
    return refused ? MarkingReason->caption() : spoken.join(QStringLiteral(", "));
}
