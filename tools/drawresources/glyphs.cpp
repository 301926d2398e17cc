// The toolbar glyphs and the supply glyphs of the LED page, one palette letter
// per pixel. '.' is the glyph's background: the transparent colour for the
// toolbar (olive, purple for the globe) or the button face for the push button.

#include "pictures.h"

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

} // namespace draw
