// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/timage.h"

#include "toolkit/resources.h"

#include <QPainter>

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::setPicture(const QPixmap &picture) {
    m_picture = picture;
    fitToPicture();
    update();
}

void TImage::setAutoSize(bool on) {
    m_autoSize = on;
    fitToPicture();
}

void TImage::fitToPicture() {
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
}

void TImage::setCenter(bool on) {
    m_center = on;
    update();
}

void TImage::setStretch(bool on) {
    m_stretch = on;
    update();
}

QRect TImage::pictureRect() const {
    if (m_picture.isNull())
        return {};
    if (m_stretch)
        return rect();
    const QSize size = m_picture.deviceIndependentSize().toSize();
    if (!m_center)
        return QRect(QPoint(0, 0), size);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TImage::paintEvent(QPaintEvent *) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    tk::prepareToDraw(painter, m_picture.devicePixelRatio());
    painter.drawPixmap(pictureRect(), m_picture);
}
