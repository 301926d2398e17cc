// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/hints.h"

#include <QVariant>
#include <QWidget>

namespace tk {

namespace {
constexpr const char *HintProperty = "tkHint";
constexpr const char *ShowHintProperty = "tkShowHint";
} // namespace

void setHint(QWidget *widget, const QString &hint) {
    // An unchanged hint would still announce itself as a change.
    if (widget->property(HintProperty).toString() == hint)
        return;
    widget->setProperty(HintProperty, hint);
    widget->setAccessibleDescription(hint);
}

QString hint(const QWidget *widget) {
    return widget->property(HintProperty).toString();
}

void setShowHint(QWidget *widget, bool show) {
    widget->setProperty(ShowHintProperty, show);
}

bool showsHint(const QWidget *widget) {
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(ShowHintProperty);
        if (v.isValid())
            return v.toBool();
    }
    return false;
}

QString hintFor(const QWidget *widget) {
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString h = hint(w);
        if (!h.isEmpty())
            return h;
    }
    return {};
}

} // namespace tk
