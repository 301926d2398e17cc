// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A label drawn twice: first its shadow in the button-highlight colour at the text
// origin, then the text in its font colour one pixel right and down. It takes the
// size of its text plus the shadow.

#include "toolkit/tlabel.h"

class TShadowLabel : public TLabel {
    Q_OBJECT
public:
    explicit TShadowLabel(QWidget *parent = nullptr) : TLabel(parent) {}

    static constexpr int ShadowSize = 1;

    QSize sizeHint() const override { return captionSize(); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    QSize captionSize() const override;
    void paintEvent(QPaintEvent *event) override;
};
