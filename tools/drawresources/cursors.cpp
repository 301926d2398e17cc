// The two cursors: white hands with a black outline, transparent around.

#include "pictures.h"

namespace draw {

namespace {

QImage onCursorCanvas(const QImage &hand, int x, int y) {
    QImage img = canvas(32, 32, Clear);
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

} // namespace draw
