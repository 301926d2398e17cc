// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tgroupbox.h"

TGroupBox::TGroupBox(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}
