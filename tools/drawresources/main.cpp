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
        {"BACKGROUND", wallpaper, 256, false, true},
        {"cursors/HANDPNT", handPointCursor, 16, true},
        {"cursors/SB_DRAG", dragCursor, 16, true},
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

// Every picture enlarged (nearest neighbour: 8x, the wallpaper 2x) on a
// checkerboard, the 1x beside it.
QImage contactSheet(const std::vector<std::pair<QString, QImage>> &images) {
    constexpr int Pad = 12, MaxWidth = 2600;
    const auto zoomOf = [](const QImage &img) { return img.width() > 100 ? 2 : 8; };
    int x = Pad, y = Pad, rowHeight = 0, width = 0;
    std::vector<QPoint> at;
    for (const auto &[name, img] : images) {
        const int zoom = zoomOf(img);
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
        const int zoom = zoomOf(img);
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

// The glyphs as the toolbar shows them: transparent colour left out, over the
// wallpaper, captions under them; the supply glyphs on a button face.
QImage toolbarPreview() {
    QImage bar(495, 92, QImage::Format_ARGB32);
    bar.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter p(&bar);
    p.drawImage(1, 1, wallpaper(), 0, 0, 493, 60);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    p.setFont(font);
    struct Item {
        const char *caption;
        QImage strip;
        int left;
    };
    const Item items[] = {{"Résistance", glyphResistance(), 4}, {"Led", glyphLed(), 67},
                          {"Capacité", glyphCapacite(), 130},   {"Aide", glyphAide(), 292},
                          {"A propos", glyphApropos(), 355},    {"Quitter", glyphQuitter(), 427}};
    for (const Item &item : items) {
        const int side = item.strip.height();
        QImage glyph = item.strip.copy(0, 0, side, side);
        const QRgb key = glyph.pixel(0, side - 1);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (glyph.pixel(x, y) == key)
                    glyph.setPixel(x, y, Clear);
        const int top = 4 + 27 - side / 2 - 15;
        p.drawImage(item.left + 31 - side / 2, top, glyph);
        p.setPen(Qt::black);
        p.drawText(QRect(item.left, top + side + 1, 63, 14), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromUtf8(item.caption));
    }
    for (int i = 0; i < 2; ++i) {
        const QImage g = (i ? glyphAlternatif() : glyphContinu()).copy(0, 0, 16, 16);
        p.fillRect(8 + i * 110, 66, 100, 25, QColor(0xc0, 0xc0, 0xc0));
        p.drawImage(11 + i * 110, 70, g);
        p.setPen(Qt::black);
        p.drawText(QRect(30 + i * 110, 66, 78, 25), Qt::AlignVCenter,
                   i ? "Alim. Alternatif" : "Alim. Continu");
    }
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
    drawn.emplace_back("toolbar (preview)", toolbarPreview());
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
