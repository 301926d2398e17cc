// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every picture of the program and writes it where the resource file
// expects it: drawresources OUTDIR [SHEET.png [ZOOMDIR]]
// With a second argument, also writes a contact sheet of all pictures at 8x;
// with a third, a folder, each picture alone and enlarged in it.
// drawresources --check DIR tells whether DIR holds the pictures as drawn now.

#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace draw;

namespace {

struct Picture {
    const char *name; // path under OUTDIR, without ".png"
    std::function<QImage()> make;
    int colours; // 16, 256, or 0 for full colour
    bool transparent;
    bool antialiased = false; // drawn with smooth edges, not from a pixel grid
};

// Every picture that the program shows is drawn at 1x and again at 2x
// (NAME@2x, twice as many pixels a side), which the program takes on a screen
// with more than one device pixel a layout pixel.
const std::vector<Picture> &pictures() {
    static const std::vector<Picture> list = {
        {"MAINICON", [] { return iconClassic(32); }, 16, true},
        {"MAINICON@2x", [] { return iconClassic(64, true); }, 16, true},
        {"MAINICON-16", [] { return iconClassic(16); }, 16, true},
        {"MAINICON-48", [] { return iconClassic(48, true); }, 16, true},
        {"ABOUTICON", [] { return iconClassic(50); }, 16, true},
        {"ABOUTICON@2x", [] { return iconClassic(100, true); }, 16, true},
        {"GLYPH_RESISTANCE", glyphResistance, 16, false},
        {"GLYPH_RESISTANCE@2x", glyphResistance2x, 16, false},
        {"GLYPH_LED", glyphLed, 16, false},
        {"GLYPH_LED@2x", glyphLed2x, 16, false},
        {"GLYPH_CAPACITE", glyphCapacite, 16, false},
        {"GLYPH_CAPACITE@2x", glyphCapacite2x, 16, false},
        {"GLYPH_AIDE", glyphAide, 16, false},
        {"GLYPH_AIDE@2x", glyphAide2x, 16, false},
        {"GLYPH_APROPOS", glyphApropos, 16, false},
        {"GLYPH_APROPOS@2x", glyphApropos2x, 16, false},
        {"GLYPH_QUITTER", glyphQuitter, 256, false},
        {"GLYPH_QUITTER@2x", glyphQuitter2x, 256, false},
        {"CONTINU", glyphContinu, 16, false},
        {"CONTINU@2x", glyphContinu2x, 16, false},
        {"ALTERNATIF", glyphAlternatif, 16, false},
        {"ALTERNATIF@2x", glyphAlternatif2x, 16, false},
        {"IMAGE", [] { return ledCircuit(1); }, 16, false},
        {"IMAGE@2x", [] { return ledCircuit(2); }, 16, false},
        {"CAPACITOR", capacitor, 16, false},
        {"CAPACITOR@2x", capacitor2x, 16, false},
        {"BACKGROUND", [] { return wallpaper(1); }, 256, false, true},
        {"BACKGROUND@2x", [] { return wallpaper(2); }, 256, false, true},
        {"cursors/HANDPNT", handPointCursor, 16, true},
        {"cursors/HANDPNT@2x", handPointCursor2x, 16, true},
        {"cursors/SB_DRAG", dragCursor, 16, true},
        {"cursors/SB_DRAG@2x", dragCursor2x, 16, true},
        {"icons/chromohm-16", [] { return iconSmooth(16); }, 0, true, true},
        {"icons/chromohm-24", [] { return iconSmooth(24); }, 0, true, true},
        {"icons/chromohm-32", [] { return iconSmooth(32); }, 0, true, true},
        {"icons/chromohm-48", [] { return iconSmooth(48); }, 0, true, true},
        {"icons/chromohm-64", [] { return iconSmooth(64); }, 0, true, true},
        {"icons/chromohm-128", [] { return iconSmooth(128); }, 0, true, true},
        {"icons/chromohm-256", [] { return iconSmooth(256); }, 0, true, true},
    };
    return list;
}

bool write(const Picture &pic, const QImage &img, const QString &path) {
    switch (pic.colours) {
    case 16:
        return save16(img, path, pic.transparent);
    case 256:
        return save256(img, path);
    default:
        return img.save(path, "PNG");
    }
}

// Every picture enlarged (nearest neighbour: a layout pixel 8 pixels wide, the
// wide pictures 2), the real size beside it: a 2x picture stands right after
// its 1x one at the same enlarged size, so that the two compare at a glance.
QImage contactSheet(const std::vector<std::pair<QString, QImage>> &images) {
    constexpr int Pad = 12, MaxWidth = 2600;
    const auto zoomOf = [](const QString &name, const QImage &img) {
        const int scale = name.contains(QLatin1String("@2x")) ? 2 : 1;
        return std::max(1, (img.width() / scale > 100 ? 2 : 8) / scale);
    };
    int x = Pad, y = Pad, rowHeight = 0, width = 0;
    std::vector<QPoint> at;
    for (const auto &[name, img] : images) {
        const int zoom = zoomOf(name, img);
        const int w = img.width() * zoom + img.width() + 3 * Pad;
        const int h = img.height() * zoom + 24;
        if (x + w > MaxWidth && x > Pad) {
            x = Pad;
            y += rowHeight + Pad;
            rowHeight = 0;
        }
        at.emplace_back(x, y);
        x += w;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(width, y + rowHeight + Pad, QImage::Format_ARGB32);
    sheet.fill(qRgb(0x60, 0x68, 0x70));
    QPainter p(&sheet);
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage &img = images[i].second;
        const int zoom = zoomOf(images[i].first, img);
        const QRect big(at[i] + QPoint(0, 20), img.size() * zoom);
        for (int cy = 0; cy < big.height(); cy += zoom)
            for (int cx = 0; cx < big.width(); cx += zoom)
                p.fillRect(big.x() + cx, big.y() + cy, zoom, zoom,
                           ((cx + cy) / zoom) % 2 ? QColor(0xe0, 0xe0, 0xe0)
                                                  : QColor(0xb0, 0xb0, 0xb0));
        p.drawImage(big, img);
        p.drawImage(big.topRight() + QPoint(Pad, 0), img);
        p.setPen(Qt::white);
        p.drawText(at[i] + QPoint(0, 14), images[i].first);
    }
    return sheet;
}

// The glyphs as the toolbar shows them at `scale`: transparent colour left
// out, over the wallpaper, captions under them; the supply glyphs on a button
// face.
QImage toolbarPreview(int scale) {
    QImage bar(QSize(495, 92) * scale, QImage::Format_ARGB32);
    bar.setDevicePixelRatio(scale);
    bar.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter p(&bar);
    QImage paper = wallpaper(scale);
    paper.setDevicePixelRatio(scale);
    p.drawImage(QPointF(1, 1), paper, QRectF(0, 0, 493 * scale, 60 * scale));
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    p.setFont(font);
    struct Item {
        const char *caption;
        QImage (*glyph)();
        QImage (*glyph2x)();
        int left;
    };
    const Item items[] = {{"Résistance", glyphResistance, glyphResistance2x, 4},
                          {"Led", glyphLed, glyphLed2x, 67},
                          {"Capacité", glyphCapacite, glyphCapacite2x, 130},
                          {"Aide", glyphAide, glyphAide2x, 292},
                          {"A propos", glyphApropos, glyphApropos2x, 355},
                          {"Quitter", glyphQuitter, glyphQuitter2x, 427}};
    for (const Item &item : items) {
        const QImage strip = scale == 2 ? item.glyph2x() : item.glyph();
        const int px = strip.height(), side = px / scale;
        QImage glyph = strip.copy(0, 0, px, px);
        const QRgb key = glyph.pixel(0, px - 1);
        for (int y = 0; y < px; ++y)
            for (int x = 0; x < px; ++x)
                if (glyph.pixel(x, y) == key)
                    glyph.setPixel(x, y, Clear);
        glyph.setDevicePixelRatio(scale);
        const int top = 4 + 27 - side / 2 - 15;
        p.drawImage(QPoint(item.left + 31 - side / 2, top), glyph);
        p.setPen(Qt::black);
        p.drawText(QRect(item.left, top + side + 1, 63, 14), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromUtf8(item.caption));
    }
    for (int i = 0; i < 2; ++i) {
        const QImage strip = i ? (scale == 2 ? glyphAlternatif2x() : glyphAlternatif())
                               : (scale == 2 ? glyphContinu2x() : glyphContinu());
        QImage g = strip.copy(0, 0, strip.height(), strip.height());
        g.setDevicePixelRatio(scale);
        p.fillRect(8 + i * 110, 66, 100, 25, QColor(0xc0, 0xc0, 0xc0));
        p.drawImage(QPoint(11 + i * 110, 70), g);
        p.setPen(Qt::black);
        p.drawText(QRect(30 + i * 110, 66, 78, 25), Qt::AlignVCenter,
                   i ? "Alim. Alternatif" : "Alim. Continu");
    }
    p.end();
    bar.setDevicePixelRatio(1);
    return bar;
}

// Pictures drawn from pixel grids must match exactly. Antialiased ones (the
// smooth icons, the wallpaper) may differ by a level or two per channel between
// CPUs, so they only have to lie within that of their drawing.
constexpr int SmoothTolerance = 2;

bool samePicture(const QImage &shipped, const QImage &drawn, int tolerance) {
    if (shipped.size() != drawn.size())
        return false;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = shipped.pixel(x, y), b = drawn.pixel(x, y);
            // Fully clear pixels match whatever colour they carry.
            if (qAlpha(a) == 0 && qAlpha(b) == 0)
                continue;
            if (std::abs(qRed(a) - qRed(b)) > tolerance ||
                std::abs(qGreen(a) - qGreen(b)) > tolerance ||
                std::abs(qBlue(a) - qBlue(b)) > tolerance ||
                std::abs(qAlpha(a) - qAlpha(b)) > tolerance)
                return false;
        }
    }
    return true;
}

