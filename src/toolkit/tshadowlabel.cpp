// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tshadowlabel.h"

#include <QPainter>

QSize TShadowLabel::captionSize() const {
    return TLabel::captionSize() + QSize(ShadowSize, ShadowSize);
}

void TShadowLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setFont(font());
    const QRect text(QPoint(0, 0), TLabel::captionSize());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(text, flags, this->text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text.translated(ShadowSize, ShadowSize), flags, this->text());
}
