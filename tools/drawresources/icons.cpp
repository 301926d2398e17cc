// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's icon, drawn on a 32-unit grid and scaled: a resistor with its
// colour bands, and over it a magnifying glass that shows the bands enlarged.

#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace draw {

namespace {

struct Scheme {
    bool smooth;
    QColor lead, leadShade, body, bodyLight, bodyShade, outline;
    QColor bands[4];
    QColor glass, rim, rimLight, handle, handleLight, ferrule;
};

const Scheme Classic = {
    false,
    QColor(c16::Grey),
    QColor(c16::Black),
    QColor(c16::Aqua),
    QColor(c16::White),
    QColor(c16::Teal),
    QColor(c16::Black),
    {QColor(c16::Maroon), QColor(c16::Green), QColor(c16::Red), QColor(c16::Yellow)},
    QColor(c16::White),
    QColor(c16::Black),
    QColor(c16::Grey),
    QColor(c16::Maroon),
    QColor(c16::Red),
    QColor(c16::Silver)};

const Scheme Smooth = {true,
                       QColor(0x9a, 0x9a, 0xa2),
                       QColor(0x50, 0x50, 0x58),
                       QColor(0x6c, 0xc4, 0xe0),
                       QColor(0xd8, 0xf4, 0xff),
                       QColor(0x2a, 0x86, 0xa8),
                       QColor(0x1c, 0x2a, 0x34),
                       {QColor(0x8a, 0x4a, 0x1c), QColor(0x1c, 0x9a, 0x3c),
                        QColor(0xe0, 0x20, 0x20), QColor(0xe8, 0xc0, 0x30)},
                       QColor(0xf2, 0xfa, 0xff),
                       QColor(0x22, 0x26, 0x2c),
                       QColor(0x9c, 0xa4, 0xb0),
                       QColor(0x6a, 0x2c, 0x12),
                       QColor(0xb8, 0x5a, 0x2a),
                       QColor(0xc8, 0xcc, 0xd4)};

void drawResistor(QPainter &p, const Scheme &s, qreal line) {
    // Leads.
    p.setPen(Qt::NoPen);
    p.setBrush(s.lead);
    p.drawRect(QRectF(0, 15.5, 32, 1));
    p.setBrush(s.leadShade);
    p.drawRect(QRectF(0, 16.5, 32, 1));
    // Body.
    const QRectF body(3.5, 11.5, 26, 10);
    QPainterPath shape;
    shape.addRoundedRect(body, 3.5, 3.5);
    if (s.smooth) {
        QLinearGradient g(0, body.top(), 0, body.bottom());
        g.setColorAt(0, s.bodyLight);
        g.setColorAt(0.35, s.body);
        g.setColorAt(1, s.bodyShade);
        p.setBrush(g);
    } else {
        p.setBrush(s.body);
    }
    p.setPen(Qt::NoPen);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    if (!s.smooth) {
        p.setBrush(s.bodyShade);
        p.drawRect(QRectF(0, 18.5, 32, 4));
        p.setBrush(s.bodyLight);
        p.drawRect(QRectF(5, 12.5, 23, 1));
    }
    // 1.5 kOhm 5 %: under the glass the two digits (brown, green), beside it
    // the multiplier (red) and the tolerance (gold).
    const double bandX[4] = {6.5, 10.5, 22.5, 26};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(s.bands[i]);
        p.drawRect(QRectF(bandX[i], 11, 2, 12));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.outline, line));
    p.drawPath(shape);
}

void drawDesign(QPainter &p, const Scheme &s, qreal line) {
    drawResistor(p, s, line);

    const QPointF centre(11.5, 14.5);
    const double r = 8.5;
    const QPointF dir(0.7071, 0.7071);
    // Handle first, so that the rim covers its end.
    const QPointF f0 = centre + dir * (r + 0.5), f1 = centre + dir * (r + 3.5),
                  h1 = centre + dir * (r + 11);
    p.setPen(QPen(s.outline, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(f1, h1);
    p.setPen(QPen(s.handle, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(f1, h1);
    p.setPen(QPen(s.handleLight, line, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(f1 + QPointF(0.5, -0.5), h1 + QPointF(0, -1));
    p.setPen(QPen(s.outline, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(f0, f1);
    p.setPen(QPen(s.ferrule, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(f0, f1);

    // The glass, showing the resistor enlarged.
    QPainterPath lens;
    lens.addEllipse(centre, r, r);
    p.save();
    p.setClipPath(lens, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    if (s.smooth) {
        QRadialGradient g(centre - QPointF(3, 3), r * 1.6);
        g.setColorAt(0, s.glass);
        g.setColorAt(1, QColor(0xc4, 0xdc, 0xec));
        p.setBrush(g);
    } else {
        p.setBrush(s.glass);
    }
    p.drawEllipse(centre, r, r);
    p.translate(centre);
    p.scale(1.45, 1.45);
    p.translate(-centre);
    drawResistor(p, s, line);
    p.restore();
    if (s.smooth) {
        // A soft reflection on the glass.
        QColor w(Qt::white);
        w.setAlphaF(0.75f);
        p.setPen(Qt::NoPen);
        p.setBrush(w);
        p.save();
        p.translate(centre + QPointF(-3.6, -3.6));
        p.rotate(-45);
        p.drawEllipse(QPointF(0, 0), 3.2, 1.3);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.rimLight, 1.5 * line));
    p.drawEllipse(centre, r + 0.25, r + 0.25);
    p.setPen(QPen(s.rim, line));
    p.drawEllipse(centre, r + 1.5, r + 1.5);
}

// `line`: how many units wide a one-unit line is drawn.
QImage render(int size, const Scheme &s, qreal line = 1) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Clear);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, s.smooth);
    p.scale(size / 32.0, size / 32.0);
    drawDesign(p, s, line);
    return img;
}

// Scaled down to 16 pixels the drawing loses its lens and leaves half-covered
// pixels, so the smallest size is drawn by hand, a pixel for two units.
QImage iconClassic16() {
    return fromGrid({"................", //
                     "................", //
                     "....kkkk........", //
                     "..kkddddkk......", //
                     ".kddwwwwwdk.....", //
                     ".kdkkkkkkdkkkkk.", //
                     ".kdmagaaadkaryk.", //
                     ".kdmagaaadkaryk.", //
                     "kkdmagaaadkarykk", //
                     ".kdmtgtttdktryk.", //
                     "..kkddddkkkkkkk.", //
                     "....kkkk.kssk...", //
                     "..........kmrk..", //
                     "...........kmrk.", //
                     "............kmrk", //
                     ".............kk."},
                    {{'.', Clear}});
}

} // namespace

QImage iconClassic(int size, bool wholePixelLines) {
    if (size == 16)
        return iconClassic16();
    // At 48 a unit is one and a half pixels, and one-unit lines would come out
    // one or two pixels wide by where they fall: drawn a whole number of
    // pixels wide they are even.
    const qreal unit = size / 32.0;
    return render(size, Classic, wholePixelLines ? std::max(1.0, std::round(unit)) / unit : 1);
}

QImage iconSmooth(int size) {
    return render(size, Smooth);
}

} // namespace draw
