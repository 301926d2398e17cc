// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/tspeedbarbuttonaccessible.h"

#include "toolbar/tspeedbarbutton.h"
#include "toolkit/hints.h"

TSpeedbarButtonAccessible::TSpeedbarButtonAccessible(TSpeedbarButton *button)
    : QAccessibleWidget(button, QAccessible::Button) {}

TSpeedbarButton *TSpeedbarButtonAccessible::button() const {
    return static_cast<TSpeedbarButton *>(widget());
}

QString TSpeedbarButtonAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return button()->caption();
    case QAccessible::Description:
        return tk::hint(button());
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TSpeedbarButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->state() == TSpeedbarButton::State::Down;
    s.hotTracked = button()->isMouseInside();
    return s;
}

QStringList TSpeedbarButtonAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void TSpeedbarButtonAccessible::doAction(const QString &actionName) {
    if (actionName == pressAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface *TSpeedbarButtonAccessible::factory(const QString &className,
                                                         QObject *object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("TSpeedbarButton"))
        return new TSpeedbarButtonAccessible(static_cast<TSpeedbarButton *>(widget));
    if (className == QLatin1String("TSpeedBar"))
        return new QAccessibleWidget(widget, QAccessible::ToolBar);
    return nullptr;
}
