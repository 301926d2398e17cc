// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tstatusbar.h"

#include <QLabel>

namespace {
constexpr int PanelGap = 2;
constexpr int TopMargin = 2;
} // namespace

TStatusBar::TStatusBar(QWidget *parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Barre d'état"));
}

void TStatusBar::addPanel(int width, Qt::Alignment alignment) {
    auto *label = new QLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setIndent(2);
    label->setTextFormat(Qt::PlainText);
    m_panels.append({label, width});
    placePanels();
}

void TStatusBar::setPanelText(int index, const QString &text) {
    if (QLabel *label = panel(index))
        label->setText(text);
}

QString TStatusBar::panelText(int index) const {
    QLabel *label = panel(index);
    return label ? label->text() : QString();
}

QRect TStatusBar::panelRect(int index) const {
    QLabel *label = panel(index);
    return label ? label->geometry() : QRect();
}

void TStatusBar::resizeEvent(QResizeEvent *) {
    placePanels();
}

void TStatusBar::placePanels() {
    int x = 0;
    const int h = height() - TopMargin;
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        const bool last = i == m_panels.size() - 1;
        const int w = last ? qMax(0, width() - x) : m_panels[i].width;
        m_panels[i].label->setGeometry(x, TopMargin, w, h);
        x += w + PanelGap;
    }
}
