#include <gtest/gtest.h>

#include <cstring>

#include "GalleryFile.h"
#include "GalleryList.h"
#include "GalleryWriter.h"
#include "PiclibTestSupport.h"
#include "platform/ByteWriter.h"
#include "platform/Profile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void putText(platform::ByteWriter& w, const std::string& text, std::size_t field) {
    for (std::size_t i = 0; i < field; ++i) {
        w.u8(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    }
}

void zeros(platform::ByteWriter& w, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        w.u8(0);
    }
}

// A header built field by field, independently of the writer.
void putHeader(platform::ByteWriter& w, const char* version, std::uint32_t firstEntry) {
    w.u8('P');
    w.u8('Z');
    putText(w, version, 10);
    putText(w, "Hand made", 500);
    zeros(w, 8 + 4);
    w.u32(firstEntry);
    zeros(w, 1036 - 528);
}

// A 2 x 1 8-bit thumbnail with a 12-byte core header and RLE8 rows are not
// possible together; this one is the core kind: colours 0 and 1, pixels 1 0.
void putCoreThumbnail(platform::ByteWriter& w) {
    w.u32(12);
    w.u16(2);
    w.u16(1);
    w.u16(1);
    w.u16(8);
    for (int c = 0; c < 256; ++c) {
        w.u8(static_cast<std::uint8_t>(c));  // blue
        w.u8(0);
        w.u8(0);
    }
    for (std::uint8_t b : {1, 0, 0, 0}) {
        w.u8(b);
    }
}

// An old-layout entry: 228 bytes (next, zero, title, description), then the
// 1423-byte block starting with the name and the directory.
void putOldEntry(platform::ByteWriter& w, std::uint32_t next, const std::string& title) {
    w.u32(next);
    w.u32(0);
    putText(w, title, 30);
    putText(w, title + " described", 190);
    putText(w, title + ".PPX", 255);
    putText(w, "/old", 200);
    zeros(w, 1423 - 455);
}

constexpr std::size_t kCoreThumbnailBytes = 12 + 768 + 4;

Bytes oldGallery() {
    platform::ByteWriter w;
    putHeader(w, "100", 0);
    const std::size_t step = 1651 + kCoreThumbnailBytes;
    for (int i = 0; i < 4; ++i) {
        putOldEntry(w, static_cast<std::uint32_t>(1036 + (i + 1) * step),
                    "Old" + std::to_string(i));
        putCoreThumbnail(w);
    }
    return w.take();
}

// A current-layout entry with the English and French titles.
void putCurrentEntry(platform::ByteWriter& w, std::uint32_t next, const std::string& title) {
    w.u32(next);
    w.u32(0);
    putText(w, title, 30);
    putText(w, title + " en", 190);
    zeros(w, 190);
    putText(w, title + " fr", 190);
    zeros(w, 2 * 190 + 30);
    putText(w, title + " titre", 30);
    zeros(w, 2 * 30);
    putText(w, title + ".PPX", 255);
    putText(w, "", 200);
    zeros(w, 65);
    for (std::int16_t v : {1, 2, 3, 4, 0, 5, 6}) {
        w.i16(v);
    }
    zeros(w, 889);
}

// A 4 x 1 RLE8 thumbnail with its file header: four pixels of colour 1.
void putRleThumbnail(platform::ByteWriter& w) {
    const std::uint32_t bits = 14 + 40 + 8;
    w.u8('B');
    w.u8('M');
    w.u32(bits + 6);
    w.u32(0);
    w.u32(bits);
    for (std::uint32_t v : {40u, 4u, 1u}) {
        w.u32(v);
    }
    w.u16(1);
    w.u16(8);
    w.u32(1);
    w.u32(6);
    w.u32(0);
    w.u32(0);
    w.u32(2);
    w.u32(0);
    w.u32(0);
    w.u32(0x00FF0000);
    for (std::uint8_t b : {4, 1, 0, 0, 0, 1}) {
        w.u8(b);
    }
}

constexpr std::size_t kRleThumbnailBytes = 14 + 40 + 8 + 6;

// Two cells and two pictures behind an index that lists the pictures in the
// other order; the chain of next-offsets ends after the first cell.
Bytes indexedGallery() {
    platform::ByteWriter w;
    const std::uint32_t first = 1036 + 12;
    putHeader(w, "201", first);
    const std::uint32_t step = 2531 + kRleThumbnailBytes;
    w.u32(2);
    w.u32(first + 3 * step);
    w.u32(first + 2 * step);
    for (int i = 0; i < 4; ++i) {
        putCurrentEntry(w, 0, "Pic" + std::to_string(i));
        putRleThumbnail(w);
    }
    return w.take();
}

}  // namespace

