// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help viewer as a test sees it: the book the build puts beside the program,
// the viewers on the screen, the page shown, and the viewer's problem boxes
// answered as a user would.

#include "common/modal.h"
#include "help/thelpviewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

// The book as the build puts it beside the program.
inline QString builtBookFolder() {
    return QFileInfo(QStringLiteral(CHROMOHM_BINARY)).absolutePath();
}

inline QString pageName(const THelpViewer *viewer) {
    return QFileInfo(viewer->currentPage().toLocalFile()).fileName();
}

inline QList<THelpViewer *> visibleViewers() {
    QList<THelpViewer *> result;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *v = qobject_cast<THelpViewer *>(w); v && v->isVisible())
            result.append(v);
    return result;
}

// Answers the viewer's message boxes as a user would, keeping what they said.
class ProblemBoxes {
public:
    QStringList texts;

private:
    void answer(QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box || box->objectName() != u"HelpProblem")
            return;
        texts.append(box->text());
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }
    EveryModal m_answers{[this](QWidget *modal) { answer(modal); }};
};
