// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolbar glyphs and the supply glyphs of the LED page, one palette letter
// per pixel. '.' is the glyph's background: the transparent colour for the
// toolbar (olive, purple for the globe) or the button face for the push button.

#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace draw {

namespace {

Letters on(QRgb background) {
    return {{'.', background}};
}

// A toolbar glyph in the classic colours on its transparent colour, beside its
// disabled image.
QImage toolbarGlyph(std::initializer_list<const char *> rows, QRgb key) {
    return glyphStrip(fromGrid(rows, on(key)), key);
}

// The same at 2x: the disabled image's shadow lies two pixels off, one layout
// pixel as at 1x.
QImage toolbarGlyph2x(std::initializer_list<const char *> rows, QRgb key) {
    return glyphStrip(fromGrid(rows, on(key)), key, Disabled::Greyed, 2);
}

const Letters &doorWood() {
    static const Letters wood = {{'.', c16::Olive},
                                 {'A', qRgb(0x4a, 0x2c, 0x14)},
                                 {'B', qRgb(0x7a, 0x4a, 0x22)},
                                 {'C', qRgb(0xbc, 0x80, 0x44)},
                                 {'D', qRgb(0xdc, 0xa8, 0x68)},
                                 {'E', qRgb(0x18, 0x18, 0x28)},
                                 {'F', qRgb(0x30, 0x30, 0x48)},
                                 {'G', qRgb(0xff, 0xd8, 0x40)}};
    return wood;
}

} // namespace

QImage glyphResistance() {
    // End caps a little fuller than the middle; bands brown, black, red and,
    // apart, gold; the body shaded from a white top light.
    return toolbarGlyph({"................", //
                         "................", //
                         "................", //
                         "..kkk......kkk..", //
                         ".kwmwkkkkkkwywk.", //
                         ".kamawkwrwwayak.", //
                         ".kamaakaraaayak.", //
                         "dkamaakaraaayakd", //
                         "kkamaakaraaayakk", //
                         ".ktmttktrtttytk.", //
                         ".ktmttktrtttytk.", //
                         ".ktmtkkkkkktytk.", //
                         "..kkk......kkk..", //
                         "................", //
                         "................", //
                         "................"},
                        c16::Olive);
}

QImage glyphLed() {
    // A 5 mm LED, lit: dome with its reflection, flange, the longer anode leg.
    return toolbarGlyph({"................", //
                         "..y...kkkk...y..", //
                         "...y.kwwyyk.y...", //
                         "....kwwyyyyk....", //
                         "yy..kwyyyyyk..yy", //
                         "....kwyyyyyk....", //
                         "....kyyyyyyk....", //
                         "....kyyyyyyk....", //
                         "....kyyyyyyk....", //
                         "...kkkkkkkkkk...", //
                         "...kwyyyyyyyk...", //
                         "...kkkkkkkkkk...", //
                         "......d..d......", //
                         "......d..d......", //
                         "......d..d......", //
                         ".........d......"},
                        c16::Olive);
}

QImage glyphCapacite() {
    // A blue electrolytic capacitor: light stripe with the minus marks.
    return toolbarGlyph({"................", //
                         "....kkkkkkkk....", //
                         "...kssswssssk...", //
                         "...kddddddddk...", //
                         "...kbabbbssnk...", //
                         "...kbabbbnnnk...", //
                         "...kbabbbssnk...", //
                         "...kbabbbssnk...", //
                         "...kbabbbnnnk...", //
                         "...kbabbbssnk...", //
                         "...kbabbbssnk...", //
                         "...kbabbbssnk...", //
                         "....kkkkkkkk....", //
                         "......d..d......", //
                         "......d..d......", //
                         "......d........."},
                        c16::Olive);
}

QImage glyphAide() {
    return toolbarGlyph({"....kkkkkkkk....", //
                         "...kkaaaaabkk...", //
                         "..kkabbbbbbnkk..", //
                         "..kabbbkkbbbnk..", //
                         "..kbnnkkkkbbnk..", //
                         "..kkkkk..kbbnk..", //
                         "........kbbbnk..", //
                         ".......kbbbnkk..", //
                         "......kbbbnkk...", //
                         "......kbnnkk....", //
                         "......kkkkk.....", //
                         "................", //
                         "......kkkkk.....", //
                         "......kabnk.....", //
                         "......kbnnk.....", //
                         "......kkkkk....."},
                        c16::Olive);
}

