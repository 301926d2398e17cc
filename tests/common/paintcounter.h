// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Counts the paint events that reach widgets, watching the whole application.

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QObject>

class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    int count(const QObject *widget) const { return m_counts.value(widget); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++m_counts[watched];
        return false;
    }

private:
    QHash<const QObject *, int> m_counts;
};
