// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/alignment.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace tk {

namespace {
constexpr const char *AlignProperty = "tkAlign";
constexpr const char *HostProperty = "tkAlignHost";
} // namespace

void setAlign(QWidget *widget, Align align) {
    widget->setProperty(AlignProperty, int(align));
    if (QWidget *parent = widget->parentWidget())
        if (AlignHost *host = AlignHost::of(parent))
            host->realign();
}

Align alignOf(const QWidget *widget) {
    const QVariant v = widget->property(AlignProperty);
    return v.isValid() ? Align(v.toInt()) : Align::None;
}

bool liesFurtherOut(Align edge, const QRect &a, const QRect &b) {
    switch (edge) {
    case Align::Top:
        return a.top() < b.top();
    case Align::Bottom:
        return a.bottom() > b.bottom();
    case Align::Left:
        return a.left() < b.left();
    case Align::Right:
        return a.right() > b.right();
    default:
        return false;
    }
}

AlignHost::AlignHost(QWidget *parent) : QObject(parent), m_parent(parent) {
    parent->setProperty(HostProperty, QVariant::fromValue<QObject *>(this));
    parent->installEventFilter(this);
}

AlignHost *AlignHost::of(QWidget *parent) {
    return qobject_cast<AlignHost *>(parent->property(HostProperty).value<QObject *>());
}

void AlignHost::resume() {
    if (m_suspended > 0 && --m_suspended == 0)
        realign();
}

namespace {

constexpr Align Order[] = {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};

int rank(Align a) {
    for (int i = 0; i < int(std::size(Order)); ++i)
        if (Order[i] == a)
            return i;
    return int(std::size(Order));
}

// The aligned children of a parent in the order they are placed: by edge, and on
// one edge the outermost first.
QList<QWidget *> placingOrder(const QWidget *parent) {
    QList<QWidget *> children;
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && !w->isWindow() && !w->isHidden() && alignOf(w) != Align::None)
            children.append(w);
    }
    std::stable_sort(children.begin(), children.end(), [](QWidget *a, QWidget *b) {
        const Align ea = alignOf(a), eb = alignOf(b);
        if (ea != eb)
            return rank(ea) < rank(eb);
        return liesFurtherOut(ea, a->geometry(), b->geometry());
    });
    return children;
}

// Places a control of that thickness at an edge of what is left, and cuts it off.
QRect take(QRect &rest, Align edge, const QSize &size) {
    QRect g;
    switch (edge) {
    case Align::Top:
        g = QRect(rest.left(), rest.top(), rest.width(), size.height());
        rest.setTop(rest.top() + size.height());
        break;
    case Align::Bottom:
        g = QRect(rest.left(), rest.bottom() + 1 - size.height(), rest.width(), size.height());
        rest.setBottom(rest.bottom() - size.height());
        break;
    case Align::Left:
        g = QRect(rest.left(), rest.top(), size.width(), rest.height());
        rest.setLeft(rest.left() + size.width());
        break;
    case Align::Right:
        g = QRect(rest.right() + 1 - size.width(), rest.top(), size.width(), rest.height());
        rest.setRight(rest.right() - size.width());
        break;
    default:
        g = rest;
        break;
    }
    return g;
}

bool comesBefore(const QWidget *other, const QWidget *child, Align edge) {
    const Align a = alignOf(other);
    return rank(a) < rank(edge) ||
           (a == edge && liesFurtherOut(edge, other->geometry(), child->geometry()));
}

} // namespace

void AlignHost::realign() {
    if (m_suspended || m_placing)
        return;
    m_placing = true;
    QRect rest = m_parent->contentsRect();
    for (QWidget *w : placingOrder(m_parent))
        w->setGeometry(take(rest, alignOf(w), w->size()));
    m_placing = false;
}

QRect AlignHost::placeAt(const QWidget *child, Align edge, int thickness) const {
    QRect rest = m_parent->contentsRect();
    for (QWidget *w : placingOrder(m_parent)) {
        if (w == child || !comesBefore(w, child, edge) || alignOf(w) == Align::Client)
            continue;
        take(rest, alignOf(w), w->size());
    }
    return take(rest, edge, QSize(thickness, thickness));
}

bool AlignHost::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_parent) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::LayoutRequest:
            realign();
            break;
        case QEvent::ChildAdded:
            if (auto *w = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
                w->installEventFilter(this);
            break;
        default:
            break;
        }
    } else if (auto *w = qobject_cast<QWidget *>(watched);
               w && w->parentWidget() == m_parent && alignOf(w) != Align::None) {
        switch (event->type()) {
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Resize:
            realign();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tk