QImage glyphApropos() {
    // The globe, Europe and Africa facing, the Americas on the left rim.
    return toolbarGlyph({"................", //
                         ".....kkkkkk.....", //
                         "....kaabllbk....", //
                         "...kabblllbbk...", //
                         "..kgabbllgbbbk..", //
                         ".klgbbbglbbbbbk.", //
                         ".klggbbbllgbbnk.", //
                         ".kbggbbllllgbnk.", //
                         ".kbbgbbllllggnk.", //
                         ".kbbgbbbllggbnk.", //
                         ".kbbbgbbbllgbnk.", //
                         "..kbbgbbblgbnk..", //
                         "...kbbbbbgnnk...", //
                         "....knbbbnnk....", //
                         ".....kkkkkk.....", //
                         "................"},
                        c16::Purple);
}

QImage glyphQuitter() {
    // A door standing open: the frame, the dark doorway and the leaf swung
    // towards us, its free edge taller for the perspective.
    const Letters &wood = doorWood();
    const QImage g = fromGrid({"................kk", //
                               ".............kkkCk", //
                               ".kkkkkkkkkkkkCCCCk", //
                               ".kDDDDDDDDkACBBDCk", //
                               ".kDEEEEEEDkACBBDCk", //
                               ".kDEEEEEEDkACBBDCk", //
                               ".kDEEEEEEDkACBBDCk", //
                               ".kDEEEEEEDkACDDDCk", //
                               ".kDEEEEEEDkACCCCCk", //
                               ".kDEEEEEEDkACCCGGk", //
                               ".kDFEEEEEDkACBBDCk", //
                               ".kDFFEEEEDkACBBDCk", //
                               ".kDFFFEEEDkACBBDCk", //
                               ".kDFFFFEEDkACBBDCk", //
                               ".kDFFFFFEDkACDDDCk", //
                               ".kDFFFFFFDkACCCCCk", //
                               ".kDFFFFFFDkkkCCCCk", //
                               ".kkkkkkkkkk...kkkk"},
                              wood);
    return glyphStrip(g, c16::Olive);
}

QImage glyphContinu() {
    // A time axis at the bottom, two steady levels above it.
    QImage g = fromGrid({"................", //
                         "..k.............", //
                         ".kkk............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k..........k..", //
                         ".kkkkkkkkkkkkkk.", //
                         "..k..........k..", //
                         "................"},
                        on(c16::Silver));
    hline(g, 4, 13, 4, c16::Red);
    hline(g, 4, 13, 5, c16::Maroon);
    hline(g, 4, 13, 8, c16::Aqua);
    hline(g, 4, 13, 9, c16::Teal);
    return glyphStrip(g, c16::Silver, Disabled::Silhouette);
}

QImage glyphAlternatif() {
    // The time axis through the middle, one period of a sine swinging about it.
    QImage g = fromGrid({"................", //
                         "..k.............", //
                         ".kkk............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k...........k.", //
                         ".kkkkkkkkkkkkkkk", //
                         "..k...........k.", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "..k.............", //
                         "................"},
                        on(c16::Silver));
    // The wave as a connected line, its darker edge under it.
    std::vector<QPoint> wave;
    int prev = -1;
    for (int x = 3; x <= 13; ++x) {
        const double t = (x - 3 + 0.5) / 11.0 * 2 * M_PI;
        const int y = int(std::lround(8 - 4.4 * std::sin(t)));
        const int from = prev < 0 ? y : (prev < y ? prev + 1 : (prev > y ? prev - 1 : y));
        for (int j = std::min(from, y); j <= std::max(from, y); ++j)
            wave.emplace_back(x, j);
        prev = y;
    }
    for (const QPoint &p : wave)
        put(g, p.x(), p.y() + 1, c16::Teal);
    for (const QPoint &p : wave)
        put(g, p.x(), p.y(), c16::Aqua);
    return glyphStrip(g, c16::Silver, Disabled::Silhouette);
}

// --- 2x ----------------------------------------------------------------------
// The same glyphs on grids twice as fine: outlines stay one layout pixel (two
// pixels) wide, curves and diagonals step by one pixel, highlights get finer.

