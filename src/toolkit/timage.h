// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture control: shows a bitmap unscaled, centred, or stretched to its size;
// with auto-size it takes the size of its picture.

#include <QPixmap>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }

    void setAutoSize(bool on);
    void setCenter(bool on);
    void setStretch(bool on);

    // Where the picture lands inside the control.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToPicture();

    QPixmap m_picture;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_stretch = false;
};
