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

void AlignHost::realign() {
    if (m_suspended || m_placing)
        return;
    m_placing = true;
    QRect rest = m_parent->contentsRect();
    for (Align edge : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        QList<QWidget *> children;
        for (QObject *o : m_parent->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !w->isHidden() && alignOf(w) == edge)
                children.append(w);
        }
        std::stable_sort(children.begin(), children.end(), [edge](QWidget *a, QWidget *b) {
            return liesFurtherOut(edge, a->geometry(), b->geometry());
        });
        for (QWidget *w : children) {
            QRect g = w->geometry();
            switch (edge) {
            case Align::Top:
                g = QRect(rest.left(), rest.top(), rest.width(), g.height());
                rest.setTop(rest.top() + g.height());
                break;
            case Align::Bottom:
                g = QRect(rest.left(), rest.bottom() + 1 - g.height(), rest.width(), g.height());
                rest.setBottom(rest.bottom() - g.height());
                break;
            case Align::Left:
                g = QRect(rest.left(), rest.top(), g.width(), rest.height());
                rest.setLeft(rest.left() + g.width());
                break;
            case Align::Right:
                g = QRect(rest.right() + 1 - g.width(), rest.top(), g.width(), rest.height());
                rest.setRight(rest.right() - g.width());
                break;
            default:
                g = rest;
                break;
            }
            w->setGeometry(g);
        }
    }
    m_placing = false;
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
