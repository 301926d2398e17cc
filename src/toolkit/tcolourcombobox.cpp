// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tcolourcombobox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QKeyEvent>
#include <QListView>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <memory>

namespace {

// A key that would search the entries' texts; Space still opens the list.
bool typesText(const QKeyEvent *key) {
    const QString text = key->text();
    return !text.isEmpty() && text.front().isPrint() && !text.front().isSpace() &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

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

} // namespace

TColourComboBox::TColourComboBox(QWidget *parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(11);
    connect(this, &QComboBox::currentIndexChanged, this, &TColourComboBox::announceValue);
}

// The open list (its window, view and scroll bars) is made when it is first
// needed rather than with the control: most lists never drop down.
QAbstractItemView *TColourComboBox::list() {
    if (!m_listReady) {
        m_listReady = true;
        setItemDelegate(new OwnerDrawDelegate(this));
        if (auto *listView = qobject_cast<QListView *>(view()))
            listView->setUniformItemSizes(true);
        view()->installEventFilter(this);
        selectCurrentEntry();
    }
    return view();
}

bool TColourComboBox::isListShown() const {
    return m_listReady && view()->isVisible();
}

void TColourComboBox::showPopup() {
    list();
    QComboBox::showPopup();
}

// The open list shows the chosen entry as selected, where a screen reader
// looks for a list's value.
void TColourComboBox::selectCurrentEntry() {
    if (QItemSelectionModel *selection = view()->selectionModel())
        selection->select(model()->index(currentIndex(), modelColumn()),
                          QItemSelectionModel::ClearAndSelect);
}

void TColourComboBox::announceValue() {
    if (m_listReady)
        selectCurrentEntry();
    QAccessibleValueChangeEvent event(this, entryAccessibleText(currentIndex()));
    QAccessible::updateAccessibility(&event);
}

bool TColourComboBox::event(QEvent *event) {
    // The list is named by its hint, which follows the band count.
    if (event->type() == QEvent::DynamicPropertyChange && QAccessible::isActive()) {
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
    }
    return QComboBox::event(event);
}

bool TColourComboBox::eventFilter(QObject *watched, QEvent *event) {
    if (watched == view() && event->type() == QEvent::KeyPress &&
        typesText(static_cast<QKeyEvent *>(event))) {
        hidePopup();
        // Delivered to the closed list, the key goes on to its parents.
        const std::unique_ptr<QEvent> copy(event->clone());
        QCoreApplication::sendEvent(this, copy.get());
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void TColourComboBox::keyPressEvent(QKeyEvent *event) {
    if (typesText(event)) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TColourComboBox::setItemHeight(int height) {
    if (height == m_itemHeight)
        return;
    m_itemHeight = height;
    if (m_listReady)
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
