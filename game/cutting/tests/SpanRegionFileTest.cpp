#include <gtest/gtest.h>

#include "SpanRegionTestSupport.h"
#include "cutting/SpanRegion.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

using cutting::SpanRegion;
using platform::ByteReader;
using platform::ByteWriter;

namespace {

std::vector<std::uint8_t> saved(const SpanRegion& r) {
    ByteWriter out;
    r.write(out);
    return out.take();
}

// A saved region built field by field: counts, bounds (left, top, right,
// bottom), runs (left, right, top, bottom), terminator and 24 bytes.
std::vector<std::uint8_t> record(int count, int again, std::vector<cutting::Run> runs,
                                 cutting::RegionBounds b, int tailBytes = 32) {
    ByteWriter out;
    out.i32(count);
    out.i32(again);
    out.i16(b.left);
    out.i16(b.top);
    out.i16(b.right);
    out.i16(b.bottom);
    for (const auto& r : runs) {
        out.i16(r.left);
        out.i16(r.right);
        out.i16(r.top);
        out.i16(r.bottom);
    }
    for (int i = 0; i < tailBytes / 2; ++i) {
        out.i16(i < 4 ? 32000 : 0);
    }
    return out.take();
}

std::string refusal(const std::vector<std::uint8_t>& bytes) {
    ByteReader in(bytes);
    SpanRegion r = SpanRegion::fromRect(0, 0, 5, 5);
    EXPECT_FALSE(r.read(in));
    EXPECT_TRUE(r.allocated());
    EXPECT_EQ(r.count(), 0) << "a refused record leaves no runs";
    return in.error();
}

}  // namespace

TEST(SpanRegionFile, RoundTripIsByteIdentical) {
    std::srand(21);
    for (int round = 0; round < 20; ++round) {
        const auto mask =
            regiontest::randomMask(1 + std::rand() % 80, 1 + std::rand() % 30, nullptr);
        SpanRegion r = SpanRegion::fromMask(mask.bits(7, 9));
        const auto first = saved(r);
        ASSERT_EQ(first.size(), 16u + static_cast<std::size_t>(r.count()) * 8 + 32);
        ByteReader in(first);
        SpanRegion back;
        ASSERT_TRUE(back.read(in)) << in.error();
        EXPECT_EQ(in.remaining(), 0u);
        EXPECT_EQ(back.count(), r.count());
        EXPECT_EQ(back.bounds(), r.bounds());
        EXPECT_EQ(regiontest::pixelsOf(back), regiontest::pixelsOf(r));
        EXPECT_EQ(saved(back), first);
    }
}

TEST(SpanRegionFile, EmptyRegionIsFortyEightBytes) {
    regiontest::Mask m(30, 4);
    const auto bytes = saved(SpanRegion::fromMask(m.bits()));
    ASSERT_EQ(bytes.size(), 8u + 8u + 32u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[16], 32000 & 0xFF);
    EXPECT_EQ(bytes[17], 32000 >> 8);
}

TEST(SpanRegionFile, MeaninglessTailBytesSurviveARoundTrip) {
    auto bytes = record(1, 1, {{2, 5, 3, 3}}, {2, 5, 3, 3});
    bytes[bytes.size() - 3] = 0xAB;
    ByteReader in(bytes);
    SpanRegion r;
    ASSERT_TRUE(r.read(in));
    EXPECT_TRUE(r.contains(5, 3));
    EXPECT_EQ(saved(r), bytes);
}

TEST(SpanRegionFile, MalformedRecordsAreRefused) {
    const cutting::RegionBounds b{0, 9, 0, 9};
    EXPECT_EQ(refusal(record(-1, -1, {}, b)), "Region: negative run count");
    EXPECT_EQ(refusal(record(2, 3, {}, b)), "Region: the two run counts differ");
    EXPECT_EQ(refusal(record(100000000, 100000000, {}, b)),
              "Region: more runs than the data holds");
    EXPECT_EQ(refusal(record(1, 1, {{0, 1, 0, 0}}, b, 30)),
              "Region: more runs than the data holds");
    EXPECT_EQ(refusal(record(1, 1, {{0, 12, 0, 0}}, b)), "Region: a run lies outside the bounds");
    EXPECT_EQ(refusal(record(1, 1, {{5, 1, 0, 0}}, b)), "Region: a run is inverted");
    EXPECT_EQ(refusal(record(2, 2, {{0, 1, 4, 4}, {0, 1, 3, 3}}, b)), "Region: runs out of order");
    EXPECT_EQ(refusal(record(2, 2, {{0, 4, 3, 3}, {2, 6, 3, 3}}, b)), "Region: runs out of order");
    EXPECT_EQ(refusal(record(2, 2, {{0, 1, 0, 5}, {4, 6, 6, 6}}, b)),
              "Region: a run of several rows among others");
    const auto whole = record(1, 1, {{0, 1, 0, 0}}, b);
    EXPECT_EQ(refusal({whole.begin(), whole.begin() + 10}), "Unexpected end of data");
}

// A collection appended out of order is saved with the bounds of its end runs:
// top from the first run, bottom from the last, right never below 0.
TEST(SpanRegionFile, AppendedCollectionSavesTheBoundsOfItsEndRuns) {
    SpanRegion rims = SpanRegion::fromRect(-20, 30, -12, 30);
    rims.append(SpanRegion::fromRect(-8, 5, -6, 5));
    const std::vector<cutting::Run> runs{{-20, -12, 30, 30}, {-8, -6, 5, 5}};
    EXPECT_EQ(saved(rims), record(2, 2, runs, {-20, 0, 30, 5}));
}
