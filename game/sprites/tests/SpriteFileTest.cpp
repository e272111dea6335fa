#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "sprites/SpriteStore.h"

using platform::ByteReader;
using platform::ByteWriter;
using sprites::Sprite;
using sprites::SpriteStore;

namespace {

template <typename T>
std::vector<std::uint8_t> saved(const T& thing) {
    ByteWriter out;
    thing.write(out);
    return out.take();
}

std::unique_ptr<Sprite> joinedGroup(platform::Surface& picture) {
    spritetest::Cut cut(30, 3, 2);
    SpriteStore store(6, 64, 64);
    store.setWorkspace(500, 500);
    auto kept = cut.sprite(&picture, 1, 1);
    auto other = cut.sprite(&picture, 0, 1);
    store.join(kept.get(), other.get());
    kept->locked = 1;
    kept->reserved = 7;
    kept->reserved2[1] = -3;
    kept->lastPointerX = 123;
    kept->grabY = 9;
    return kept;
}

// The 20 words after the region: cell count is the 11th.
std::size_t cellCountOffset(const std::vector<std::uint8_t>& bytes, int cells) {
    return bytes.size() - static_cast<std::size_t>(cells) * 4 - 40 + 20;
}

}  // namespace

TEST(SpriteFile, GroupRoundTripIsByteIdentical) {
    platform::Surface picture = spritetest::numberedPicture(90, 60);
    const auto group = joinedGroup(picture);
    const auto bytes = saved(*group);
    ByteReader in(bytes);
    Sprite back;
    ASSERT_TRUE(back.read(in)) << in.error();
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(back.cells, group->cells);
    EXPECT_EQ(back.box(), group->box());
    EXPECT_EQ(back.locked, 1);
    EXPECT_EQ(back.zoomMap, nullptr);
    EXPECT_EQ(saved(back), bytes);
}

TEST(SpriteFile, MalformedGroupsAreRefused) {
    platform::Surface picture = spritetest::numberedPicture(90, 60);
    const auto bytes = saved(*joinedGroup(picture));
    auto refusal = [](std::vector<std::uint8_t> b) {
        ByteReader in(b);
        Sprite s;
        EXPECT_FALSE(s.read(in));
        return in.error();
    };
    auto negativeCells = bytes;
    negativeCells[cellCountOffset(bytes, 2)] = 0xFF;
    negativeCells[cellCountOffset(bytes, 2) + 1] = 0xFF;
    EXPECT_EQ(refusal(negativeCells), "Sprite: cell count does not fit the data");
    auto manyCells = bytes;
    manyCells[cellCountOffset(bytes, 2)] = 3;
    EXPECT_EQ(refusal(manyCells), "Sprite: cell count does not fit the data");
    auto narrow = bytes;
    narrow[cellCountOffset(bytes, 2) - 12] = 20;  // width 20: region pokes out
    narrow[cellCountOffset(bytes, 2) - 11] = 0;
    EXPECT_EQ(refusal(narrow), "Sprite: region reaches outside the box");
    EXPECT_EQ(refusal({bytes.begin(), bytes.end() - 5}),
              "Sprite: cell count does not fit the data");
    EXPECT_EQ(refusal({bytes.begin(), bytes.end() - 12}), "Unexpected end of data");
}

TEST(SpriteFile, StoreRoundTripIsByteIdenticalAndStartsEmpty) {
    platform::Surface picture = spritetest::numberedPicture(90, 60);
    SpriteStore store(6, 64, 48);
    store.marginX = store.marginY = 10;
    store.snapTolerance = 12;
    store.groupThreshold = 4;
    store.placementFlags = SpriteStore::kOnSnap;
    store.moveAsideOn = 1;
    store.reserved3[2] = 5;
    store.pending = {1, 2, 300, 400};
    store.setWorkspace(180, 120);
    store.scrollTo(20, 10, true);
    store.add(joinedGroup(picture));
    const auto bytes = saved(store);
    ASSERT_EQ(bytes.size(), 17u * 2 + 16);

    SpriteStore back(1, 64, 48);
    ByteReader in(bytes);
    int savedCount = 0;
    ASSERT_TRUE(back.read(in, &savedCount)) << in.error();
    EXPECT_EQ(savedCount, 1);
    EXPECT_EQ(back.count(), 0);
    EXPECT_EQ(back.workspaceWidth(), 180);
    EXPECT_EQ(back.scrollX(), 20);
    back.add(joinedGroup(picture));
    EXPECT_EQ(saved(back), bytes);

    auto negative = bytes;
    negative[1] = 0x80;
    ByteReader bad(negative);
    EXPECT_FALSE(back.read(bad, &savedCount));
    EXPECT_EQ(bad.error(), "Sprite store: negative group count");
}
