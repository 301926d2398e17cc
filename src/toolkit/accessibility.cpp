// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/accessibility.h"

#include "toolkit/hints.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tgroupbox.h"
#include "toolkit/tshape.h"
#include "toolkit/tstatusbar.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QVariant>

namespace tk {

namespace {

constexpr const char *HiddenProperty = "tkAccessibleHidden";

// A container whose children leave out the hidden ones.
class ContainerAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> list = children();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child ? int(children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> children() const {
        QList<QWidget *> list;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !isAccessibleHidden(w))
                list.append(w);
        }
        return list;
    }
};

// A group box, named by its caption without the blanks that set it off.
class GroupAccessible : public ContainerAccessible {
public:
    explicit GroupAccessible(TGroupBox *box) : ContainerAccessible(box, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override {
        auto *box = static_cast<TGroupBox *>(widget());
        if (t == QAccessible::Name && box->accessibleName().isEmpty())
            return box->title().trimmed();
        return ContainerAccessible::text(t);
    }
};

// Shapes and lists are named by their hint; a description that only repeats
// the name says nothing more.
QString describedBeyond(const QString &name, const QString &description) {
    return description == name ? QString() : description;
}

class ShapeAccessible : public QAccessibleWidget {
public:
    explicit ShapeAccessible(QWidget *shape) : QAccessibleWidget(shape, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        const QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Description ? describedBeyond(text(QAccessible::Name), s) : s;
    }
};

// A colour list is named by its band, as its hint says, and its value is the
// chosen colour's ring name, which it also offers as its (read-only) text.
class ColourComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ColourComboAccessible(TColourComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    TColourComboBox *combo() const { return static_cast<TColourComboBox *>(widget()); }
    QString value() const { return combo()->entryAccessibleText(combo()->currentIndex()); }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return combo()->accessibleName().isEmpty() ? tk::hint(combo())
                                                       : combo()->accessibleName();
        case QAccessible::Value:
            return value();
        case QAccessible::Description:
            return describedBeyond(text(QAccessible::Name), QAccessibleWidget::text(t));
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->isListShown();
        s.readOnly = true;
        return s;
    }

    // The open list is the one child, as with the stock combo box.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->list()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == combo()->list() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &actionName) override {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (combo()->isListShown())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The value as text: read, never edited or selected.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return int(value().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

// The program's own top-level windows are frames; Qt's stock classes keep theirs.
bool isOwnWindow(const QString &className, QObject *object) {
    if (!object->isWidgetType() || className.startsWith(u'Q') ||
        className != QLatin1String(object->metaObject()->className()))
        return false;
    auto *w = static_cast<QWidget *>(object);
    return w->isWindow() && !qobject_cast<QDialog *>(w);
}

QAccessibleInterface *factory(const QString &className, QObject *object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (className == QLatin1String("TColourComboBox"))
        return new ColourComboAccessible(static_cast<TColourComboBox *>(w));
    if (className == QLatin1String("TShape"))
        return new ShapeAccessible(w);
    if (className == QLatin1String("TGroupBox"))
        return new GroupAccessible(static_cast<TGroupBox *>(w));
    if (className == QLatin1String("TStatusBar"))
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    // Skipped as a separator rather than read as an empty pane.
    if (className == QLatin1String("TBevel"))
        return new QAccessibleWidget(w, QAccessible::Separator);
    if (isOwnWindow(className, object))
        return new ContainerAccessible(w, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);
}

void setAccessibleHidden(QWidget *widget, bool hidden) {
    widget->setProperty(HiddenProperty, hidden);
}

bool isAccessibleHidden(const QWidget *widget) {
    return widget->property(HiddenProperty).toBool();
}

} // namespace tk
