#include "DibConvert.h"

#include <QImage>
#include <cstring>

#include "Progress.h"
#include "imagelib.h"

namespace imagelib {
namespace {

// Index of pixel x in a row of 1, 4 or 8 bits.
std::uint8_t indexAt(const std::uint8_t* row, int x, int bits) {
    switch (bits) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4:
            return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
        default:
            return row[x];
    }
}

platform::PackedDib indexedFromImage(const QImage& image, Progress& progress) {
    const QList<QRgb> table = image.colorTable();
    const int colours = table.isEmpty() ? 256 : static_cast<int>(table.size());
    auto dib = platform::PackedDib::create(image.width(), image.height(), 8, colours);
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const QRgb c = table[i];
        dib.setColour(i, {static_cast<std::uint8_t>(qBlue(c)), static_cast<std::uint8_t>(qGreen(c)),
                          static_cast<std::uint8_t>(qRed(c)), 0});
    }
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(dib.row(y), image.constScanLine(y), static_cast<std::size_t>(image.width()));
        progress.step(y + 1, image.height());
    }
    return dib;
}

// Qt's readers deliver 32-bit pixels (0xAARRGGBB); they are written straight
// into the bitmap's blue, green, red order, other formats are converted
// first.
platform::PackedDib rgbFromImage(const QImage& source, Progress& progress) {
    const bool direct =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32;
    const QImage image = direct ? source : source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    auto dib = platform::PackedDib::create(image.width(), image.height(), 24);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* out = dib.row(y);
        for (int x = 0; x < image.width(); ++x) {
            out[3 * x] = static_cast<std::uint8_t>(qBlue(in[x]));
            out[3 * x + 1] = static_cast<std::uint8_t>(qGreen(in[x]));
            out[3 * x + 2] = static_cast<std::uint8_t>(qRed(in[x]));
        }
        progress.step(y + 1, image.height());
    }
    return dib;
}

}  // namespace

bool sizeAllowed(long long width, long long height) {
    return width >= 1 && height >= 1 && width <= IMG_MAX_SIDE && height <= IMG_MAX_SIDE &&
           width * height <= IMG_MAX_PIXELS;
}

platform::PackedDib dibFromImage(const QImage& image, Progress& progress) {
    if (image.isNull() || !sizeAllowed(image.width(), image.height())) {
        return {};
    }
    if (image.format() == QImage::Format_Indexed8) {
        return indexedFromImage(image, progress);
    }
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) {
        return indexedFromImage(image.convertToFormat(QImage::Format_Indexed8), progress);
    }
    return rgbFromImage(image, progress);
}

platform::PackedDib normaliseDib(const platform::PackedDib& source) {
    if (source.isNull()) {
        return {};
    }
    const int width = source.width();
    const int height = source.height();
    const int bits = source.bitCount();
    if (!sizeAllowed(width, height)) {
        return {};
    }
    if (bits <= 8) {
        const int colours = static_cast<int>(source.colourCount());
        auto dib = platform::PackedDib::create(width, height, 8, colours);
        for (int i = 0; i < colours; ++i) {
            dib.setColour(i, source.colour(i));
        }
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* in = source.row(y);
            std::uint8_t* out = dib.row(y);
            for (int x = 0; x < width; ++x) {
                const std::uint8_t index = indexAt(in, x, bits);
                out[x] = index < colours ? index : 0;
            }
        }
        return dib;
    }
    if (bits != 24 && bits != 32) {
        return {};
    }
    auto dib = platform::PackedDib::create(width, height, 24);
    const int step = bits / 8;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = source.row(y);
        std::uint8_t* out = dib.row(y);
        for (int x = 0; x < width; ++x) {
            std::memcpy(out + 3 * x, in + step * x, 3);
        }
    }
    return dib;
}

}  // namespace imagelib
