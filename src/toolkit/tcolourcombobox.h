// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An owner-drawn drop-down list without an edit field: every entry, in the open
// list and as the closed list's current entry, is drawn by a callback in a
// fixed-height item rectangle, and the list draws its focus rectangle over the
// focused entry afterwards. Entries are texts the user never sees; a screen
// reader hears each entry's accessible text instead, and the list is named by
// its hint, with the chosen entry's accessible text as its value. Since the
// texts are never seen, typing searches nothing: printable keys go on to the
// parent, the open list closing first.

#include <QComboBox>
#include <cstdint>
#include <functional>

class QAbstractItemView;
class QPainter;
class QStyleOptionComboBox;

// What the callback is told about the entry it draws.
struct TOwnerDrawState {
    bool selected = false;     // the highlighted entry of the open list
    bool focused = false;      // gets the focus rectangle after the callback
    bool comboBoxEdit = false; // the closed list's current entry
    bool disabled = false;
};

namespace tk {

// A colour held as 0x00BBGGRR (red in the low byte) to a QColor.
constexpr QRgb rgbFromColourValue(std::uint32_t value) {
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
inline QColor colorFromColourValue(std::uint32_t value) {
    return QColor::fromRgb(rgbFromColourValue(value));
}

} // namespace tk

class TColourComboBox : public QComboBox {
    Q_OBJECT
public:
    using DrawItemHandler = std::function<void(TColourComboBox *control, int index,
                                               const QRect &rect, const TOwnerDrawState &state)>;

    explicit TColourComboBox(QWidget *parent = nullptr);

    void setItemHeight(int height);
    int itemHeight() const { return m_itemHeight; }
    // Number of entries the open list shows at most.
    void setDropDownCount(int count) { setMaxVisibleItems(count); }
    int dropDownCount() const { return maxVisibleItems(); }

    void setOnDrawItem(DrawItemHandler handler) { m_onDrawItem = std::move(handler); }

    // Appends an entry with the text a screen reader speaks for it.
    void addEntry(const QString &text, const QString &accessibleText);
    // The spoken text of an entry; its own text where none was given.
    QString entryAccessibleText(int index) const;

    // The painter of the entry being drawn; only valid inside the callback.
    QPainter *canvas() const { return m_canvas; }

    // The open list's view, made on first need; whether it is shown.
    QAbstractItemView *list();
    bool isListShown() const;
    void showPopup() override;

    // Where the closed list draws its current entry.
    QRect editItemRect() const;
    QRect editItemRect(const QStyleOptionComboBox &option) const;

    // Draws one entry through the callback, then the focus rectangle if asked.
    void drawItem(QPainter &painter, int index, const QRect &rect, const TOwnerDrawState &state);

    // A dotted rectangle that inverts the pixels it covers, so it shows on any colour.
    void drawFocusRect(QPainter &painter, const QRect &rect) const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void announceValue();
    void selectCurrentEntry();

    int m_itemHeight = 16;
    bool m_listReady = false;
    DrawItemHandler m_onDrawItem;
    QPainter *m_canvas = nullptr;
};
