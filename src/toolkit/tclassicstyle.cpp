// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tclassicstyle.h"

#include "toolkit/devicepixels.h"

#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace {
constexpr int CaptionLeft = 8;
} // namespace

TClassicStyle::TClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int TClassicStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const {
    if (hint == SH_ComboBox_Popup)
        return 0;
    if (hint == SH_ComboBox_ListMouseTracking)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QPalette TClassicStyle::standardPalette() const {
    const QColor face(239, 239, 239);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    QPalette p(Qt::black, face, face.lighter(150), dark, mid, Qt::black, Qt::white);
    p.setColor(QPalette::Midlight, mid.lighter(110));
    p.setColor(QPalette::Shadow, dark.darker(135));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(48, 140, 198));
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    p.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(QPalette::ToolTipText, Qt::black);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    p.setColor(QPalette::PlaceholderText, placeholder);
    const QColor disabledText(190, 190, 190);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    p.setColor(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return p;
}

QRect TClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                    SubControl sub, const QWidget *widget) const {
    if (control == CC_GroupBox) {
        if (const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option)) {
            const QFontMetrics &fm = option->fontMetrics;
            const int textHeight = fm.height();
            switch (sub) {
            case SC_GroupBoxFrame:
                return option->rect.adjusted(0, textHeight / 2, 0, 0);
            case SC_GroupBoxLabel: {
                const QSize text = fm.size(Qt::TextShowMnemonic, box->text);
                return QRect(option->rect.left() + CaptionLeft, option->rect.top(), text.width(),
                             textHeight);
            }
            case SC_GroupBoxContents:
                return option->rect.adjusted(2, textHeight, -2, -2);
            case SC_GroupBoxCheckBox:
                return {};
            default:
                break;
            }
        }
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

void TClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                       QPainter *painter, const QWidget *widget) const {
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->save();
    // An etched line: a dark rectangle with a light one one pixel inside and down.
    if (!box->text.isEmpty())
        painter->setClipRegion(QRegion(option->rect).subtracted(label));
    const QColor dark = option->palette.color(QPalette::Dark);
    const QColor light = option->palette.color(QPalette::Light);
    tk::frameSnapped(*painter, frame.adjusted(0, 0, -1, -1), dark, dark);
    tk::frameSnapped(*painter, frame.adjusted(1, 1, 0, 0), light, light);
    painter->setClipping(false);
    if (!box->text.isEmpty()) {
        drawItemText(painter, label, Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignVCenter,
                     option->palette, option->state & State_Enabled, box->text,
                     QPalette::WindowText);
    }
    painter->restore();
}
