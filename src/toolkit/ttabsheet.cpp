// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/ttabsheet.h"

void TTabSheet::buildNow() {
    if (!m_build)
        return;
    // Cleared first: the build runs once, even if it asks again.
    const std::function<void()> build = std::move(m_build);
    m_build = nullptr;
    build();
}

void TTabSheet::setVisible(bool visible) {
    // Built before the page and its children show, so they show together.
    if (visible)
        buildNow();
    QWidget::setVisible(visible);
}
