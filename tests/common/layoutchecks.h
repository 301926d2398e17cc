// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every fixed layout must hold, whatever its rows say: labels as large as
// their text and no larger, inside their box, apart from each other.

#include "toolkit/tlabel.h"

#include <QTest>
#include <algorithm>

namespace layout {

// The box's labels as they are read: line by line, then left to right.
inline QList<TLabel *> labelsOf(const QWidget *box) {
    QList<TLabel *> labels = box->findChildren<TLabel *>(Qt::FindDirectChildrenOnly);
    std::sort(labels.begin(), labels.end(), [](const TLabel *a, const TLabel *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return labels;
}

inline QStringList textsOf(const QList<TLabel *> &labels) {
    QStringList texts;
    for (const TLabel *label : labels)
        texts << label->text();
    return texts;
}

// One line of text exactly, or a word-wrapped box that holds its text.
inline bool holdsItsText(const TLabel *label) {
    const QFontMetrics fm = label->fontMetrics();
    if (!label->wordWrap())
        return label->size() == QSize(fm.horizontalAdvance(label->text()), fm.height());
    const QRect needed =
        fm.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    return needed.width() <= label->width() && needed.height() <= label->height();
}

// Every control inside its parent and clear of every other one.
inline void expectApart(const QList<QWidget *> &controls) {
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget *a = controls[i];
        QVERIFY2(a->parentWidget()->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!a->geometry().intersects(controls[j]->geometry()),
                     qPrintable(a->objectName() + u' ' + controls[j]->objectName()));
    }
}

} // namespace layout
