// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A status bar with panels: each panel has a width and an alignment, the last one
// reaches the right end of the bar; no size grip. Panels are labels, so assistive
// technology reads what they show.

#include <QList>
#include <QWidget>

class QLabel;

class TStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit TStatusBar(QWidget *parent = nullptr);

    void addPanel(int width, Qt::Alignment alignment);
    int panelCount() const { return int(m_panels.size()); }
    void setPanelText(int index, const QString &text);
    QString panelText(int index) const;
    QRect panelRect(int index) const;
    QLabel *panel(int index) const { return m_panels.value(index).label; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePanels();

    struct Panel {
        QLabel *label;
        int width;
    };
    QList<Panel> m_panels;
};
