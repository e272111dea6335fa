#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../src/ColourReduction.h"
#include "../src/ColourTables.h"
#include "ColourTestSupport.h"
#include "platform/MessageBox.h"

using colourtest::Rgb;
using piclib::ReduceColourDepth;

namespace {

int cubeIndex(const Rgb& v) {
    return 20 + 36 * ((v[0] + 25) / 51) + 6 * ((v[2] + 25) / 51) + (v[1] + 25) / 51;
}

Rgb cubeColour(int index) {
    const int i = index - 20;
    return {51 * (i / 36), 51 * (i % 6), 51 * ((i / 6) % 6)};
}

}  // namespace

TEST(ColourTables, SplitsErrorsIntoSixteenths) {
    const piclib::ColourTables& t = piclib::ColourTables::instance();
    const auto shares = [&](int e) {
        const piclib::ColourTables::Shares& s = t.share(e);
        return std::vector<int>{s.ahead, s.below, s.belowBehind, s.belowAhead};
    };
    EXPECT_EQ((std::vector<int>{7, 5, 4, 1}), shares(17));
    EXPECT_EQ((std::vector<int>{-1, 0, 0, 0}), shares(-1));
    EXPECT_EQ((std::vector<int>{-112, -80, -47, -16}), shares(-255));
    for (int e = -255; e <= 255; ++e) {
        const std::vector<int> s = shares(e);
        EXPECT_EQ(e, s[0] + s[1] + s[2] + s[3]) << e;
    }
    EXPECT_EQ(20, t.limit(255));
    EXPECT_EQ(-20, t.limit(-21));
    EXPECT_EQ(0, t.clamp(-20));
    EXPECT_EQ(255, t.clamp(275));
    EXPECT_EQ(10000u, t.square(-101));
    EXPECT_EQ(9801u, t.square(99));
}

TEST(ColourReduction, CubePictureIsReproducedExactlyByTheCube) {
    std::srand(7);
    const auto source = colourtest::makePicture(37, 23, [](int, int) {
        return Rgb{51 * (std::rand() % 6), 51 * (std::rand() % 6), 51 * (std::rand() % 6)};
    });
    const auto result = ReduceColourDepth(source, 8, 1, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x) {
            const std::uint8_t* s = source.row(y) + 3 * x;
            const Rgb expected{s[2], s[1], s[0]};
            EXPECT_EQ(cubeIndex(expected), result.row(y)[x]);
            EXPECT_EQ(expected, colourtest::tableColour(result, result.row(y)[x]));
        }
    }
}

