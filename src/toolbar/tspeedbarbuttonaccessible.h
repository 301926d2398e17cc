// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How assistive tools see the toolbar: each button as a push button named by its
// caption, described by its hint and pressable; the bar as a tool bar.

#include <QAccessibleWidget>

class TSpeedbarButton;

class TSpeedbarButtonAccessible : public QAccessibleWidget {
public:
    explicit TSpeedbarButtonAccessible(TSpeedbarButton *button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // For QAccessible::installFactory: the buttons and the bar.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    TSpeedbarButton *button() const;
};