TEST(GalleryFile, OldLayoutIsReadByFollowingTheChain) {
    const piclib::GalleryFile g = piclib::GalleryFile::fromBytes(oldGallery());
    ASSERT_TRUE(g.valid());
    EXPECT_EQ(g.header().description, "Hand made");
    EXPECT_FALSE(g.hasIndex());
    const auto offsets = g.pictureOffsets();
    ASSERT_EQ(offsets.size(), 2u);
    const auto e = g.entryAt(offsets[1]);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->title('F'), "Old3");  // no French title: the English one
    EXPECT_EQ(e->description('G'), "Old3 described");
    EXPECT_EQ(e->pictureName, "Old3.PPX");
    EXPECT_EQ(e->pictureDirectory, "/old");
    const platform::PackedDib thumb = g.thumbnail(*e);
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(thumb.header().size, 40u);
    EXPECT_EQ(thumb.colour(1).blue, 1);
    EXPECT_EQ(thumb.row(0)[0], 1);
}

TEST(GalleryFile, IndexGivesThePicturesAndThumbnailsAreExpanded) {
    const piclib::GalleryFile g = piclib::GalleryFile::fromBytes(indexedGallery());
    ASSERT_TRUE(g.valid());
    EXPECT_TRUE(g.hasIndex());
    const auto offsets = g.pictureOffsets();
    ASSERT_EQ(offsets.size(), 2u);
    const auto e = g.entryAt(offsets[0]);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->title('E'), "Pic3");
    EXPECT_EQ(e->title('F'), "Pic3 titre");
    EXPECT_EQ(e->description('F'), "Pic3 fr");
    EXPECT_EQ(e->title('G'), "Pic3");
    EXPECT_EQ(e->description('G'), "Pic3 en");
    EXPECT_EQ(e->titleRectangle, (std::array<std::int16_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(e->thumbnailLeft, 5);
    EXPECT_EQ(e->thumbnailTop, 6);
    const auto cell = g.firstEntry();
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->titles[0], "Pic0");
    EXPECT_FALSE(g.nextEntry(*cell));
    const platform::PackedDib thumb = g.thumbnail(*e);
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(Bytes(thumb.row(0), thumb.row(0) + 4), (Bytes{1, 1, 1, 1}));
}

TEST(GalleryFile, WriterRoundTripsEveryFieldWithAndWithoutIndex) {
    piclib::GalleryWriter writer;
    writer.header.description = "Written";
    writer.header.titleColour = 0x00123456;
    writer.header.font.faceName = "Serif";
    writer.header.rest[0] = 7;
    writer.selectedCell.thumbnail = pictest::solidDib(3, 2, 0x0000FF).block();
    writer.normalCell.thumbnail = pictest::solidDib(5, 4, 0x00FF00).block();
    for (int i = 0; i < 3; ++i) {
        piclib::GalleryWriter::Item item;
        item.entry.titles = {"T" + std::to_string(i), "G", "F", "I", "S"};
        item.entry.descriptions = {"dE", "dG", "dF", "dI", "dS"};
        item.entry.pictureName = "P.PPX";
        item.entry.tail[888] = 9;
        item.thumbnail = pictest::solidDib(2 + i, 2, 0x808080).block();
        writer.pictures.push_back(item);
    }
    for (const bool index : {true, false}) {
        writer.withIndex = index;
        const Bytes bytes = writer.bytes();
        const piclib::GalleryFile g = piclib::GalleryFile::fromBytes(bytes);
        ASSERT_TRUE(g.valid());
        EXPECT_EQ(g.hasIndex(), index);
        EXPECT_EQ(g.header().font.faceName, "Serif");
        EXPECT_EQ(g.header().rest, writer.header.rest);
        EXPECT_EQ(g.header().titleColour, 0x00123456u);
        const auto offsets = g.pictureOffsets();
        ASSERT_EQ(offsets.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const auto e = g.entryAt(offsets[i]);
            ASSERT_TRUE(e);
            EXPECT_EQ(e->titles, writer.pictures[i].entry.titles);
            EXPECT_EQ(e->descriptions[4], "dS");
            EXPECT_EQ(e->tail, writer.pictures[i].entry.tail);
            EXPECT_EQ(g.thumbnail(*e).block(), writer.pictures[i].thumbnail);
        }
        const auto normal = g.nextEntry(*g.firstEntry());
        ASSERT_TRUE(normal);
        EXPECT_EQ(g.thumbnail(*normal).width(), 5);
    }
}