TEST(ColourReduction, ResultHeaderAndCubeTable) {
    const auto source = colourtest::syntheticPicture(13, 5, 1);
    const auto result = ReduceColourDepth(source, 8, 1, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    const platform::BitmapInfoHeader h = result.header();
    EXPECT_EQ(40u, h.size);
    EXPECT_EQ(13, h.width);
    EXPECT_EQ(5, h.height);
    EXPECT_EQ(1, h.planes);
    EXPECT_EQ(8, h.bitCount);
    EXPECT_EQ(0u, h.compression);
    EXPECT_EQ(16u * 5u, h.sizeImage);
    EXPECT_EQ(256u, h.clrUsed);
    EXPECT_EQ(0u, h.clrImportant);
    EXPECT_EQ(40u + 1024u + 80u, result.size());
    for (int i : {0, 19, 236, 239, 240}) {
        EXPECT_EQ((Rgb{0, 0, 0}), colourtest::tableColour(result, i)) << i;
    }
    EXPECT_EQ((Rgb{0, 51, 0}), colourtest::tableColour(result, 21));
    EXPECT_EQ((Rgb{0, 0, 51}), colourtest::tableColour(result, 26));
    EXPECT_EQ((Rgb{51, 0, 0}), colourtest::tableColour(result, 56));
    EXPECT_EQ((Rgb{192, 0, 170}), colourtest::tableColour(result, 245));
    EXPECT_EQ((Rgb{255, 255, 255}), colourtest::tableColour(result, 255));
}

// Sizes cover a single row, a single column, odd heights and rows that need
// padding; every result must match the plain model pixel for pixel.
TEST(ColourReduction, CubeMatchesModelOfSerpentineDiffusion) {
    const int sizes[][2] = {{1, 1}, {9, 1}, {1, 9}, {7, 3}, {31, 17}, {64, 40}};
    for (const auto& size : sizes) {
        const auto source = colourtest::syntheticPicture(size[0], size[1], 3);
        const auto result = ReduceColourDepth(source, 8, 1, nullptr, nullptr);
        ASSERT_FALSE(result.isNull());
        const auto expected = colourtest::referenceConvert(source, cubeIndex, cubeColour);
        EXPECT_EQ(expected, colourtest::indices(result)) << size[0] << "x" << size[1];
    }
}

TEST(ColourReduction, SingleRowRunsLeftToRight) {
    const auto source = colourtest::makePicture(3, 1, [](int x, int) {
        return Rgb{x < 2 ? 20 : 0, 0, 0};
    });
    const auto result = ReduceColourDepth(source, 8, 1, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    // 20 -> 0 passes 8 ahead, lifting the second pixel to 28 -> 51.
    const std::vector<std::uint8_t> expected{20, 56, 20};
    EXPECT_EQ(expected, colourtest::indices(result));
}

// Only the row above feeds a row: a tall single column of a colour that
// rounds down must not drift as errors pile up over many rows.
TEST(ColourReduction, ColumnErrorsDoNotAccumulateDownThePicture) {
    const auto source = colourtest::makePicture(1, 200, [](int, int) { return Rgb{115, 0, 0}; });
    const auto result = ReduceColourDepth(source, 8, 1, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    for (const std::uint8_t index : colourtest::indices(result)) {
        ASSERT_EQ(20 + 36 * 2, index);
    }
}

TEST(ColourReduction, SampledMethodMatchesModelWithStrictlyNearerSamples) {
    const auto source = colourtest::syntheticPicture(48, 33, 5);
    const auto result = ReduceColourDepth(source, 8, 2, nullptr, nullptr);
    ASSERT_FALSE(result.isNull());
    std::vector<Rgb> table(256);
    for (int i = 0; i < 256; ++i) {
        table[i] = colourtest::tableColour(result, i);
    }
    for (int k = 0; k < 40; ++k) {
        const int x = (48 / 16) * (2 * (k % 8) + 1);
        const int y = (33 / 10) * (2 * (k / 8) + 1);
        const std::uint8_t* s = source.row(y) + 3 * x;
        EXPECT_EQ((Rgb{s[2], s[1], s[0]}), table[k < 20 ? k : 216 + k]) << k;
    }
    const auto nearest = [&](const Rgb& v) {
        int best = cubeIndex(v);
        for (int k = 0; k < 40; ++k) {
            const int i = k < 20 ? k : 216 + k;
            if (colourtest::distance(v, table[i]) < colourtest::distance(v, table[best])) {
                best = i;
            }
        }
        return best;
    };
    const auto expected =
        colourtest::referenceConvert(source, nearest, [&](int i) { return table[i]; });
    EXPECT_EQ(expected, colourtest::indices(result));
}

TEST(ColourReduction, RefusesUnknownMethodsDepthsAndEmptySources) {
    const auto source = colourtest::syntheticPicture(8, 8, 1);
    EXPECT_TRUE(ReduceColourDepth(source, 8, 0, nullptr, nullptr).isNull());
    EXPECT_TRUE(ReduceColourDepth(source, 8, 4, nullptr, nullptr).isNull());
    EXPECT_TRUE(ReduceColourDepth(source, 4, 1, nullptr, nullptr).isNull());
    EXPECT_TRUE(ReduceColourDepth(platform::PackedDib{}, 8, 1, nullptr, nullptr).isNull());
}

TEST(ColourReduction, ShortBlockWarnsAndNeverReadsBeyondIt) {
    std::vector<std::string> shown;
    platform::setMessageBoxInterceptor([&](const platform::MessageBoxRecord& r) {
        shown.push_back(r.text);
        return IDOK;
    });
    struct Restore {
        ~Restore() { platform::setMessageBoxInterceptor({}); }
    } restore;
    auto source = colourtest::syntheticPicture(8, 8, 1);
    platform::BitmapInfoHeader h = source.header();
    h.sizeImage += 100;  // states more than the block holds; the rows still fit
    source.setHeader(h);
    EXPECT_FALSE(ReduceColourDepth(source, 8, 3, nullptr, nullptr).isNull());
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("UUPS", shown[0]);

    h.height = 9;  // a row more than the block holds
    h.sizeImage = 0;
    source.setHeader(h);
    EXPECT_TRUE(ReduceColourDepth(source, 8, 1, nullptr, nullptr).isNull());
    EXPECT_EQ(2u, shown.size());
}

TEST(ColourReduction, PalettedAndTopDownSourcesReduceLikeTheirColours) {
    const auto truth = colourtest::syntheticPicture(21, 11, 9);
    auto paletted = platform::PackedDib::create(21, 11, 8, 256);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 21; ++x) {
            const std::uint8_t* s = truth.row(y) + 3 * x;
            const int i = y * 21 + x;
            paletted.setColour(static_cast<std::uint32_t>(i), {s[0], s[1], s[2], 0});
            paletted.row(y)[x] = static_cast<std::uint8_t>(i);
        }
    }
    // Rows are converted in storage order, whichever way up they are stored.
    auto topDown = platform::PackedDib::create(21, -11, 24);
    std::copy(truth.block().begin() + 40, truth.block().end(), topDown.data() + 40);
    for (int method = 1; method <= 3; ++method) {
        const auto expected = ReduceColourDepth(truth, 8, method, nullptr, nullptr);
        const auto fromTable = ReduceColourDepth(paletted, 8, method, nullptr, nullptr);
        ASSERT_FALSE(fromTable.isNull());
        EXPECT_EQ(expected.block(), fromTable.block()) << method;
        if (method != 2) {  // samples are taken counting from the top
            const auto fromTop = ReduceColourDepth(topDown, 8, method, nullptr, nullptr);
            ASSERT_FALSE(fromTop.isNull());
            EXPECT_EQ(-11, fromTop.header().height);
            EXPECT_EQ(colourtest::indices(expected), colourtest::indices(fromTop)) << method;
        }
    }
}
