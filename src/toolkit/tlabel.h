// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A label that, when auto-sizing, takes the size of its caption the moment the
// caption (or its font) is set, so that code placing other controls after it
// reads the new width.

#include <QLabel>

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }

    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }

    // Font helpers for the window's face: bold, pixel height, colour.
    enum class Weight { Regular, Bold };
    void setFontStyle(Weight weight, int pixelHeight = 11);
    void setFontColor(const QColor &color);

protected:
    // The size the caption takes; a label drawn with extras adds them here.
    virtual QSize captionSize() const;
    void changeEvent(QEvent *event) override;

private:
    void fitToCaption();

    bool m_autoSize = true;
};
