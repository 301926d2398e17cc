// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The image button that shows one toolbar item: glyph above caption, painted into
// its own pixmap over its holder's background and copied in one go; flat (a frame
// only under the pointer), sunken while held, and a click only on a release over it.

#include "toolkit/tglyphstrip.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

class TSpeedbarButton : public QWidget {
    Q_OBJECT
public:
    using State = TGlyphStrip::State;
    TSpeedbarButton();

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setGlyph(const QImage &glyph);
    QImage glyph() const { return m_glyph.glyph(); }
    int NumGlyphs() const { return m_glyph.NumGlyphs(); }
    void setNumGlyphs(int count);

    // Between glyph and caption; the block of both is centred top to bottom.
    void setSpacing(int spacing);

    // What shows through the button, painted by whoever holds it: its surface
    // under area, the button's rectangle in the holder's coordinates, which the
    // painter is in. Without one the button stands on plain button face.
    using BackgroundPainter = std::function<void(QPainter &painter, const QRect &area)>;
    void setBackgroundPainter(BackgroundPainter painter);

    State state() const { return m_state; }
    bool isMouseInside() const { return m_mouseInside; }
    // The left button went down on this button and is not yet released,
    // wherever the pointer has gone since.
    bool isHeld() const { return m_held; }

    // Where things land for the current state; shared by painting and tests.
    QRect contentRect() const;
    QRect glyphRect() const;
    QRect captionRect() const;

    // Runs the click as a completed press and release would (keyboard, assistive tools).
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool isPressedLook() const;
    bool hasFrame() const;
    QSize captionSize() const;
    void layout(const QRect &content, QRect *glyph, QRect *caption) const;
    void drawFrame(QPainter &painter) const;
    // Frame, glyph and caption, not the background.
    void drawContents(QPainter &painter);
    void drawBackground(QPainter &painter);
    void fixState();
    void setMouseInside(bool inside);
    void recomputeMouseInside(const QPoint &pos);
    static bool programIsActive();

    TGlyphStrip m_glyph;
    QString m_caption;
    int m_spacing = 4;
    State m_state = State::Up;
    bool m_held = false;
    bool m_mouseInside = false;
    QPixmap m_offscreen;
    BackgroundPainter m_background;
};
