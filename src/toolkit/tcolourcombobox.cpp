#include "toolkit/tcolourcombobox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QListView>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPolygon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

// Draws the open list's entries through the owner's callback at the fixed height.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(TColourComboBox *combo)
        : QStyledItemDelegate(combo), m_combo(combo) {}

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override {
        // No width of its own: the entries span the list, which is as wide as the control.
        return QSize(0, m_combo->itemHeight());
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        TOwnerDrawState state;
        state.selected = option.state & QStyle::State_Selected;
        state.focused = state.selected;
        state.disabled = !(option.state & QStyle::State_Enabled);
        m_combo->drawItem(*painter, index.row(), option.rect, state);
    }

private:
    TColourComboBox *m_combo;
};

// The list speaks its current entry's accessible text as its name and value, where
// the stock combo box would speak the entry's raw text.
class ColourComboAccessible : public QAccessibleWidget {
public:
    explicit ColourComboAccessible(TColourComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    TColourComboBox *combo() const { return static_cast<TColourComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            if (!combo()->accessibleName().isEmpty())
                return combo()->accessibleName();
            return combo()->entryAccessibleText(combo()->currentIndex());
        case QAccessible::Value:
            return combo()->entryAccessibleText(combo()->currentIndex());
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        return s;
    }

    // The open list is the one child, as with the stock combo box.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &actionName) override {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// The list drops down below the control and shows at most the drop-down count,
// where styles such as Fusion would lay all entries over the control instead.
class DropDownStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        if (hint == SH_ComboBox_ListMouseTracking)
            return 1; // the highlight follows the pointer
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *dropDownStyle() {
    // One for all lists, over the application's style; the application deletes it.
    static QPointer<QStyle> style;
    if (!style) {
        style = new DropDownStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

QAccessibleInterface *comboAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("TColourComboBox"))
        if (auto *combo = qobject_cast<TColourComboBox *>(object))
            return new ColourComboAccessible(combo);
    return nullptr;
}

} // namespace

TColourComboBox::TColourComboBox(QWidget *parent) : QComboBox(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(comboAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setEditable(false);
    setStyle(dropDownStyle());
    setItemDelegate(new OwnerDrawDelegate(this));
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setUniformItemSizes(true);
    setMaxVisibleItems(11);
    // The stock combo box reports a new value; its spoken name changes with it.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!QAccessible::isActive())
            return;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
}

void TColourComboBox::setItemHeight(int height) {
    if (height == m_itemHeight)
        return;
    m_itemHeight = height;
    view()->doItemsLayout();
    update();
}

void TColourComboBox::addEntry(const QString &text, const QString &accessibleText) {
    addItem(text);
    setItemData(count() - 1, accessibleText, Qt::AccessibleTextRole);
}

QString TColourComboBox::entryAccessibleText(int index) const {
    if (index < 0 || index >= count())
        return {};
    const QString spoken = itemData(index, Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? itemText(index) : spoken;
}

QRect TColourComboBox::editItemRect() const {
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    return editItemRect(opt);
}

QRect TColourComboBox::editItemRect(const QStyleOptionComboBox &opt) const {
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    // One item high, centred in the field, a pixel in from its sides.
    const int top = field.top() + (field.height() - m_itemHeight) / 2;
    return QRect(field.left() + 1, top, field.width() - 2, m_itemHeight);
}

void TColourComboBox::drawItem(QPainter &painter, int index, const QRect &rect,
                               const TOwnerDrawState &state) {
    if (m_onDrawItem && index >= 0 && index < count()) {
        painter.save();
        m_canvas = &painter;
        m_onDrawItem(this, index, rect, state);
        m_canvas = nullptr;
        painter.restore();
    }
    if (state.focused)
        drawFocusRect(painter, rect);
}

void TColourComboBox::drawFocusRect(QPainter &painter, const QRect &rect) const {
    if (rect.width() < 1 || rect.height() < 1)
        return;
    // Every other pixel of the border, each visited once: inverting twice would undo it.
    QPolygon dots;
    dots.reserve(rect.width() + rect.height());
    const int parity = (rect.left() + rect.top()) & 1;
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == parity)
            dots.append(QPoint(x, y));
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top())
            dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left())
            dot(rect.right(), y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1));
    } else {
        painter.setPen(QPen(palette().color(QPalette::Text), 1));
    }
    painter.drawPoints(dots);
    painter.restore();
}

void TColourComboBox::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    // The frame and the arrow from the style; the entry itself is the owner's.
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() < 0)
        return;
    TOwnerDrawState state;
    state.selected = hasFocus();
    state.focused = hasFocus();
    state.comboBoxEdit = true;
    state.disabled = !isEnabled();
    drawItem(painter, currentIndex(), editItemRect(opt), state);
}