QImage glyphResistance2x() {
    // Round end caps, a finer highlight line, leads lit along their top.
    return toolbarGlyph2x({"................................", //
                           "................................", //
                           "................................", //
                           "................................", //
                           "................................", //
                           "................................", //
                           ".....kkkkk............kkkkk.....", //
                           "...kkkkkkkk..........kkkkkkkk...", //
                           "..kkkwmmwwkkkkkkkkkkkkwwyywkkk..", //
                           "..kkawmmwakkkkkkkkkkkkawyywakk..", //
                           "..kkaammaawwkkwwrrwwwwaayyaakk..", //
                           "..kkaammaaaakkaarraaaaaayyaakk..", //
                           "..kkaammaaaakkaarraaaaaayyaakk..", //
                           "..kkaammaaaakkaarraaaaaayyaakk..", //
                           "sskkaammaaaakkaarraaaaaayyaakkss", //
                           "ddkkaammaaaakkaarraaaaaayyaakkdd", //
                           "ddkkaammaaaakkaarraaaaaayyaakkdd", //
                           "kkkkaammaaaakkaarraaaaaayyaakkkk", //
                           "..kkttmmttttkkttrrttttttyyttkk..", //
                           "..kkttmmttttkkttrrttttttyyttkk..", //
                           "..kkttmmttttkkttrrttttttyyttkk..", //
                           "..kkttmmttttkkttrrttttttyyttkk..", //
                           "..kkttmmttkkkkkkkkkkkkttyyttkk..", //
                           "..kkktmmttkkkkkkkkkkkkttyytkkk..", //
                           "...kkkkkkkk..........kkkkkkkk...", //
                           ".....kkkkk............kkkkk.....", //
                           "................................", //
                           "................................", //
                           "................................", //
                           "................................", //
                           "................................", //
                           "................................"},
                          c16::Olive);
}

QImage glyphLed2x() {
    // A round dome with its curved reflection, the flange, the longer anode leg;
    // the legs lit on their left.
    return toolbarGlyph2x({"................................", //
                           "...yy......................yy...", //
                           "....yy.......kkkkkk.......yy....", //
                           ".....yy....kkkkkkkkkk....yy.....", //
                           "......yy..kkywwwwyyykk..yy......", //
                           ".........kkywwyyyyyyykk.........", //
                           ".........kkywyyyyyyyykk.........", //
                           "........kkywyyyyyyyyyykk........", //
                           "yyyy....kkywyyyyyyyyyykk....yyyy", //
                           "yyyy....kkywyyyyyyyyyykk....yyyy", //
                           "........kkywyyyyyyyyyykk........", //
                           "........kkywyyyyyyyyyykk........", //
                           "........kkyyyyyyyyyyyykk........", //
                           "........kkyyyyyyyyyyyykk........", //
                           "........kkyyyyyyyyyyyykk........", //
                           "........kkyyyyyyyyyyyykk........", //
                           "........kkyyyyyyyyyyyykk........", //
                           "........kkyyyyyyyyyyyykk........", //
                           ".......kkkkkkkkkkkkkkkkkk.......", //
                           "......kkkkkkkkkkkkkkkkkkkk......", //
                           "......kkwwyyyyyyyyyyyyyykk......", //
                           "......kkwwyyyyyyyyyyyyyykk......", //
                           "......kkkkkkkkkkkkkkkkkkkk......", //
                           ".......kkkkkkkkkkkkkkkkkk.......", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "..................sd............", //
                           "..................sd............"},
                          c16::Olive);
}

QImage glyphCapacite2x() {
    // The lid with its glint over its rim; the sleeve with its reflection and a
    // fine dark line where it rolls under the can; the legs lit on their left.
    return toolbarGlyph2x({"................................", //
                           "................................", //
                           ".........kkkkkkkkkkkkkk.........", //
                           ".......kkkkkkkkkkkkkkkkkk.......", //
                           "......kkssssswwwsssssssskk......", //
                           "......kksssswwsssssssssskk......", //
                           "......kkddddddddddddddddkk......", //
                           "......kkddddddddddddddddkk......", //
                           "......kkbbaabbbbbbssssnnkk......", //
                           "......kkbbwabbbbbbssssnnkk......", //
                           "......kkbbwabbbbbbnnnnnnkk......", //
                           "......kkbbwabbbbbbnnnnnnkk......", //
                           "......kkbbwabbbbbbssssnnkk......", //
                           "......kkbbwabbbbbbssssnnkk......", //
                           "......kkbbwabbbbbbssssnnkk......", //
                           "......kkbbaabbbbbbssssnnkk......", //
                           "......kkbbaabbbbbbnnnnnnkk......", //
                           "......kkbbaabbbbbbnnnnnnkk......", //
                           "......kkbbaabbbbbbssssnnkk......", //
                           "......kkbbaabbbbbbssssnnkk......", //
                           "......kkbbaabbbbbbssssnnkk......", //
                           "......kkbbaabbbbbbssssnnkk......", //
                           "......kkbbaabbbbbbssssnnkk......", //
                           "......kknnnnnnnnnnnnnnnnkk......", //
                           ".......kkkkkkkkkkkkkkkkkk.......", //
                           ".........kkkkkkkkkkkkkk.........", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "............sd....sd............", //
                           "............sd..................", //
                           "............sd.................."},
                          c16::Olive);
}