TEST(GalleryFile, MalformedFilesYieldNothingOrSkipTheEntry) {
    Bytes noMagic = indexedGallery();
    noMagic[1] = 'X';
    EXPECT_FALSE(piclib::GalleryFile::fromBytes(noMagic).valid());
    EXPECT_TRUE(piclib::GalleryFile::fromBytes(noMagic).pictureOffsets().empty());

    Bytes absurd = indexedGallery();
    absurd[1036] = absurd[1037] = absurd[1038] = absurd[1039] = 0xFF;  // 4 billion pictures
    EXPECT_EQ(piclib::GalleryFile::fromBytes(absurd).pictureOffsets().size(), 2u);

    Bytes outside = indexedGallery();
    outside[1040 + 3] = 0x7F;  // first index entry far past the end
    const piclib::GalleryFile g = piclib::GalleryFile::fromBytes(outside);
    EXPECT_FALSE(g.entryAt(g.pictureOffsets()[0]));
    EXPECT_TRUE(g.entryAt(g.pictureOffsets()[1]));

    Bytes loop = oldGallery();
    loop[1036 + 2 * (1651 + kCoreThumbnailBytes)] = 0;  // third entry points back
    loop[1036 + 2 * (1651 + kCoreThumbnailBytes) + 1] = 0;
    EXPECT_EQ(piclib::GalleryFile::fromBytes(loop).pictureOffsets().size(), 1u);

    Bytes lying = indexedGallery();
    const std::size_t thumb = 1048 + 3 * (2531 + kRleThumbnailBytes) + 2531;
    lying[thumb + 14 + 4 + 1] = 0x70;  // width 28676 from six bytes of runs
    const piclib::GalleryFile l = piclib::GalleryFile::fromBytes(lying);
    EXPECT_TRUE(l.thumbnail(*l.entryAt(l.pictureOffsets()[0])).isNull());
}

TEST(GalleryFile, EveryTruncationIsReadSafely) {
    const Bytes full = indexedGallery();
    for (std::size_t n = 0; n < full.size(); ++n) {
        const auto g = piclib::GalleryFile::overBytes(std::span(full.data(), n));
        for (const std::uint32_t offset : g.pictureOffsets()) {
            if (const auto e = g.entryAt(offset)) {
                EXPECT_TRUE(n >= offset + 2531u + kRleThumbnailBytes || g.thumbnail(*e).isNull());
            }
        }
    }
}

class GalleryListTest : public ::testing::Test {
  protected:
    void SetUp() override { ini_ = pictest::scratchFolder("gallerylist") + "/Gallery.ini"; }
    std::string value(const char* section, const char* key) const {
        char buffer[256] = {};
        GetPrivateProfileStringA(section, key, "<none>", buffer, sizeof buffer, ini_.c_str());
        return buffer;
    }
    std::string ini_;
};

TEST_F(GalleryListTest, AddRenamesDuplicatesAndRewritesKnownPaths) {
    const piclib::GalleryList list(ini_);
    EXPECT_TRUE(list.add("/g/a.tmb", "Nature"));
    list.set(0, "/g/a.tmb", 7);
    EXPECT_EQ(list.lastPicture(0), 7);
    EXPECT_TRUE(list.add("/g/b.tmb", "Nature"));
    EXPECT_EQ(list.description(1), "Nature 1");
    EXPECT_FALSE(list.add("/g/a.tmb", "Animals"));
    EXPECT_EQ(value("Descriptions", "File0000"), "0000,Animals");
    EXPECT_EQ(list.find("Nature 1"), 1);
    EXPECT_EQ(list.find("Nature"), std::nullopt);
    EXPECT_EQ(list.count(), 2);
}

TEST_F(GalleryListTest, RemovingTheMiddleOfThreeRenumbersWithoutAGap) {
    const piclib::GalleryList list(ini_);
    for (const char* name : {"a", "b", "c"}) {
        list.add(std::string("/g/") + name + ".tmb", std::string("Gallery ") + name);
    }
    list.set(2, "/g/c.tmb", 4);
    list.setLastOpened(2);
    list.remove(1);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.path(1), "/g/c.tmb");
    EXPECT_EQ(value("Descriptions", "File0001"), "0004,Gallery c");
    EXPECT_EQ(value("Galleries", "File0002"), "<none>");
    EXPECT_EQ(value("Descriptions", "File0002"), "<none>");
    EXPECT_EQ(list.lastOpened(), 0);
}
