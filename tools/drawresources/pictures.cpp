// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED circuit, the capacitor of the capacitance page and the toolbar's
// wallpaper.

#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace draw {

namespace {

// Drawing in layout pixels on a picture of `s` device pixels a layout pixel:
// a line one layout pixel wide is `s` pixels wide.
struct Sketch {
    QImage img;
    int s;

    void fill(int x, int y, int w, int h, QRgb c) {
        draw::fill(img, s * x, s * y, s * w, s * h, c);
    }
    void hline(int x0, int x1, int y, QRgb c) {
        fill(std::min(x0, x1), y, std::abs(x1 - x0) + 1, 1, c);
    }
    void vline(int x, int y0, int y1, QRgb c) {
        fill(x, std::min(y0, y1), 1, std::abs(y1 - y0) + 1, c);
    }
    void rect(int x, int y, int w, int h, QRgb c) {
        hline(x, x + w - 1, y, c);
        hline(x, x + w - 1, y + h - 1, c);
        vline(x, y, y + h - 1, c);
        vline(x + w - 1, y, y + h - 1, c);
    }
    void text(int x, int y, const QString &t, QRgb c) { drawText(img, s * x, s * y, t, c, s); }
    int textWidth(const QString &t) const { return draw::textWidth(t, s) / s; }
};

// An open terminal: a small ring on the wire, round at 2x.
void terminal(Sketch &k, int cx, int cy) {
    const Letters clear = {{'.', Clear}};
    if (k.s == 2) {
        blit(k.img,
             fromGrid({"...kkkk...", //
                       ".kkkkkkkk.", //
                       ".kkwwwwkk.", //
                       "kkwwwwwwkk", //
                       "kkwwwwwwkk", //
                       "kkwwwwwwkk", //
                       "kkwwwwwwkk", //
                       ".kkwwwwkk.", //
                       ".kkkkkkkk.", //
                       "...kkkk..."},
                      clear),
             2 * cx - 4, 2 * cy - 4);
        return;
    }
    blit(k.img,
         fromGrid({".kkk.", //
                   "kwwwk", //
                   "kwwwk", //
                   "kwwwk", //
                   ".kkk."},
                  clear),
         cx - 2, cy - 2);
}

// An arrowhead pointing down with its tip at (x, y).
void arrowDown(Sketch &k, int x, int y, QRgb c) {
    if (k.s == 1) {
        for (int i = 0; i < 4; ++i)
            hline(k.img, x - i, x + i, y - i, c);
        return;
    }
    // Twice the rows, each one pixel wider on both sides: a smooth 45-degree head.
    const int centre = 2 * x + 1, tip = 2 * y + 1;
    for (int i = 0; i < 8; ++i) {
        const int half = std::min(i + 1, 7);
        hline(k.img, centre - half, centre + half - 1, tip - i, c);
    }
}

// A little light arrow going up and right from its tail at (x, y).
void lightArrow(Sketch &k, int x, int y, QRgb c) {
    const int tx = x + 4, ty = y - 4;
    if (k.s == 1) {
        for (int i = 0; i < 5; ++i)
            put(k.img, x + i, y - i, c);
    } else {
        // Two pixels thick, stepping one device pixel a row.
        for (int j = 0; j < 10; ++j)
            for (int col : {2 * x + j, 2 * x + j + 1})
                if (col <= 2 * tx + 1)
                    put(k.img, col, 2 * y + 1 - j, c);
    }
    k.hline(tx - 2, tx - 1, ty, c);
    k.vline(tx, ty + 1, ty + 2, c);
}

// The LED: a red triangle pointing down onto its bar, outlined in black, its
// top edge at `top`.
void ledSymbol(Sketch &k, int wx, int top) {
    if (k.s == 1) {
        for (int i = 0; i <= 7; ++i) {
            hline(k.img, wx - 7 + i, wx + 7 - i, top + i, c16::Red);
            put(k.img, wx - 7 + i, top + i, c16::Black);
            put(k.img, wx + 7 - i, top + i, c16::Black);
        }
    } else {
        // The sides step one device pixel a row and stay two pixels thick.
        const int left = 2 * (wx - 7), right = 2 * (wx + 7) + 1;
        for (int r = 0; r < 16; ++r) {
            const int l = std::min(left + r, 2 * wx), rr = std::max(right - r, 2 * wx + 1);
            hline(k.img, l, rr, 2 * top + r, c16::Red);
            hline(k.img, l, l + 1, 2 * top + r, c16::Black);
            hline(k.img, rr - 1, rr, 2 * top + r, c16::Black);
        }
    }
    k.hline(wx - 7, wx + 7, top, c16::Black);
    k.hline(wx - 7, wx + 7, top + 8, c16::Black);
}

} // namespace

