// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitance guide reads a capacitor's marking, methods of TPrincipale: the
// marking typed in an entry below the guide's rows, its capacitance in the
// guide's three columns as one more row. The entry and the answer are made when
// first opened and leave the guide as laid out when they close.

#include "app/tprincipale.h"

#include "colourcode/capacitancemarking.h"
#include "colourcode/valuereader.h"
#include "toolkit/eventhooks.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/tinlineentry.h"
#include "toolkit/tlabel.h"

#include <QTabWidget>

#include <algorithm>

namespace {

// The entry stands at the row's start, inset from the frame.
constexpr int EntryInset = 6;
constexpr int Gap = 4;

} // namespace

void TPrincipale::buildMarkingEntryKeys() {
    tk::onDoubleClick(GroupBox2, [this] { openMarkingEntry({}); });
}

void TPrincipale::buildMarkingEntry() {
    auto child = [this](const char *name) {
        return GroupBox2->findChild<TLabel *>(QLatin1String(name));
    };
    // One row further down the guide, at the rows' own step.
    const int step = child("GroupBox2Micro7")->y() - child("GroupBox2Micro6")->y();
    const int top = child("GroupBox2Micro7")->y() + step;
    const int firstColumn = child("GroupBox2Micro")->x();

    MarkingEntry = new TInlineEntry(GroupBox2);
    MarkingEntry->setObjectName(QStringLiteral("MarkingEntry"));
    MarkingEntry->setFrame(false);
    MarkingEntry->setMaxLength(colourcode::MaxTypedCharacters);
    MarkingEntry->setAccessibleName(QStringLiteral("Marquage à lire"));
    // A line of the guide's text and the entry's one-pixel margin above it:
    // the row is the last the box has room for. It reaches into the first
    // column as far as that column's usual answers leave room; a longer answer
    // moves right of it.
    const TLabel *above = child("GroupBox2Micro7");
    const int right = above->geometry().center().x() -
                      above->fontMetrics().horizontalAdvance(QStringLiteral("0,0000001")) / 2 - Gap;
    MarkingEntry->setGeometry(EntryInset, top - 1, right - EntryInset, above->height() + 1);

    auto answer = [&](const char *name) {
        auto *label = new TLabel(GroupBox2);
        label->setObjectName(QLatin1String(name));
        label->move(firstColumn, top);
        label->hide();
        return label;
    };
    MarkingMicro = answer("MarkingMicro");
    MarkingNano = answer("MarkingNano");
    MarkingPico = answer("MarkingPico");
    MarkingTolerance = answer("MarkingTolerance");
    MarkingReason = answer("MarkingReason");

    connect(MarkingEntry, &QLineEdit::textChanged, this, &TPrincipale::updateMarkingAnswer);
    connect(MarkingEntry, &TInlineEntry::closed, this, [this] {
        for (TLabel *label :
             {MarkingMicro, MarkingNano, MarkingPico, MarkingTolerance, MarkingReason})
            label->hide();
    });
}

void TPrincipale::openMarkingEntry(const QString &text) {
    if (!MarkingEntry)
        buildMarkingEntry();
    if (MarkingEntry->isOpen())
        return;
    MarkingEntry->open(text, false);
    updateMarkingAnswer();
}

void TPrincipale::updateMarkingAnswer() {
    const colourcode::MarkingAnswer answer =
        colourcode::answerMarking(MarkingEntry->text().toStdString());
    const bool refused = !answer.refusal.empty();
    MarkingReason->setCaption(QString::fromStdString(answer.refusal));
    MarkingReason->setVisible(refused);
    struct Cell {
        TLabel *label;
        const std::string &text;
        const char *above; // the guide's last row, in the same column
        const char *unit;
    };
    const Cell cells[] = {{MarkingMicro, answer.micro, "GroupBox2Micro7", "µF"},
                          {MarkingNano, answer.nano, "GroupBox2Nano7", "nF"},
                          {MarkingPico, answer.pico, "GroupBox2Pico7", "pF"}};
    QStringList spoken;
    for (const Cell &cell : cells) {
        // Centred under the row above, as the guide's rows stand.
        const QWidget *above = GroupBox2->findChild<QWidget *>(QLatin1String(cell.above));
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
    if (tolerance)
        spoken << MarkingTolerance->caption();
    MarkingEntry->announce(refused ? MarkingReason->caption() : spoken.join(QStringLiteral(", ")));
}
