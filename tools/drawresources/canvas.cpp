// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <vector>

namespace draw {

const Letters &classicLetters() {
    static const Letters letters = {
        {'k', c16::Black}, {'m', c16::Maroon},  {'g', c16::Green}, {'o', c16::Olive},
        {'n', c16::Navy},  {'p', c16::Purple},  {'t', c16::Teal},  {'s', c16::Silver},
        {'d', c16::Grey},  {'r', c16::Red},     {'l', c16::Lime},  {'y', c16::Yellow},
        {'b', c16::Blue},  {'f', c16::Fuchsia}, {'a', c16::Aqua},  {'w', c16::White}};
    return letters;
}

const std::vector<QRgb> &classicPalette() {
    static const std::vector<QRgb> palette = {c16::Black, c16::Maroon,  c16::Green, c16::Olive,
                                              c16::Navy,  c16::Purple,  c16::Teal,  c16::Silver,
                                              c16::Grey,  c16::Red,     c16::Lime,  c16::Yellow,
                                              c16::Blue,  c16::Fuchsia, c16::Aqua,  c16::White};
    return palette;
}

QImage fromGrid(std::initializer_list<const char *> rows, const Letters &extra) {
    const int h = int(rows.size());
    const int w = h ? int(std::string(*rows.begin()).size()) : 0;
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Clear);
    int y = 0;
    for (const char *row : rows) {
        const std::string line(row);
        if (int(line.size()) != w) {
            std::fprintf(stderr, "grid row %d is %zu wide, expected %d: %s\n", y, line.size(), w,
                         row);
            std::abort();
        }
        for (int x = 0; x < w; ++x) {
            const char ch = line[size_t(x)];
            auto it = extra.find(ch);
            if (it == extra.end()) {
                it = classicLetters().find(ch);
                if (it == classicLetters().end()) {
                    std::fprintf(stderr, "unknown grid letter '%c' in: %s\n", ch, row);
                    std::abort();
                }
            }
            img.setPixel(x, y, it->second);
        }
        ++y;
    }
    return img;
}

void blit(QImage &dst, const QImage &src, int x0, int y0) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            if (qAlpha(src.pixel(x, y)) == 255)
                put(dst, x0 + x, y0 + y, src.pixel(x, y));
}

QImage canvas(int w, int h, QRgb fillColour) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(fillColour);
    return img;
}

void put(QImage &img, int x, int y, QRgb c) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height())
        img.setPixel(x, y, c);
}

void hline(QImage &img, int x0, int x1, int y, QRgb c) {
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        put(img, x, y, c);
}

void vline(QImage &img, int x, int y0, int y1, QRgb c) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        put(img, x, y, c);
}

void rect(QImage &img, int x, int y, int w, int h, QRgb c) {
    hline(img, x, x + w - 1, y, c);
    hline(img, x, x + w - 1, y + h - 1, c);
    vline(img, x, y, y + h - 1, c);
    vline(img, x + w - 1, y, y + h - 1, c);
}

void fill(QImage &img, int x, int y, int w, int h, QRgb c) {
    for (int j = y; j < y + h; ++j)
        hline(img, x, x + w - 1, j, c);
}

