#include "LogoStamper.h"

#include <climits>

#include "platform/Surface.h"

namespace piclib {
namespace {

constexpr int kHighestFree = 254;
constexpr int kLowestFree = 1;

std::uint32_t quadColour(platform::RgbQuad q) {
    return (static_cast<std::uint32_t>(q.red) << 16) | (static_cast<std::uint32_t>(q.green) << 8) |
           q.blue;
}

std::uint8_t indexAt(const std::uint8_t* row, int x, int bits) {
    if (bits == 4) {
        return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    }
    return row[x];
}

// The colour of a logo pixel (8 or 24 bits; 4 bits read through the table).
std::uint32_t logoPixel(const platform::PackedDib& logo, int x, int y) {
    const std::uint8_t* row = logo.row(y);
    if (logo.bitCount() == 24) {
        const std::uint8_t* p = row + 3 * x;
        return (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) |
               p[0];
    }
    const std::uint8_t index = indexAt(row, x, logo.bitCount());
    return index < logo.colourCount() ? quadColour(logo.colour(index)) : 0;
}

int distance(std::uint32_t a, std::uint32_t b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

int along(int alignment, int size, int logoSize, int margin) {
    switch (alignment) {
        case 1:
            return size - margin - logoSize;
        case 2:
            return (size - logoSize) / 2;
        default:
            return margin;
    }
}

}  // namespace

LogoStamper::LogoStamper(platform::PackedDib& picture) : picture_(picture) {
    const int bits = picture.bitCount();
    if (bits != 4 && bits != 8) {
        return;
    }
    const std::uint32_t colours = std::min<std::uint32_t>(picture.colourCount(), 256);
    for (std::uint32_t i = 0; i < colours; ++i) {
        table_.push_back(quadColour(picture.colour(i)));
    }
    used_.assign(table_.size(), false);
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint8_t index = indexAt(row, x, bits);
            if (index < used_.size()) {
                used_[index] = true;
            }
        }
    }
}

void LogoStamper::placement(const PictureFields& fields, int pictureWidth, int pictureHeight,
                            int logoWidth, int logoHeight, int* x, int* y) {
    *x = along(fields.logoHorizontal, pictureWidth, logoWidth, fields.logoHorizontalMargin);
    *y = along(fields.logoVertical, pictureHeight, logoHeight, fields.logoVerticalMargin);
}

void LogoStamper::stamp(const platform::PackedDib& logo, const PictureFields& fields) {
    const int width = picture_.width();
    const int height = picture_.height();
    int x = 0;
    int y = 0;
    placement(fields, width, height, logo.width(), logo.height(), &x, &y);
    const std::uint32_t transparent = platform::pixelFromColorRef(fields.logoColour);
    for (int i = 0; i < logo.height() && y + i < height; ++i) {
        if (y + i < 0) {
            continue;
        }
        for (int j = 0; j < logo.width() && x + j < width; ++j) {
            if (x + j < 0) {
                continue;
            }
            const std::uint32_t colour = logoPixel(logo, j, i);
            if (colour != transparent) {
                setPixel(x + j, y + i, colour);
            }
        }
    }
}

void LogoStamper::setPixel(int x, int y, std::uint32_t colour) {
    std::uint8_t* row = picture_.row(y);
    switch (picture_.bitCount()) {
        case 24:
            row[3 * x] = static_cast<std::uint8_t>(colour);
            row[3 * x + 1] = static_cast<std::uint8_t>(colour >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(colour >> 16);
            return;
        case 8: {
            int index = nearestIndex(colour);
            if (index >= 0 && table_[index] != colour && addingColours_) {
                addingColours_ = addColour(colour);
                index = nearestIndex(colour);
            }
            if (index >= 0) {
                row[x] = static_cast<std::uint8_t>(index);
            }
            return;
        }
        case 4: {
            const int index = nearestIndex(colour);
            if (index < 0) {
                return;
            }
            std::uint8_t& byte = row[x >> 1];
            byte = (x & 1) ? static_cast<std::uint8_t>((byte & 0xF0) | index)
                           : static_cast<std::uint8_t>((byte & 0x0F) | (index << 4));
            return;
        }
        default:
            return;
    }
}

int LogoStamper::nearestIndex(std::uint32_t colour) const {
    int best = -1;
    int bestDistance = INT_MAX;
    for (std::size_t i = 0; i < table_.size(); ++i) {
        const int d = distance(colour, table_[i]);
        if (d < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    return best;
}

bool LogoStamper::addColour(std::uint32_t colour) {
    const int highest = std::min<int>(kHighestFree, static_cast<int>(table_.size()) - 1);
    for (int i = highest; i >= kLowestFree; --i) {
        if (!used_[i]) {
            used_[i] = true;
            table_[i] = colour;
            picture_.setColour(
                static_cast<std::uint32_t>(i),
                {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                 static_cast<std::uint8_t>(colour >> 16), 0});
            return true;
        }
    }
    return false;
}

}  // namespace piclib
