// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/packedpicture.h"

#include <cstring>

namespace tk {

namespace {

constexpr char Magic[4] = {'C', 'H', 'P', 'K'};
constexpr qsizetype HeaderSize = 10;

void putWord(QByteArray &out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

quint32 word(const uchar *data, int bytes) {
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | data[i];
    return value;
}

} // namespace

QByteArray packPicture(const QImage &source) {
    const bool paletted = source.format() == QImage::Format_Indexed8 ||
                          source.format() == QImage::Format_Mono ||
                          source.format() == QImage::Format_MonoLSB;
    const QImage image =
        source.convertToFormat(paletted ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
    const QList<QRgb> palette = paletted ? image.colorTable() : QList<QRgb>();
    QByteArray out(Magic, sizeof Magic);
    putWord(out, quint32(image.width()), 2);
    putWord(out, quint32(image.height()), 2);
    putWord(out, quint32(palette.size()), 2);
    for (QRgb colour : palette)
        putWord(out, colour, 4);
    const int rowBytes = paletted ? image.width() : image.width() * 4;
    for (int y = 0; y < image.height(); ++y) {
        if (paletted) {
            out.append(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes);
        } else {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                putWord(out, line[x], 4);
        }
    }
    return out;
}

QImage unpackPicture(const uchar *data, qsizetype size) {
    if (!data || size < HeaderSize || std::memcmp(data, Magic, sizeof Magic) != 0)
        return {};
    const int width = int(word(data + 4, 2));
    const int height = int(word(data + 6, 2));
    const int colours = int(word(data + 8, 2));
    const bool paletted = colours > 0;
    const qsizetype rowBytes = paletted ? width : qsizetype(width) * 4;
    const qsizetype paletteBytes = qsizetype(colours) * 4;
    if (colours > 256 || size != HeaderSize + paletteBytes + rowBytes * height)
        return {};
    QImage image(width, height, paletted ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
    const uchar *pixels = data + HeaderSize + paletteBytes;
    if (paletted) {
        QList<QRgb> palette(colours);
        for (int i = 0; i < colours; ++i)
            palette[i] = word(data + HeaderSize + 4 * i, 4);
        image.setColorTable(palette);
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), pixels + y * rowBytes, std::size_t(rowBytes));
    } else {
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = word(pixels + y * rowBytes + 4 * x, 4);
        }
    }
    return image;
}

} // namespace tk
