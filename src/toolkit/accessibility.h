// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What screen readers are told about the program's own controls, in one place:
// the roles, names and values of the toolkit's classes, and which controls
// stay out of the accessible tree because they are only drawing or are read
// as part of another control.

class QWidget;

namespace tk {

// Installs the accessible interfaces of the toolkit's classes; the application
// object does it once, at its start.
void installAccessibility();

// A control left out of its parent's accessible children.
void setAccessibleHidden(QWidget *widget, bool hidden = true);
bool isAccessibleHidden(const QWidget *widget);

} // namespace tk