QImage glyphAide2x() {
    // The hook lit from the upper left, shaded underneath and on the right.
    return toolbarGlyph2x({"...........kkkkkkkkkk...........", //
                           "..........kkkkkkkkkkkk..........", //
                           "........kkkkaaaabbbbkkkk........", //
                           ".......kkkaaabbbbbbbbbkkk.......", //
                           ".......kkaabbbbbbbbbbbbkk.......", //
                           "......kkaabbbbnnbbbbbbbbkk......", //
                           ".....kkkabbbnnnnnbbbbbbbkkk.....", //
                           ".....kkaabbnnkkkkkkbbbbbbkk.....", //
                           ".....kkabbbnkkkkkkkkbbbbbkk.....", //
                           ".....kkabbnnkk....kkbbbbbkk.....", //
                           ".....kkabbnnkk....kkbbbbbkk.....", //
                           ".....kkkkkkkk.....kkbbbbnkk.....", //
                           ".....kkkkkkkk.....kkbbbbnkk.....", //
                           "..............kkkkkbbbbbnkk.....", //
                           ".............kkkkaaabbbnnkk.....", //
                           ".............kkaaabbbbbnkkk.....", //
                           "...........kkaaabbbbbnnnkk......", //
                           "...........kkabbbbbnnnkkk.......", //
                           "...........kkbbbbnnnkkkkk.......", //
                           "...........kkkkkkkkkkkk.........", //
                           "............kkkkkkkkk...........", //
                           "................................", //
                           "................................", //
                           "................................", //
                           ".............kkkkkkkk...........", //
                           "............kkkkkkkkkk..........", //
                           "............kkaabbbbkk..........", //
                           "............kkabbbbbkk..........", //
                           "............kkbbbbbnkk..........", //
                           "............kkbbbbnnkk..........", //
                           "............kkkkkkkkkk..........", //
                           ".............kkkkkkkk..........."},
                          c16::Olive);
}

QImage glyphApropos2x() {
    // Europe and Africa with their coasts, the Americas at the left rim.
    return toolbarGlyph2x({"................................", //
                           "................................", //
                           "............kkkkkkkk............", //
                           "..........kkkkkkkkkkkk..........", //
                           "........kkkkaaaaaggbkkkk........", //
                           ".......kkkaaaaaggllgbbkkk.......", //
                           "......kkaaaaaaaglllgbbbbkk......", //
                           ".....kkaaaaaaagllllgbbbbbkk.....", //
                           "....kkggaaaabbgllllgbbbbbbkk....", //
                           "....kklgaaabbbglllgbbbbbbbkk....", //
                           "...kkglgaabbbbgllgbbbbbbbbbkk...", //
                           "...kklllgbbbbbbglgbbbbbbbbbkk...", //
                           "..kkglllgbbbbbbbglgggbbbbbbnkk..", //
                           "..kkaglllgbbbbbbgllllggbbbnnkk..", //
                           "..kkaggllgbbbbbgllllllgbbnnnkk..", //
                           "..kkaaaglgbbbbgllllllllggnnnkk..", //
                           "..kkaabglgbbbbgllllllllllgnnkk..", //
                           "..kkabbbggbbbbbglllllllllgnnkk..", //
                           "..kkbbbbggbbbbbgglllllllgnnnkk..", //
                           "..kkbbbbglgbbbbbbglllllgbnnnkk..", //
                           "...kkbbbbglgbbbbbglllllgnnnkk...", //
                           "...kkbbbbbggbbbbbbglllgbnnnkk...", //
                           "....kkbbbbggbbbbbbgllggnnnkk....", //
                           "....kkbbbbggbbbbbbglgbnnnnkk....", //
                           ".....kkbbbbbbbbbbbglgnnnnkk.....", //
                           "......kkbbbbbbnnnnggnnnnkk......", //
                           ".......kkkbbbnnnnnnnnnkkk.......", //
                           "........kkkknnnnnnnnkkkk........", //
                           "..........kkkkkkkkkkkk..........", //
                           "............kkkkkkkk............", //
                           "................................", //
                           "................................"},
                          c16::Purple);
}

