// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A push button with a caption and a glyph: a strip of equal images side by side
// (normal, then disabled), whose bottom-left pixel colour is transparent. The glyph
// stands at the left, `margin` pixels from the edge, the caption `spacing` pixels
// after it; with a margin of -1 glyph and caption are centred together.

#include "toolkit/tglyphstrip.h"

#include <QPushButton>

class TGlyphButton : public QPushButton {
    Q_OBJECT
public:
    explicit TGlyphButton(QWidget *parent = nullptr);

    void setGlyph(const QPixmap &strip);
    QPixmap glyph() const { return m_strip; }
    void setNumGlyphs(int count);
    int numGlyphs() const { return m_numGlyphs; }
    void setMargin(int margin);
    int margin() const { return m_margin; }
    void setSpacing(int spacing);
    int spacing() const { return m_spacing; }

    // Where glyph and caption land in the button's current state (pressed
    // shifts both one pixel down and right); shared by painting and tests.
    QRect glyphRect() const;
    QRect captionRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Enter presses the focused button, as it does in a dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSize imageSize() const;
    QSize captionSize() const;
    void layoutRects(QRect *glyph, QRect *caption) const;

    QPixmap m_strip;
    TGlyphStrip m_glyph;
    int m_numGlyphs = 1;
    int m_margin = -1;
    int m_spacing = 4;
};
