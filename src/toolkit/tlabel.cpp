// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tlabel.h"

#include <QEvent>
#include <QFontMetrics>

TLabel::TLabel(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::setCaption(const QString &caption) {
    setText(caption);
    if (m_autoSize)
        fitToCaption();
}

void TLabel::setAutoSize(bool on) {
    m_autoSize = on;
    if (on)
        fitToCaption();
}

void TLabel::setFontStyle(Weight weight, int pixelHeight) {
    QFont f = font();
    f.setBold(weight == Weight::Bold);
    f.setPixelSize(pixelHeight);
    setFont(f);
}

void TLabel::setFontColor(const QColor &color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QSize TLabel::captionSize() const {
    const QFontMetrics fm(font());
    if (wordWrap())
        return {width(),
                fm.boundingRect(QRect(0, 0, width(), 10000), Qt::TextWordWrap, text()).height()};
    return {fm.horizontalAdvance(text()), fm.height()};
}

void TLabel::changeEvent(QEvent *event) {
    // A label is usually styled before it gets its caption, which fits it then.
    if (event->type() == QEvent::FontChange && m_autoSize && !text().isEmpty())
        fitToCaption();
    QLabel::changeEvent(event);
}

void TLabel::fitToCaption() {
    resize(captionSize());
}
