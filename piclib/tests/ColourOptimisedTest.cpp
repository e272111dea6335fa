#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "../src/ColourCandidates.h"
#include "../src/ColourReduction.h"
#include "ColourTestSupport.h"

using colourtest::Rgb;
using piclib::ReduceColourDepth;

namespace {

int boxOf(const Rgb& c) {
    return (c[0] / 16) * 256 + (c[1] / 16) * 16 + c[2] / 16;
}

std::vector<Rgb> table(const platform::PackedDib& dib) {
    std::vector<Rgb> t;
    for (int i = 0; i < 256; ++i) {
        t.push_back(colourtest::tableColour(dib, i));
    }
    return t;
}

}  // namespace

TEST(ColourOptimised, FewBoxesKeepOneEntryPerBoxAndReproduceThePicture) {
    std::vector<Rgb> colours;
    for (int i = 0; i < 60; ++i) {
        colours.push_back({16 * (i % 4) + 5, 16 * ((i / 4) % 5) + 9, 16 * (i / 20) + 2});
    }
    const auto source = colourtest::makePicture(
        30, 20, [&](int x, int y) { return colours[(x / 5 + 6 * (y / 2)) % colours.size()]; });
    const auto result = ReduceColourDepth(source, 8, 3, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    const std::vector<Rgb> t = table(result);
    const std::set<Rgb> chosen(t.begin() + 10, t.begin() + 70);
    EXPECT_EQ(std::set<Rgb>(colours.begin(), colours.end()), chosen);
    for (int i : {0, 9, 70, 245, 246, 255}) {
        EXPECT_EQ((Rgb{0, 0, 0}), t[i]) << i;
    }
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            const std::uint8_t* s = source.row(y) + 3 * x;
            ASSERT_EQ((Rgb{s[2], s[1], s[0]}), t[result.row(y)[x]]);
        }
    }
}

// Three boxes: two neighbours of equal merge cost and one far away. Equal
// costs are listed by the later-ranked (lower) cell first, the far cell last;
// the first listed cell takes the highest index. A box's entry is its
// rounded mean.
TEST(ColourOptimised, TableFollowsCostOrderWithRoundedMeans) {
    const auto source = colourtest::makePicture(4, 2, [](int x, int y) {
        if (x < 2) {
            return y == 0 ? Rgb{0, 0, 0} : Rgb{3, 3, 3};
        }
        return x == 2 ? Rgb{24, 8, 8} : Rgb{200, 200, 200};
    });
    const auto result = ReduceColourDepth(source, 8, 3, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ((Rgb{2, 2, 2}), colourtest::tableColour(result, 12));
    EXPECT_EQ((Rgb{24, 8, 8}), colourtest::tableColour(result, 11));
    EXPECT_EQ((Rgb{200, 200, 200}), colourtest::tableColour(result, 10));
}

TEST(ColourOptimised, ManyBoxesMergeTo226AndAddAtMostTenColours) {
    const auto source = colourtest::syntheticPicture(160, 120, 4);
    std::set<int> boxes;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 160; ++x) {
            const std::uint8_t* s = source.row(y) + 3 * x;
            boxes.insert(boxOf({s[2], s[1], s[0]}));
        }
    }
    ASSERT_GT(boxes.size(), 226u);
    const auto result = ReduceColourDepth(source, 8, 3, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    const std::vector<Rgb> t = table(result);
    EXPECT_EQ(226u, std::set<Rgb>(t.begin() + 10, t.begin() + 236).size());
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ((Rgb{0, 0, 0}), t[i]);
        EXPECT_EQ((Rgb{0, 0, 0}), t[246 + i]);
    }
    for (const std::uint8_t index : colourtest::indices(result)) {
        ASSERT_TRUE(index >= 10 && index <= 245) << int(index);
    }
}

// The candidate lists only narrow the search: every answer must be as near as
// the nearest chosen colour, and new colours must appear exactly when the
// nearest is farther than (256 / (256 - chosen))^2 while fewer than 236 are
// chosen.
TEST(ColourOptimised, CandidateSearchAgreesWithExhaustiveSearch) {
    for (const int initial : {1, 40, 226}) {
        std::srand(static_cast<unsigned>(initial));
        piclib::ReducePalette palette{};
        for (int i = 0; i < initial; ++i) {
            palette[10 + i] = {std::rand() % 256, std::rand() % 256, std::rand() % 256};
        }
        piclib::ColourCandidates candidates(palette, initial);
        std::vector<Rgb> model;
        for (int i = 0; i < initial; ++i) {
            model.push_back({palette[10 + i].red, palette[10 + i].green, palette[10 + i].blue});
        }
        for (int n = 0; n < 20000; ++n) {
            const Rgb v = n % 3 == 0 ? Rgb{std::rand() % 256, std::rand() % 256, std::rand() % 256}
                                     : Rgb{(n * 37) % 256, (n * 11) % 256, (n * 5) % 256};
            int best = 1 << 30;
            for (const Rgb& c : model) {
                best = std::min(best, colourtest::distance(v, c));
            }
            const int chosen = static_cast<int>(model.size());
            const int q = chosen < 236 ? 256 / (256 - chosen) : 0;
            const bool grows = chosen < 236 && best > q * q;
            const int index = candidates.map(v[0], v[1], v[2]);
            if (grows) {
                model.push_back(v);
                ASSERT_EQ(10 + chosen, index);
            }
            const auto& c = candidates.palette()[index];
            ASSERT_EQ(grows ? 0 : best, colourtest::distance(v, {c.red, c.green, c.blue}))
                << initial << " query " << n;
        }
        EXPECT_EQ(static_cast<int>(model.size()), candidates.chosen());
    }
}

// A cell stops counting before 8,000,000 pixels: the pixels of the same box
// in the rows stored last (the top rows) do not move its mean.
TEST(ColourOptimised, CellCountStopsAtTheCap) {
    const int width = 4000;
    const int height = 2500;
    const auto source = colourtest::makePicture(width, height, [](int, int y) {
        return y < 500 ? Rgb{15, 15, 15} : Rgb{0, 0, 0};
    });
    const auto result = ReduceColourDepth(source, 8, 3, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ((Rgb{0, 0, 0}), colourtest::tableColour(result, 10));
}

TEST(ColourOptimised, ResultsAreIdenticalRunToRun) {
    const auto source = colourtest::syntheticPicture(90, 70, 2);
    const auto first = ReduceColourDepth(source, 8, 3, nullptr, nullptr);
    const auto other =
        ReduceColourDepth(colourtest::syntheticPicture(50, 31, 8), 8, 3, nullptr, nullptr);
    const auto second = ReduceColourDepth(source, 8, 3, nullptr, nullptr);
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(first.block(), second.block());
}

// Pins the exact output of each method for one fixed picture.
TEST(ColourOptimised, KnownAnswers) {
    const auto source = colourtest::syntheticPicture(96, 63, 11);
    const std::uint64_t expected[3] = {16235769124128035726ull, 581917362352333670ull,
                                       313251540762474199ull};
    for (int method = 1; method <= 3; ++method) {
        const auto result = ReduceColourDepth(source, 8, method, nullptr, nullptr);
        ASSERT_FALSE(result.isNull());
        EXPECT_EQ(expected[method - 1], colourtest::checksum(result)) << method;
    }
}
