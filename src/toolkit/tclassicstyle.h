#pragma once
// The program's style: Fusion, but with group boxes drawn the classic way, the
// caption set into an etched frame line, as the fixed layouts expect (their
// children are placed under a frame that starts half a caption down).

#include <QProxyStyle>

class TClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    TClassicStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
};
