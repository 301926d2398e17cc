// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's style: Fusion, but with group boxes drawn the classic way, the
// caption set into an etched frame line, as the fixed layouts expect (their
// children are placed under a frame that starts half a caption down). Its
// palette is its own light one, whatever the desktop's: the layouts fix black
// and maroon texts and a light wallpaper, which a dark palette would put on
// dark ground.

#include <QProxyStyle>

class TClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    TClassicStyle();

    // Light grey faces, white fields, black text, as the layouts were made for.
    QPalette standardPalette() const override;
    // A combo box's list drops down below it, at most its drop-down count of
    // entries, where Fusion would lay all entries over the control; the
    // highlight follows the pointer.
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
};
