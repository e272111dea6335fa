#include "ColourCube.h"

namespace piclib {
namespace {

constexpr int kStep = 51;  // distance between cube levels

// Red, green, blue of table entries 240 to 255.
constexpr int kFixed[16][3] = {{0, 0, 0},       {192, 0, 0},   {0, 192, 0},   {192, 192, 0},
                               {0, 0, 192},     {192, 0, 170}, {0, 192, 192}, {128, 128, 128},
                               {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                               {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

}  // namespace

ColourCube::ColourCube() {
    for (int v = 0; v < 256; ++v) {
        const int level = (v + kStep / 2) / kStep;
        red36_[v] = static_cast<std::uint8_t>(36 * level);
        blue6_[v] = static_cast<std::uint8_t>(6 * level);
        green1_[v] = static_cast<std::uint8_t>(level);
    }
    fillCube(palette_);
    for (int i = 0; i < 16; ++i) {
        palette_[240 + i] = {kFixed[i][0], kFixed[i][1], kFixed[i][2]};
    }
}

void ColourCube::fillCube(ReducePalette& palette) {
    for (int r = 0; r < 6; ++r) {
        for (int b = 0; b < 6; ++b) {
            for (int g = 0; g < 6; ++g) {
                palette[kFirst + 36 * r + 6 * b + g] = {kStep * r, kStep * g, kStep * b};
            }
        }
    }
}

}  // namespace piclib
