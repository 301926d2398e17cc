// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Hint texts on controls: one hint per control, shown in the status bar for the
// control under the pointer (or its nearest ancestor with a hint), and as a
// tooltip where the control asks for it and the application's hint display is on.

#include <QString>

class QWidget;

namespace tk {

void setHint(QWidget *widget, const QString &hint);
QString hint(const QWidget *widget);

// Tooltips: a control that never sets this takes its parent's setting.
void setShowHint(QWidget *widget, bool show);
bool showsHint(const QWidget *widget);

// The hint of the widget or of its nearest ancestor that has one; empty if none.
QString hintFor(const QWidget *widget);

} // namespace tk
