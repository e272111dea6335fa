#include "DibImage.h"

namespace piclib {
namespace {

QRgb tableColour(const platform::PackedDib& dib, std::uint32_t index) {
    if (index >= dib.colourCount()) {
        return qRgb(0, 0, 0);
    }
    const platform::RgbQuad q = dib.colour(index);
    return qRgb(q.red, q.green, q.blue);
}

QRgb pixel(const platform::PackedDib& dib, const std::uint8_t* row, int x) {
    switch (dib.bitCount()) {
        case 1:
            return tableColour(dib, (row[x / 8] >> (7 - x % 8)) & 1u);
        case 4:
            return tableColour(dib, (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu);
        case 8:
            return tableColour(dib, row[x]);
        case 24:
            return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        default:
            return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    }
}

}  // namespace

QImage imageOfDib(const platform::PackedDib& dib) {
    const int bits = dib.isNull() ? 0 : dib.bitCount();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return {};
    }
    QImage image(dib.width(), dib.height(), QImage::Format_RGB32);
    for (int y = 0; y < dib.height(); ++y) {
        const std::uint8_t* row = dib.row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < dib.width(); ++x) {
            out[x] = pixel(dib, row, x);
        }
    }
    return image;
}

}  // namespace piclib
