// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A group box as the layout has them: a caption set into an etched frame (the
// classic style draws it). For screen readers it is a grouping named by its
// caption whose children leave out what is only drawing (tk::setAccessibleHidden).

#include <QGroupBox>

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget *parent = nullptr) : TGroupBox(QString(), parent) {}
    explicit TGroupBox(const QString &title, QWidget *parent = nullptr);
};