namespace {

using Glyph = std::array<const char *, 5>;
using FineGlyph = std::array<const char *, 10>;

const std::map<QChar, Glyph> &font() {
    // Three pixels wide, five high; '#' is ink.
    static const std::map<QChar, Glyph> f = {
        {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
        {'2', {"##.", "..#", ".#.", "#..", "###"}}, {'3', {"##.", "..#", ".#.", "..#", "##."}},
        {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "##.", "..#", "##."}},
        {'6', {".##", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", ".#.", ".#.", ".#."}},
        {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "##."}},
        {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'C', {".##", "#..", "#..", "#..", ".##"}},
        {'F', {"###", "#..", "##.", "#..", "#.."}}, {'I', {"###", ".#.", ".#.", ".#.", "###"}},
        {'R', {"##.", "#.#", "##.", "#.#", "#.#"}}, {'S', {".##", "#..", ".#.", "..#", "##."}},
        {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}}, {'n', {"...", "##.", "#.#", "#.#", "#.#"}},
        {'+', {"...", ".#.", "###", ".#.", "..."}}, {'-', {"...", "...", "###", "...", "..."}},
        {'=', {"...", "###", "...", "###", "..."}}, {'/', {"..#", "..#", ".#.", "#..", "#.."}},
        {'(', {".#", "#.", "#.", "#.", ".#"}},      {')', {"#.", ".#", ".#", ".#", "#."}},
        {' ', {"..", "..", "..", "..", ".."}},
    };
    return f;
}

// The same letters at twice the size: the strokes keep their weight (two
// pixels), the corners round off and the diagonals step by one pixel.
const std::map<QChar, FineGlyph> &fineFont() {
    static const std::map<QChar, FineGlyph> f = {
        {'0',
         {".####.", "######", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "######",
          ".####."}},
        {'1',
         {"..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "######",
          "######"}},
        {'2',
         {"#####.", "######", "....##", "....##", "...###", "..###.", ".###..", "###...", "######",
          "######"}},
        {'3',
         {"#####.", "######", "....##", "....##", ".####.", ".####.", "....##", "....##", "######",
          "#####."}},
        {'4',
         {"##..##", "##..##", "##..##", "##..##", "######", "######", "....##", "....##", "....##",
          "....##"}},
        {'5',
         {"######", "######", "##....", "##....", "#####.", "######", "....##", "....##", "######",
          "#####."}},
        {'6',
         {".#####", "######", "##....", "##....", "#####.", "######", "##..##", "##..##", "######",
          ".####."}},
        {'7',
         {"######", "######", "....##", "...###", "..###.", "..##..", "..##..", "..##..", "..##..",
          "..##.."}},
        {'8',
         {".####.", "######", "##..##", "##..##", ".####.", ".####.", "##..##", "##..##", "######",
          ".####."}},
        {'9',
         {".####.", "######", "##..##", "##..##", "######", ".#####", "....##", "....##", "######",
          "#####."}},
        {'A',
         {"..##..", ".####.", "##..##", "##..##", "##..##", "######", "######", "##..##", "##..##",
          "##..##"}},
        {'C',
         {".#####", "######", "##....", "##....", "##....", "##....", "##....", "##....", "######",
          ".#####"}},
        {'F',
         {"######", "######", "##....", "##....", "#####.", "#####.", "##....", "##....", "##....",
          "##...."}},
        {'I',
         {"######", "######", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "######",
          "######"}},
        {'R',
         {"#####.", "######", "##..##", "##..##", "######", "#####.", "##.##.", "##..##", "##..##",
          "##..##"}},
        {'S',
         {".#####", "######", "##....", "###...", ".####.", "..####", "....##", "....##", "######",
          "#####."}},
        {'V',
         {"##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####.", ".####.", "..##..",
          "..##.."}},
        {'n',
         {"......", "......", "#####.", "######", "##..##", "##..##", "##..##", "##..##", "##..##",
          "##..##"}},
        {'+',
         {"......", "......", "..##..", "..##..", "######", "######", "..##..", "..##..", "......",
          "......"}},
        {'-',
         {"......", "......", "......", "......", "######", "######", "......", "......", "......",
          "......"}},
        {'=',
         {"......", "......", "######", "######", "......", "......", "######", "######", "......",
          "......"}},
        {'/',
         {"....##", "....##", "....##", "...##.", "..##..", "..##..", ".##...", "##....", "##....",
          "##...."}},
        {'(', {"..##", ".##.", "##..", "##..", "##..", "##..", "##..", "##..", ".##.", "..##"}},
        {')', {"##..", ".##.", "..##", "..##", "..##", "..##", "..##", "..##", ".##.", "##.."}},
        {' ', {"....", "....", "....", "....", "....", "....", "....", "....", "....", "...."}},
    };
    return f;
}

// Draws one letter from its rows; returns its width.
template <size_t Rows>
int drawLetter(QImage &img, int x, int y, const std::array<const char *, Rows> &rows, QRgb c) {
    const int w = int(std::string(rows[0]).size());
    for (size_t j = 0; j < Rows; ++j)
        for (int k = 0; k < w; ++k)
            if (rows[j][k] == '#')
                put(img, x + k, y + int(j), c);
    return w;
}

template <typename Font>
int drawWith(const Font &f, int gap, QImage &img, int x, int y, const QString &text, QRgb c) {
    const int x0 = x;
    for (int i = 0; i < text.size(); ++i) {
        const auto it = f.find(text[i]);
        if (it == f.end()) {
            std::fprintf(stderr, "no pixel-font letter for '%s'\n", qPrintable(QString(text[i])));
            std::abort();
        }
        x += drawLetter(img, x, y, it->second, c) + (i + 1 < text.size() ? gap : 0);
    }
    return x - x0;
}

} // namespace

