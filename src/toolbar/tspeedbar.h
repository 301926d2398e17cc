// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The image-button toolbar: a raised panel with a tiled wallpaper that holds the
// buttons of its items at their stored places, grouped in sections. The user can
// drag the bar by its free surface to any edge of its window, where it docks; the
// buttons are transposed when the bar turns between horizontal and vertical.
//
// Ownership: the bar owns its sections and fills them with the items; the items
// and their buttons are not the bar's (see TSpeedItem). Once loaded, the bar is
// every item's host, and it gives every button back before it goes.

#include "toolkit/alignment.h"

#include <QFlags>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class TDragFrame;
class TSpeedItem;
class TSpeedbarSection;

class TSpeedBar : public QWidget {
    Q_OBJECT
public:
    // The buttons are always flat; sbFlatBtns only spares the room a raised
    // button frame would need (the minimum offset).
    enum TSpeedbarOption {
        sbAllowDrag = 0x01,
        sbFlatBtns = 0x04,
        sbTransparentBtns = 0x10,
    };
    Q_DECLARE_FLAGS(TSpeedbarOptions, TSpeedbarOption)

    // The closed hand shown while the bar is dragged: custom cursor "SB_DRAG".
    static constexpr int DragCursor = 14001;
    // How far the pointer must move (more than this) before a press becomes a drag.
    static constexpr int DragThreshold = 4;

    explicit TSpeedBar(QWidget *parent = nullptr);
    ~TSpeedBar() override;

    // Options, button size and offsets are set while the bar is built, before its
    // items come: a button takes the transparency when its item is added, its
    // size and place when the bar has loaded.
    void setOptions(TSpeedbarOptions options);

    tk::Align Align() const;
    // Docks to one of the four edges, the only places a drop can choose; none and
    // the whole client area are a caller's mistake and change nothing.
    void setAlign(tk::Align align);
    bool isVertical() const { return m_vertical; }

    int BtnWidth() const { return m_btnWidth; }
    void setBtnWidth(int width) { m_btnWidth = width; }
    int BtnHeight() const { return m_btnHeight; }
    void setBtnHeight(int height) { m_btnHeight = height; }
    int BtnOffsetHorz() const { return m_offsetHorz; }
    void setBtnOffsetHorz(int offset);
    int BtnOffsetVert() const { return m_offsetVert; }
    void setBtnOffsetVert(int offset);
    int minimumOffset() const;

    QPixmap Wallpaper() const { return m_wallpaper; }
    void setWallpaper(const QPixmap &wallpaper);

    // Sections and items, added while the bar is built.
    TSpeedbarSection *addSection(const QString &caption);
    // Appends the item to one of the bar's sections and hands it the button
    // settings of the bar.
    void addItem(TSpeedbarSection *section, TSpeedItem *item);

    // Building: the buttons stay hidden until finishLoading() places and shows them.
    void finishLoading();

    // Inside the bevel, where the wallpaper lies.
    QRect innerRect() const;

    // Dragging: the pointer went past the threshold with the left button held on
    // the bar's own surface, and the frame shows where it would dock.
    bool isBeingDragged() const { return m_beingDragged; }
    QRect dragFrame() const { return m_dragFrame; }
    // The edge for a point of the parent's client area, by the two diagonals.
    static tk::Align edgeAt(const QPointF &pos, const QSizeF &client);
    // Where the bar would dock at an edge, in the parent's coordinates.
    QRect targetRect(tk::Align edge) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // While armed: notices the mouse going to something else than the bar.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<TSpeedItem *> allItems() const;
    void applyButtonSettings(TSpeedItem *item) const;
    void placeButton(TSpeedItem *item, QPoint pos) const;
    // The bar's own look (panel and wallpaper) in its own coordinates; transparent
    // buttons have it painted beneath themselves.
    void paintBackground(QPainter &painter) const;
    tk::Align edgeUnder(const QPointF &parentPos) const;
    void arm(QPoint pressPoint);
    void disarm();
    void startDrag();
    void dragTo(const QPointF &parentPos);
    void endDrag();
    void drop(const QPointF &parentPos);
    // A popup, another window or the window system took the mouse: the drag
    // ends where it is, without docking.
    void loseMouse();
    bool takesTheMouse(QObject *watched, QEvent *event) const;
    void showFrame(const QRect &screenRect);

    QList<TSpeedbarSection *> m_sections;
    bool m_vertical = false;
    int m_btnWidth = 24;
    int m_btnHeight = 23;
    int m_offsetHorz = 0;
    int m_offsetVert = 0;
    QRect m_dragFrame;
    TSpeedbarOptions m_options{sbAllowDrag};
    bool m_armed = false;
    bool m_beingDragged = false;
    QPoint m_pressPoint;
    QPixmap m_wallpaper;
    QPointer<TDragFrame> m_frame;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSpeedBar::TSpeedbarOptions)