QImage ledCircuit(int scale) {
    Sketch k{canvas(80 * scale, 120 * scale, c16::Silver), scale};
    const int wx = 58; // the circuit's wire

    // Supply at the top.
    terminal(k, wx, 7);
    k.text(wx + 5, 5, "+VS", c16::Black);
    k.vline(wx, 10, 31, c16::Black);

    // The current flowing down.
    for (int x = wx - 1; x <= wx + 1; ++x)
        k.vline(x, 15, 23, c16::Red);
    arrowDown(k, wx, 27, c16::Red);
    k.text(wx - 12, 19, "IF", c16::Red);

    // Resistor R: the rectangle symbol.
    k.fill(wx - 4, 32, 9, 20, c16::White);
    k.rect(wx - 4, 32, 9, 20, c16::Black);
    k.text(wx + 8, 40, "R", c16::Black);
    k.vline(wx, 52, 65, c16::Black);

    // The LED with its light, and the voltage across it.
    const int top = 66;
    ledSymbol(k, wx, top);
    lightArrow(k, wx + 8, top + 2, c16::Maroon);
    lightArrow(k, wx + 9, top + 7, c16::Maroon);
    k.text(wx - 20, top + 2, "VF", c16::Black);
    k.vline(wx, top + 9, 109, c16::Black);

    // Ground at the bottom.
    terminal(k, wx, 112);
    k.text(wx + 5, 110, "0V", c16::Black);

    // The formula at the left, as a fraction: R = (VS - VF) / IF.
    const int fx = 15, fy = 56;
    k.text(2, fy - 2, "R =", c16::Black);
    const QString num = "VS-VF";
    const int nw = k.textWidth(num);
    k.text(fx, fy - 7, num, c16::Black);
    k.hline(fx - 1, fx + nw, fy, c16::Black);
    k.text(fx + (nw - k.textWidth("IF")) / 2 + 1, fy + 2, "IF", c16::Black);
    return k.img;
}

QImage capacitor() {
    // A yellow box capacitor, its value printed on it, two wire legs.
    QImage img = fromGrid({".........................", //
                           ".........................", //
                           "...kkkkkkkkkkkkkkkkkkk...", //
                           "..kwwwwwwwwwwwwwwwwwwyk..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kwyyyyyyyyyyyyyyyyyok..", //
                           "..kyooooooooooooooooook..", //
                           "...kkkkkkkkkkkkkkkkkkk...", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           ".......kd.......kd.......", //
                           "........................."},
                          {{'.', c16::Silver}});
    drawText(img, 5, 6, "10nF", c16::Black);
    return img;
}

QImage capacitor2x() {
    // The same box with rounder corners, its highlight and shade two pixels
    // wide, the value in the finer letters.
    QImage img = canvas(50, 50, c16::Silver);
    constexpr int L = 4, T = 4, R = 45, B = 29;
    fill(img, L, T, R - L + 1, B - T + 1, c16::Yellow);
    fill(img, 6, 6, 36, 2, c16::White);
    fill(img, 6, 6, 2, 20, c16::White);
    fill(img, 42, 8, 2, 20, c16::Olive);
    fill(img, 8, 26, 36, 2, c16::Olive);
    // The outline: the two top and bottom rows start further in, and the row
    // after them has a thicker side, which rounds the corners.
    for (int y = T; y <= B; ++y) {
        const int edge = std::min(y - T, B - y);
        const int in = edge == 0 ? 3 : edge == 1 ? 1 : 0;
        if (in > 0) {
            hline(img, L, L + in - 1, y, c16::Silver);
            hline(img, R - in + 1, R, y, c16::Silver);
        }
        if (edge <= 1) {
            hline(img, L + in, R - in, y, c16::Black);
        } else {
            const int side = edge == 2 ? 3 : 2;
            hline(img, L, L + side - 1, y, c16::Black);
            hline(img, R - side + 1, R, y, c16::Black);
        }
    }
    for (int x : {14, 32}) {
        fill(img, x, 30, 2, 18, c16::Black);
        fill(img, x + 2, 30, 2, 18, c16::Grey);
    }
    drawText(img, 10, 12, "10nF", c16::Black, 2);
    return img;
}

QImage wallpaper(int scale) {
    // White curly loops on light grey: chains of prolate trochoids (a point on
    // a rolling wheel's long spoke), repeated across both edges so that the
    // tiles join without a seam.
    constexpr int W = 640, H = 125;
    QImage img(W * scale, H * scale, QImage::Format_ARGB32);
    img.fill(qRgb(0xc8, 0xc8, 0xc8));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(scale, scale);

    struct Chain {
        double y;      // centre line
        int loops;     // loops across the width (a whole number, so it tiles)
        double radius; // loop radius
        double phase;
        double alpha;
        double width;
        double wave;  // the chain's own slow swing up and down
        int waves;    // swings across the width
        double swell; // how much the loops grow and shrink along the chain
    };
    const Chain chains[] = {
        {20, 14, 15, 0.0, 0.85, 1.3, 7, 2, 0.30}, {56, 9, 23, 1.3, 0.55, 1.1, 11, 1, 0.25},
        {88, 17, 12, 2.2, 0.85, 1.2, 8, 3, 0.35}, {110, 11, 18, 0.6, 0.5, 1.0, 6, 2, 0.20},
        {64, 6, 34, 3.5, 0.28, 1.0, 13, 1, 0.15},
    };
    for (const Chain &c : chains) {
        const double a = W / (2 * M_PI * c.loops); // rolling radius: one loop per turn
        QPainterPath path;
        const int steps = c.loops * 120;
        for (int i = 0; i <= steps; ++i) {
            const double t = 2 * M_PI * c.loops * i / steps;
            const double u = t / c.loops; // 0 .. 2 pi across the width
            const double r = c.radius * (1 + c.swell * std::sin(2 * u + c.phase));
            const double x = a * t - r * std::sin(t + c.phase) - W * 0.05;
            const double y =
                c.y + c.wave * std::sin(c.waves * u + c.phase) - r * 0.72 * std::cos(t + c.phase);
            if (i == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        QColor white(Qt::white);
        white.setAlphaF(float(c.alpha));
        p.setPen(QPen(white, c.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (int dx : {-W, 0, W})
            for (int dy : {-H, 0, H})
                p.drawPath(path.translated(dx, dy));
    }
    p.end();
    // Greys only: keep the level, drop to 256 colours at most.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int g = qGray(img.pixel(x, y));
            img.setPixel(x, y, qRgb(g, g, g));
        }
    return img;
}

} // namespace draw
