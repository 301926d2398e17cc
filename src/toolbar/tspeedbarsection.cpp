// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/tspeedbarsection.h"

TSpeedbarSection::TSpeedbarSection(const QString &caption, QObject *owner)
    : QObject(owner), m_caption(caption) {}
