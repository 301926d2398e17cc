// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/eventhooks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>

namespace {

class EventHook : public QObject {
public:
    EventHook(QObject *watched, QEvent::Type type, std::function<bool(QEvent *)> handler)
        : QObject(watched), m_type(type), m_handler(std::move(handler)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        return event->type() == m_type && m_handler(event);
    }

private:
    QEvent::Type m_type;
    std::function<bool(QEvent *)> m_handler;
};

} // namespace

namespace tk {

void onEvent(QObject *watched, QEvent::Type type, std::function<bool(QEvent *)> handler) {
    new EventHook(watched, type, std::move(handler));
}

void onDoubleClick(QObject *watched, std::function<void()> action) {
    onEvent(watched, QEvent::MouseButtonDblClick, [action = std::move(action)](QEvent *event) {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        action();
        return true;
    });
}

QString typedCharacter(const QKeyEvent *event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = event->text();
    return text.size() == 1 && text.front().isPrint() && !text.front().isSpace() ? text : QString();
}

} // namespace tk