QImage glyphQuitter2x() {
    // The frame's light falls on the floor in a smooth wedge; the leaf's top and
    // bottom edges slant in fine steps, its panels have a shadow line and a
    // highlight.
    const Letters &wood = doorWood();
    const QImage g = fromGrid({"................................kkkk", //
                               ".............................kkkkkkk", //
                               "...........................kkkkkCCkk", //
                               "........................kkkkkCCCCCkk", //
                               "..kkkkkkkkkkkkkkkkkkkkkkkkkCCCCCCCkk", //
                               "..kkkkkkkkkkkkkkkkkkkkkkCCCCCCCCCCkk", //
                               "..kkDDDDDDDDDDDDDDDDkkAACCAAAAAACCkk", //
                               "..kkDDDDDDDDDDDDDDDDkkAACCABBBDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCADDDDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCADDDDDCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCCCCCCCCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCCCCCCCCCkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCCCCCGGGGkk", //
                               "..kkDDEEEEEEEEEEEEDDkkAACCCCCCGGGGkk", //
                               "..kkDDFEEEEEEEEEEEDDkkAACCAAAAAACCkk", //
                               "..kkDDFFEEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDFFFEEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDFFFFEEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDFFFFFEEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDFFFFFFEEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDFFFFFFFEEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDFFFFFFFFEEEEDDkkAACCABBBDDCCkk", //
                               "..kkDDFFFFFFFFFEEEDDkkAACCADDDDDCCkk", //
                               "..kkDDFFFFFFFFFFEEDDkkAACCADDDDDCCkk", //
                               "..kkDDFFFFFFFFFFFEDDkkAACCCCCCCCCCkk", //
                               "..kkDDFFFFFFFFFFFFDDkkAACCCCCCCCCCkk", //
                               "..kkDDFFFFFFFFFFFFDDkkkkkkCCCCCCCCkk", //
                               "..kkDDFFFFFFFFFFFFDDkkkkkkkkkkkCCCkk", //
                               "..kkkkkkkkkkkkkkkkkkkk....kkkkkkkkkk", //
                               "..kkkkkkkkkkkkkkkkkkkk.........kkkkk"},
                              wood);
    return glyphStrip(g, c16::Olive, Disabled::Greyed, 2);
}

namespace {

// The supply glyphs' axes at 2x: two pixels wide, with small triangular heads
// where the 1x ones have a cross bar. `axisRow` is the time axis' upper row,
// `end` its last column.
QImage supplyAxes2x(int axisRow, int end) {
    QImage g = canvas(32, 32, c16::Silver);
    fill(g, 4, 2, 2, 28, c16::Black);
    hline(g, 3, 6, 3, c16::Black);
    hline(g, 2, 7, 4, c16::Black);
    fill(g, 2, axisRow, end - 1, 2, c16::Black);
    vline(g, end - 2, axisRow - 1, axisRow + 2, c16::Black);
    vline(g, end - 3, axisRow - 2, axisRow + 3, c16::Black);
    return g;
}

} // namespace

QImage glyphContinu2x() {
    QImage g = supplyAxes2x(26, 29);
    fill(g, 8, 8, 20, 2, c16::Red);
    fill(g, 8, 10, 20, 2, c16::Maroon);
    fill(g, 8, 16, 20, 2, c16::Aqua);
    fill(g, 8, 18, 20, 2, c16::Teal);
    return glyphStrip(g, c16::Silver, Disabled::Silhouette, 2);
}

QImage glyphAlternatif2x() {
    QImage g = supplyAxes2x(16, 31);
    // The 1x sine on a grid twice as fine: each column covers the curve's span
    // over its width, two pixels thick; the darker edge two pixels under it.
    const auto centre = [](double x) {
        const double t = (x / 2 - 3) / 11 * 2 * M_PI;
        return 17 - 8.8 * std::sin(t);
    };
    std::vector<QPoint> wave;
    for (int x = 6; x <= 27; ++x) {
        const double a = centre(x), b = centre(x + 1), m = centre(x + 0.5);
        const double lo = std::min({a, b, m}), hi = std::max({a, b, m});
        for (int y = int(std::ceil(lo - 1.5)); y <= int(std::floor(hi + 0.5)); ++y)
            wave.emplace_back(x, y);
    }
    for (const QPoint &p : wave)
        put(g, p.x(), p.y() + 2, c16::Teal);
    for (const QPoint &p : wave)
        put(g, p.x(), p.y(), c16::Aqua);
    return glyphStrip(g, c16::Silver, Disabled::Silhouette, 2);
}

} // namespace draw
