// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Creating the controls of a fixed layout: one call per control, with its given
// name and its place in its parent, in the parent's pixels.

#include <QRect>
#include <QString>
#include <QWidget>

namespace tk {

template <class T> T *place(QWidget *parent, const char *name, const QRect &geometry) {
    auto *control = new T(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace tk
