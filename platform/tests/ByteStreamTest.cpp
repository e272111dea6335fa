#include <gtest/gtest.h>

#include <vector>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace {

TEST(ByteStream, FieldsRoundTripLittleEndian) {
    platform::ByteWriter w;
    w.u8(0xAB);
    w.i16(-2);
    w.u32(0x01020304);
    w.i32(-70000);
    const std::vector<std::uint8_t> expected = {0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02,
                                                0x01, 0x90, 0xEE, 0xFE, 0xFF};
    ASSERT_EQ(w.bytes(), expected);

    platform::ByteReader r(w.bytes());
    EXPECT_EQ(r.u8(), 0xAB);
    EXPECT_EQ(r.i16(), -2);
    EXPECT_EQ(r.u32(), 0x01020304u);
    EXPECT_EQ(r.i32(), -70000);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(ByteStream, ReadPastEndFailsOnceAndYieldsZero) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    platform::ByteReader r(bytes);
    EXPECT_EQ(r.u16(), 0x0201);
    EXPECT_EQ(r.u32(), 0u);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.error(), "Unexpected end of data");
    r.fail("later");
    EXPECT_EQ(r.error(), "Unexpected end of data");
    EXPECT_EQ(r.u8(), 0);
    EXPECT_TRUE(r.bytes(1).empty());
    EXPECT_EQ(r.remaining(), 0u);

    platform::ByteReader s(bytes);
    s.seek(3);
    EXPECT_TRUE(s.ok());
    s.seek(4);
    EXPECT_FALSE(s.ok());
}

}  // namespace
