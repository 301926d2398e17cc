// Draws every picture of the program and writes it where the resource file
// expects it: drawresources OUTDIR [SHEET.png [ZOOMDIR]]
// With a second argument, also writes a contact sheet of all pictures at 8x;
// with a third, a folder, each picture alone at 8x in it.

#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

using namespace draw;

namespace {

struct Picture {
    const char *name; // path under OUTDIR, without ".png"
    std::function<QImage()> make;
    int colours; // 16, 256, or 0 for full colour
    bool transparent;
};

const std::vector<Picture> &pictures() {
    static const std::vector<Picture> list = {
        {"MAINICON", [] { return iconClassic(32); }, 16, true},
        {"ABOUTICON", [] { return iconClassic(50); }, 16, true},
        {"GLYPH_RESISTANCE", glyphResistance, 16, false},
        {"GLYPH_LED", glyphLed, 16, false},
        {"GLYPH_CAPACITE", glyphCapacite, 16, false},
        {"GLYPH_AIDE", glyphAide, 16, false},
        {"GLYPH_APROPOS", glyphApropos, 16, false},
        {"GLYPH_QUITTER", glyphQuitter, 256, false},
        {"CONTINU", glyphContinu, 16, false},
        {"ALTERNATIF", glyphAlternatif, 16, false},
        {"IMAGE", ledCircuit, 16, false},
        {"CAPACITOR", capacitor, 16, false},
        {"BACKGROUND", wallpaper, 256, false},
        {"cursors/HANDPNT", handPointCursor, 16, true},
        {"cursors/SB_DRAG", dragCursor, 16, true},
        {"icons/chromohm-16", [] { return iconSmooth(16); }, 0, true},
        {"icons/chromohm-24", [] { return iconSmooth(24); }, 0, true},
        {"icons/chromohm-48", [] { return iconSmooth(48); }, 0, true},
        {"icons/chromohm-64", [] { return iconSmooth(64); }, 0, true},
        {"icons/chromohm-128", [] { return iconSmooth(128); }, 0, true},
        {"icons/chromohm-256", [] { return iconSmooth(256); }, 0, true},
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

// Every picture at 8x (nearest neighbour) on a checkerboard, the 1x beside it.
QImage contactSheet(const std::vector<std::pair<QString, QImage>> &images) {
    constexpr int Zoom = 8, Pad = 12, MaxWidth = 2600;
    int x = Pad, y = Pad, rowHeight = 0, width = 0;
    std::vector<QPoint> at;
    for (const auto &[name, img] : images) {
        const int w = img.width() * Zoom + img.width() + 3 * Pad;
        const int h = img.height() * Zoom + 24;
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
        const QRect big(at[i] + QPoint(0, 20), img.size() * Zoom);
        for (int cy = 0; cy < big.height(); cy += Zoom)
            for (int cx = 0; cx < big.width(); cx += Zoom)
                p.fillRect(big.x() + cx, big.y() + cy, Zoom, Zoom,
                           ((cx + cy) / Zoom) % 2 ? QColor(0xe0, 0xe0, 0xe0)
                                                  : QColor(0xb0, 0xb0, 0xb0));
        p.drawImage(big, img);
        p.drawImage(big.topRight() + QPoint(Pad, 0), img);
        p.setPen(Qt::white);
        p.drawText(at[i] + QPoint(0, 14), images[i].first);
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [SHEET.png]\n", argv[0]);
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
    if (argc > 2 && !contactSheet(drawn).save(QString::fromLocal8Bit(argv[2])))
        ok = false;
    if (argc > 3) {
        // Each picture alone at 8x, for a close look.
        const QDir zoom(QString::fromLocal8Bit(argv[3]));
        for (const auto &[name, img] : drawn)
            if (img.width() <= 100)
                contactSheet({{name, img}})
                    .save(zoom.filePath(QString(name).replace('/', '_') + ".png"));
    }
    return ok ? 0 : 1;
}
