// cutpreview <pictureWidth> <pictureHeight> <pieceSize> <seed> <out.png>
//
// Cuts a picture of the given size into square pieces the way the game does
// (grid = picture size / piece size, generator seeded with the seed) and
// writes a PNG: every piece in a colour of its own with a darker outline,
// pixels that no piece holds in white and pixels held by two pieces in black.

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "cutting/Failures.h"
#include "cutting/PieceCutter.h"

namespace {

struct Arguments {
    int width = 0;
    int height = 0;
    int pieceSize = 0;
    unsigned seed = 0;
    QString output;
};

// A whole number from 1 to limit, or 0 when the text is not one.
long parsePositive(const char* text, long limit) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 1 || value > limit) {
        return 0;
    }
    return value;
}

bool parseArguments(int argc, char** argv, Arguments& args) {
    if (argc != 6) {
        return false;
    }
    args.width = static_cast<int>(parsePositive(argv[1], 32000));
    args.height = static_cast<int>(parsePositive(argv[2], 32000));
    args.pieceSize = static_cast<int>(parsePositive(argv[3], 32000));
    args.seed = static_cast<unsigned>(parsePositive(argv[4], 2147483647L));
    args.output = QString::fromLocal8Bit(argv[5]);
    return args.width > 0 && args.height > 0 && args.pieceSize > 0 && args.seed > 0 &&
           args.pieceSize <= args.width && args.pieceSize <= args.height;
}

QRgb pieceColour(int index, bool outline) {
    const QColor colour = QColor::fromHsv((index * 137) % 360, 110, outline ? 120 : 235);
    return colour.rgb();
}

// A set pixel with a clear 4-neighbour lies on the piece's outline.
bool onOutline(const cutting::PieceMask& mask, int x, int y) {
    return !mask.pixel(x - 1, y) || !mask.pixel(x + 1, y) || !mask.pixel(x, y - 1) ||
           !mask.pixel(x, y + 1);
}

QImage drawCut(const cutting::PieceCutter& cutter, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::vector<int> owners(static_cast<std::size_t>(width) * height, 0);
    for (int c = 0; c < cutter.columns(); ++c) {
        for (int r = 0; r < cutter.rows(); ++r) {
            const cutting::PieceMask& mask = *cutter.mask(c, r);
            const cutting::MaskBox box = cutter.maskBox(c, r);
            for (int y = 0; y < mask.height(); ++y) {
                for (int x = 0; x < mask.width(); ++x) {
                    const int px = box.left + x;
                    const int py = box.top + y;
                    if (!mask.pixel(x, y) || px < 0 || py < 0 || px >= width || py >= height) {
                        continue;
                    }
                    const int held = ++owners[static_cast<std::size_t>(py) * width + px];
                    const QRgb colour =
                        held > 1 ? qRgb(0, 0, 0)
                                 : pieceColour(c * cutter.rows() + r, onOutline(mask, x, y));
                    image.setPixel(px, py, colour);
                }
            }
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!parseArguments(argc, argv, args)) {
        std::fprintf(stderr,
                     "usage: cutpreview <pictureWidth> <pictureHeight> <pieceSize> <seed> "
                     "<out.png>\n  sizes 1 to 32000, piece size at most the picture size, "
                     "seed above 0\n");
        return 1;
    }
    std::srand(args.seed);
    try {
        const cutting::PieceCutter cutter(args.pieceSize, args.pieceSize,
                                          args.width / args.pieceSize,
                                          args.height / args.pieceSize);
        if (!drawCut(cutter, args.width, args.height).save(args.output, "PNG")) {
            std::fprintf(stderr, "cutpreview: cannot write %s\n", argv[5]);
            return 2;
        }
    } catch (const cutting::MemoryException& e) {
        std::fprintf(stderr, "cutpreview: %s\n", e.what());
        return 2;
    }
    return 0;
}
