// The LED circuit, the capacitor of the capacitance page and the toolbar's
// wallpaper.

#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace draw {

namespace {

// An open terminal: a small ring on the wire.
void terminal(QImage &img, int cx, int cy) {
    const QImage ring = fromGrid({".kkk.", //
                                  "kwwwk", //
                                  "kwwwk", //
                                  "kwwwk", //
                                  ".kkk."},
                                 {{'.', Clear}});
    blit(img, ring, cx - 2, cy - 2);
}

// An arrowhead pointing down with its tip at (x, y).
void arrowDown(QImage &img, int x, int y, QRgb c) {
    for (int i = 0; i < 4; ++i)
        hline(img, x - i, x + i, y - i, c);
}

// A little light arrow going up and right from its tail at (x, y).
void lightArrow(QImage &img, int x, int y, QRgb c) {
    for (int i = 0; i < 5; ++i)
        put(img, x + i, y - i, c);
    const int tx = x + 4, ty = y - 4;
    hline(img, tx - 2, tx - 1, ty, c);
    vline(img, tx, ty + 1, ty + 2, c);
}

} // namespace

QImage ledCircuit() {
    QImage img = canvas(80, 120, c16::Silver);
    const int wx = 58; // the circuit's wire

    // Supply at the top.
    terminal(img, wx, 7);
    drawText(img, wx + 5, 5, "+VS", c16::Black);
    vline(img, wx, 10, 31, c16::Black);

    // The current flowing down.
    for (int x = wx - 1; x <= wx + 1; ++x)
        vline(img, x, 15, 23, c16::Red);
    arrowDown(img, wx, 27, c16::Red);
    drawText(img, wx - 12, 19, "IF", c16::Red);

    // Resistor R: the rectangle symbol.
    fill(img, wx - 4, 32, 9, 20, c16::White);
    rect(img, wx - 4, 32, 9, 20, c16::Black);
    drawText(img, wx + 8, 40, "R", c16::Black);
    vline(img, wx, 52, 65, c16::Black);

    // The LED: a red triangle pointing down onto its bar, with its light, and
    // the voltage across it.
    const int top = 66;
    for (int i = 0; i <= 7; ++i) {
        hline(img, wx - 7 + i, wx + 7 - i, top + i, c16::Red);
        put(img, wx - 7 + i, top + i, c16::Black);
        put(img, wx + 7 - i, top + i, c16::Black);
    }
    hline(img, wx - 7, wx + 7, top, c16::Black);
    hline(img, wx - 7, wx + 7, top + 8, c16::Black);
    lightArrow(img, wx + 8, top + 2, c16::Maroon);
    lightArrow(img, wx + 9, top + 7, c16::Maroon);
    drawText(img, wx - 20, top + 2, "VF", c16::Black);
    vline(img, wx, top + 9, 109, c16::Black);

    // Ground at the bottom.
    terminal(img, wx, 112);
    drawText(img, wx + 5, 110, "0V", c16::Black);

    // The formula at the left, as a fraction: R = (VS - VF) / IF.
    const int fx = 15, fy = 56;
    drawText(img, 2, fy - 2, "R =", c16::Black);
    const QString num = "VS-VF";
    const int nw = textWidth(num);
    drawText(img, fx, fy - 7, num, c16::Black);
    hline(img, fx - 1, fx + nw, fy, c16::Black);
    drawText(img, fx + (nw - textWidth("IF")) / 2 + 1, fy + 2, "IF", c16::Black);
    return img;
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

QImage wallpaper() {
    // White curly loops on light grey: chains of prolate trochoids (a point on
    // a rolling wheel's long spoke), repeated across both edges so that the
    // tiles join without a seam.
    constexpr int W = 640, H = 125;
    QImage img(W, H, QImage::Format_ARGB32);
    img.fill(qRgb(0xc8, 0xc8, 0xc8));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

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
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int g = qGray(img.pixel(x, y));
            img.setPixel(x, y, qRgb(g, g, g));
        }
    return img;
}

} // namespace draw
