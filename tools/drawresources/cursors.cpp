// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two cursors: white hands with a black outline, transparent around.

#include "pictures.h"

namespace draw {

namespace {

QImage onCursorCanvas(const QImage &hand, int x, int y, int side = 32) {
    QImage img = canvas(side, side, Clear);
    blit(img, hand, x, y);
    return img;
}

const Letters cursorLetters = {{'.', Clear}};

} // namespace

QImage handPointCursor() {
    // The index finger points up; its tip is the top-left pixel, the hot spot.
    const QImage hand = fromGrid({"kkk..............", //
                                  "kwwk.............", //
                                  "kwwwk............", //
                                  "kwwwk............", //
                                  "kwwwk............", //
                                  "kwwwk............", //
                                  "kwwwkkk..........", //
                                  "kwwwkwwk.........", //
                                  "kwwwkwwkkk.......", //
                                  "kwwwkwwkwwk......", //
                                  "kwwwkwwkwwkkk....", //
                                  "kwwwkwwkwwkwwk...", //
                                  "kwwwwwwwwwkwwk...", //
                                  "kwkkkkwwwwwwwk...", //
                                  "kwwwwwkwwwwwwk...", //
                                  "kwwwwwkwwwwwwk...", //
                                  ".kwwwwwwwwwwwk...", //
                                  ".kwwwwwwwwwwk....", //
                                  "..kwwwwwwwwwk....", //
                                  "..kwwwwwwwwk.....", //
                                  "...kwwwwwwwk.....", //
                                  "...kkkkkkkkk....."},
                                 cursorLetters);
    return onCursorCanvas(hand, 0, 0);
}

QImage dragCursor() {
    // A closed hand seen from its back: four knuckles, the thumb at the left.
    const QImage hand = fromGrid({"....kk.kk.kk....", //
                                  "...kwwkwwkwwkk..", //
                                  "...kwwkwwkwwkwk.", //
                                  ".kkkwwkwwkwwkwk.", //
                                  "kwwkwwwwwwwwwwk.", //
                                  "kwwwkwwwwwwwwwk.", //
                                  ".kwwwwwwwwwwwwk.", //
                                  "..kwwwwwwwwwwwk.", //
                                  "..kwwwwwwwwwwk..", //
                                  "...kwwwwwwwwwk..", //
                                  "....kwwwwwwwk...", //
                                  "....kwwwwwwwk...", //
                                  "....kkkkkkkkk..."},
                                 cursorLetters);
    return onCursorCanvas(hand, 8, 10);
}

QImage handPointCursor2x() {
    // Outlines two pixels wide; the fingertips round, the heel of the hand
    // curving in steps of one pixel. The top-left pixel is still the hot spot.
    const QImage hand = fromGrid({"kkkkkk............................", //
                                  "kkkkkkkk..........................", //
                                  "kkwwwwkkk.........................", //
                                  "kkwwwwwkkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkk........................", //
                                  "kkwwwwwwkkkkkk....................", //
                                  "kkwwwwwwkkkkkkkk..................", //
                                  "kkwwwwwwkkwwwkkk..................", //
                                  "kkwwwwwwkkwwwwkk..................", //
                                  "kkwwwwwwkkwwwwkkkkkk..............", //
                                  "kkwwwwwwkkwwwwkkkkkkkk............", //
                                  "kkwwwwwwkkwwwwkkwwwkkk............", //
                                  "kkwwwwwwkkwwwwkkwwwwkk............", //
                                  "kkwwwwwwkkwwwwkkwwwwkkkkkk........", //
                                  "kkwwwwwwkkwwwwkkwwwwkkkkkkkk......", //
                                  "kkwwwwwwkkwwwwkkwwwwkkwwwkkk......", //
                                  "kkwwwwwwkkwwwwkkwwwwkkwwwwkk......", //
                                  "kkwwwwwwwwwwwwwwwwwwkkwwwwkk......", //
                                  "kkwwwwwwwwwwwwwwwwwwkkwwwwkk......", //
                                  "kkwwkkkkkkkkwwwwwwwwwwwwwwkk......", //
                                  "kkwwkkkkkkkkkwwwwwwwwwwwwwkk......", //
                                  "kkwwwwwwwwwwkkwwwwwwwwwwwwkk......", //
                                  "kkwwwwwwwwwwkkwwwwwwwwwwwwkk......", //
                                  "kkwwwwwwwwwwwwwwwwwwwwwwwwkk......", //
                                  "kkwwwwwwwwwwwwwwwwwwwwwwwwkk......", //
                                  ".kkwwwwwwwwwwwwwwwwwwwwwwwkk......", //
                                  ".kkwwwwwwwwwwwwwwwwwwwwwwwkk......", //
                                  "..kkwwwwwwwwwwwwwwwwwwwwwkk.......", //
                                  "..kkwwwwwwwwwwwwwwwwwwwwwkk.......", //
                                  "...kkwwwwwwwwwwwwwwwwwwwkk........", //
                                  "...kkwwwwwwwwwwwwwwwwwwwkk........", //
                                  "....kkwwwwwwwwwwwwwwwwwkk.........", //
                                  "....kkwwwwwwwwwwwwwwwwwkk.........", //
                                  ".....kkwwwwwwwwwwwwwwwkk..........", //
                                  ".....kkwwwwwwwwwwwwwwwkk..........", //
                                  ".....kkkkkkkkkkkkkkkkkkk..........", //
                                  "......kkkkkkkkkkkkkkkkk..........."},
                                 cursorLetters);
    return onCursorCanvas(hand, 0, 0, 64);
}

QImage dragCursor2x() {
    // Round knuckles with notches between them; (30, 32) lies in the palm.
    const QImage hand = fromGrid({".........kk....kk....kk.........", //
                                  "........kkkk..kkkk..kkkk..kk....", //
                                  ".......kkwwkkkkwwkkkkwwkkkkkk...", //
                                  "......kkwwwwkkwwwwkkwwwwkkwwkk..", //
                                  "......kkwwwwkkwwwwkkwwwwkkwwkk..", //
                                  "......kkwwwwkkwwwwkkwwwwkkwwkk..", //
                                  "...kkkkkwwwwkkwwwwkkwwwwkkwwkk..", //
                                  ".kkkkkkkwwwwkkwwwwkkwwwwkkwwkk..", //
                                  "kkwwwwkkwwwwwwwwwwwwwwwwwwwwkk..", //
                                  "kkwwwwkkwwwwwwwwwwwwwwwwwwwwkk..", //
                                  "kkwwwwwkkwwwwwwwwwwwwwwwwwwwkk..", //
                                  "kkwwwwwwkkwwwwwwwwwwwwwwwwwwkk..", //
                                  ".kkwwwwwwwwwwwwwwwwwwwwwwwwwkk..", //
                                  "..kkwwwwwwwwwwwwwwwwwwwwwwwwkk..", //
                                  "...kkwwwwwwwwwwwwwwwwwwwwwwwkk..", //
                                  "...kkwwwwwwwwwwwwwwwwwwwwwwwkk..", //
                                  "....kkwwwwwwwwwwwwwwwwwwwwwkk...", //
                                  "....kkwwwwwwwwwwwwwwwwwwwwwkk...", //
                                  ".....kkwwwwwwwwwwwwwwwwwwwkk....", //
                                  "......kkwwwwwwwwwwwwwwwwwwkk....", //
                                  ".......kkwwwwwwwwwwwwwwwwkk.....", //
                                  "........kkwwwwwwwwwwwwwwwkk.....", //
                                  "........kkwwwwwwwwwwwwwwkk......", //
                                  "........kkwwwwwwwwwwwwwwkk......", //
                                  "........kkkkkkkkkkkkkkkkkk......", //
                                  "........kkkkkkkkkkkkkkkkkk......"},
                                 cursorLetters);
    return onCursorCanvas(hand, 16, 20, 64);
}

} // namespace draw