// Compares the pictures in DIR with what the generator draws now, so that a
// change to the drawings cannot go out without its PNGs.
int check(const QDir &dir) {
    int stale = 0;
    for (const Picture &pic : pictures()) {
        const QString path = dir.filePath(QString::fromLatin1(pic.name) + ".png");
        const QImage shipped = QImage(path).convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = pic.make().convertToFormat(QImage::Format_ARGB32);
        const int tolerance = pic.antialiased ? SmoothTolerance : 0;
        if (shipped.isNull() || !samePicture(shipped, drawn, tolerance)) {
            std::fprintf(stderr, "%s differs from its drawing: run scripts/draw-resources.sh\n",
                         qPrintable(path));
            ++stale;
        }
    }
    return stale ? 1 : 0;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--check")
        return check(QDir(QString::fromLocal8Bit(argv[2])));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [SHEET.png [ZOOMDIR]] | --check DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath("cursors");
    out.mkpath("icons");
    std::vector<std::pair<QString, QImage>> drawn;
    bool ok = true;
    for (const Picture &pic : pictures()) {
        const QImage img = pic.make();
        const QString path = out.filePath(QString::fromLatin1(pic.name) + ".png");
        ok = write(pic, img, path) && ok;
        if (pic.colours || img.width() <= 64)
            drawn.emplace_back(QString::fromLatin1(pic.name), img);
    }
    drawn.emplace_back("toolbar (preview)", toolbarPreview(1));
    drawn.emplace_back("toolbar@2x (preview)", toolbarPreview(2));
    if (argc > 2 && !contactSheet(drawn).save(QString::fromLocal8Bit(argv[2])))
        ok = false;
    if (argc > 3) {
        // Each picture alone, enlarged, for a close look.
        const QDir zoom(QString::fromLocal8Bit(argv[3]));
        for (const auto &[name, img] : drawn)
            contactSheet({{name, img}})
                .save(zoom.filePath(QString(name).replace('/', '_') + ".png"));
    }
    return ok ? 0 : 1;
}
