// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The glyph of an image button: a strip of up to five images side by side (up,
// disabled, down, then exclusive and inactive, which no button of the program
// shows), the colour that stays transparent, and the per-state images made from
// the strip on first need, at the strip's device pixel ratio.

#include <QColor>
#include <QImage>
#include <QPalette>
#include <array>
#include <optional>

class TGlyphStrip {
public:
    enum State { Up = 0, Disabled = 1, Down = 2 };
    static constexpr int MaxGlyphs = 5;
    static constexpr int StateCount = 3;

    void setGlyph(const QImage &strip);
    QImage glyph() const { return m_strip; }
    bool isEmpty() const { return m_strip.isNull(); }

    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count);

    QColor transparentColor() const { return m_transparent; }
    // The size of one image of the strip in layout pixels (a 2x strip has
    // twice as many pixels); empty without a glyph.
    QSize glyphSize() const;

    // The image for a state, with the transparent colour's pixels see-through.
    const QImage &image(State state, const QPalette &palette);
    // Forgets the per-state images (new glyph, count or system colours).
    void clearCache();

private:
    QImage makeImage(State state, const QPalette &palette) const;
    QImage cutImage(int index) const;
    QSize pixelSize() const;

    QImage m_strip;
    int m_numGlyphs = 1;
    QColor m_transparent;
    std::array<std::optional<QImage>, StateCount> m_images;
};
