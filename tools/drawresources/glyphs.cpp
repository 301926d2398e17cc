// The toolbar glyphs and the supply glyphs of the LED page, one palette letter
// per pixel. '.' is the glyph's background: the transparent colour for the
// toolbar (olive, purple for the globe) or the button face for the push button.

#include "pictures.h"

#include <cmath>

namespace draw {

namespace {

Letters on(QRgb background) {
    return {{'.', background}};
}

} // namespace

QImage glyphResistance() {
    // Bands: brown, black, red, gold; the body shaded from a white top light.
    const QImage g = fromGrid({"................", //
                               "................", //
                               "................", //
                               "...kkkkkkkkkk...", //
                               "..kwmwkwrwwywk..", //
                               "..kamakaraayak..", //
                               "..kamakaraayak..", //
                               "ddkamakaraayakdd", //
                               "kkkamakaraayakkk", //
                               "..ktmtktrttytk..", //
                               "..ktmtktrttytk..", //
                               "...kkkkkkkkkk...", //
                               "................", //
                               "................", //
                               "................", //
                               "................"},
                              on(c16::Olive));
    return glyphStrip(g, c16::Olive);
}

QImage glyphLed() {
    // A 5 mm LED, lit: dome with its reflection, flange, the longer anode leg.
    const QImage g = fromGrid({"................", //
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
                              on(c16::Olive));
    return glyphStrip(g, c16::Olive);
}

QImage glyphCapacite() {
    // A blue electrolytic capacitor: light stripe with the minus marks.
    const QImage g = fromGrid({"................", //
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
                              on(c16::Olive));
    return glyphStrip(g, c16::Olive);
}

QImage glyphAide() {
    const QImage g = fromGrid({"................", //
                               ".....bbbbbb.....", //
                               "....bbbbbbbbn...", //
                               "...bbbnnnnbbbn..", //
                               "...bbbn...bbbn..", //
                               "....nn...bbbbn..", //
                               "........bbbbnn..", //
                               ".......bbbbnn...", //
                               "......bbbnnn....", //
                               "......bbbn......", //
                               "......bbbn......", //
                               ".......nnn......", //
                               "......bbb.......", //
                               "......bbbn......", //
                               "......bbbn......", //
                               ".......nnn......"},
                              on(c16::Olive));
    return glyphStrip(g, c16::Olive);
}

QImage glyphApropos() {
    // The globe, Europe and Africa facing, the Americas on the left rim.
    const QImage g = fromGrid({"................", //
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
                              on(c16::Purple));
    return glyphStrip(g, c16::Purple);
}

QImage glyphQuitter() {
    // A door standing open: the frame, the dark doorway and the leaf swung
    // towards us, its free edge taller for the perspective.
    const Letters wood = {{'.', c16::Olive},
                          {'A', qRgb(0x4a, 0x2c, 0x14)},
                          {'B', qRgb(0x7a, 0x4a, 0x22)},
                          {'C', qRgb(0xbc, 0x80, 0x44)},
                          {'D', qRgb(0xdc, 0xa8, 0x68)},
                          {'E', qRgb(0x18, 0x18, 0x28)},
                          {'F', qRgb(0x30, 0x30, 0x48)},
                          {'G', qRgb(0xff, 0xd8, 0x40)}};
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

namespace {

// Both supply glyphs share their axes: a vertical axis with its arrow at the
// left, a horizontal one with its arrow at the bottom.
QImage axes() {
    return fromGrid({"................", //
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
}

} // namespace

QImage glyphContinu() {
    QImage g = axes();
    hline(g, 4, 13, 4, c16::Red);
    hline(g, 4, 13, 5, c16::Maroon);
    hline(g, 4, 13, 8, c16::Aqua);
    hline(g, 4, 13, 9, c16::Teal);
    return glyphStrip(g, c16::Silver);
}

QImage glyphAlternatif() {
    QImage g = axes();
    // One period of a sine over twelve pixels, drawn as a connected line with a
    // darker shadow under it.
    int prev = -1;
    for (int x = 3; x <= 14; ++x) {
        const double t = (x - 3 + 0.5) / 12.0 * 2 * M_PI;
        const int y = int(std::lround(6.5 - 4.4 * std::sin(t)));
        const int from = prev < 0 ? y : (prev < y ? prev + 1 : (prev > y ? prev - 1 : y));
        for (int j = std::min(from, y); j <= std::max(from, y); ++j)
            put(g, x, j + 1, c16::Teal);
        prev = y;
    }
    prev = -1;
    for (int x = 3; x <= 14; ++x) {
        const double t = (x - 3 + 0.5) / 12.0 * 2 * M_PI;
        const int y = int(std::lround(6.5 - 4.4 * std::sin(t)));
        const int from = prev < 0 ? y : (prev < y ? prev + 1 : (prev > y ? prev - 1 : y));
        vline(g, x, from, y, c16::Aqua);
        prev = y;
    }
    return glyphStrip(g, c16::Silver);
}

} // namespace draw