int drawText(QImage &img, int x, int y, const QString &text, QRgb colour, int scale) {
    if (scale == 2)
        return drawWith(fineFont(), 2, img, x, y, text, colour);
    return drawWith(font(), 1, img, x, y, text, colour);
}

int textWidth(const QString &text, int scale) {
    QImage scratch(1, 1, QImage::Format_ARGB32);
    return drawText(scratch, -1000, -1000, text, c16::Black, scale);
}

namespace {

// Light colours (white, silver, yellow, aqua, light wood) drop out of the
// silhouette, as they did on the classic embossed glyphs.
bool isInk(QRgb c) {
    return qGray(c) < 130;
}

bool isDrawn(QRgb c, QRgb key) {
    return qAlpha(c) == 255 && c != key;
}

// Paints the key-coloured pixels that the edge cannot reach through other
// key-coloured pixels: a shadow may close a gap (beside a diagonal stroke), and
// the wallpaper must not show through such a pinhole.
void fillHoles(QImage &img, QRgb key, QRgb colour) {
    const int w = img.width(), h = img.height();
    std::vector<char> open(size_t(w * h), 0);
    std::vector<QPoint> todo;
    const auto reach = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h && !open[size_t(y * w + x)] &&
            img.pixel(x, y) == key) {
            open[size_t(y * w + x)] = 1;
            todo.emplace_back(x, y);
        }
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        reach(p.x() + 1, p.y());
        reach(p.x() - 1, p.y());
        reach(p.x(), p.y() + 1);
        reach(p.x(), p.y() - 1);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (img.pixel(x, y) == key && !open[size_t(y * w + x)])
                img.setPixel(x, y, colour);
}

} // namespace

QImage embossed(const QImage &glyph, QRgb key, Disabled style, int shadow) {
    QImage out = canvas(glyph.width(), glyph.height(), key);
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x) {
            const QRgb c = glyph.pixel(x, y);
            if (!isDrawn(c, key))
                continue;
            if (style == Disabled::Silhouette) {
                if (isInk(c))
                    put(out, x, y, c16::Grey);
            } else {
                put(out, x, y, qGray(c) < 56 ? c16::Grey : c16::Silver);
            }
        }
    // The shadow shows only where the drawing leaves the background free.
    const QImage shape = out.copy();
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            if (isDrawn(shape.pixel(x, y), key) && x + shadow < shape.width() &&
                y + shadow < shape.height() && shape.pixel(x + shadow, y + shadow) == key)
                put(out, x + shadow, y + shadow, c16::White);
    if (style == Disabled::Greyed)
        fillHoles(out, key, c16::White);
    return out;
}

QImage glyphStrip(const QImage &glyph, QRgb key, Disabled style, int shadow) {
    QImage strip = canvas(glyph.width() * 2, glyph.height(), key);
    blit(strip, glyph, 0, 0);
    blit(strip, embossed(glyph, key, style, shadow), glyph.width(), 0);
    return strip;
}
namespace {

bool writeIndexed(const QImage &img, const QList<QRgb> &table, const QString &path) {
    QImage out(img.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            QRgb c = img.pixel(x, y);
            if (qAlpha(c) == 0)
                c = Clear;
            const qsizetype i = table.indexOf(c);
            if (i < 0) {
                std::fprintf(stderr, "%s: colour #%08x at (%d, %d) is not in the palette\n",
                             qPrintable(path), c, x, y);
                return false;
            }
            out.setPixel(x, y, uint(i));
        }
    }
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

bool save16(const QImage &img, const QString &path, bool allowTransparent) {
    QList<QRgb> table(classicPalette().begin(), classicPalette().end());
    if (allowTransparent)
        table.append(Clear);
    return writeIndexed(img.convertToFormat(QImage::Format_ARGB32), table, path);
}

bool save256(const QImage &img, const QString &path) {
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> table;
    std::set<QRgb> seen;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            QRgb c = argb.pixel(x, y);
            if (qAlpha(c) == 0)
                c = Clear;
            if (seen.insert(c).second)
                table.append(c);
        }
    if (table.size() > 256) {
        std::fprintf(stderr, "%s: %lld colours, more than 256\n", qPrintable(path),
                     static_cast<long long>(table.size()));
        return false;
    }
    std::sort(table.begin(), table.end());
    return writeIndexed(argb, table, path);
}

} // namespace draw
