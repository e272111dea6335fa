#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "GalleryAssembler.h"
#include "GalleryFile.h"
#include "PictureDescription.h"
#include "PictureSet.h"

using namespace ppxbuild;

namespace {

const std::string kDescriptions = TESSELLA_SOURCE_DIR "/data/pictures";
const std::string kGallery = TESSELLA_BINARY_DIR "/share/tessella/pictures/TESSELLA.TMB";

std::vector<std::uint8_t> galleryBytes() {
    std::ifstream in(kGallery, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(ShippedGallery, EveryPictureReadsBackWithItsTitlesThumbnailAndFile) {
    const piclib::GalleryFile g = piclib::GalleryFile::open(kGallery);
    ASSERT_TRUE(g.valid());
    EXPECT_EQ(g.header().description, "Tessella Pictures");
    const auto files = descriptionFiles(kDescriptions);
    const auto offsets = g.pictureOffsets();
    ASSERT_EQ(offsets.size(), files.size());
    const auto normal = g.nextEntry(*g.firstEntry());
    ASSERT_TRUE(normal);
    EXPECT_EQ(g.thumbnail(*normal).width(), kCellWidth);
    for (std::size_t i = 0; i < files.size(); ++i) {
        PictureDescription d;
        std::string error;
        ASSERT_TRUE(readDescription(files[i], d, error)) << error;
        const auto e = g.entryAt(offsets[i]);
        ASSERT_TRUE(e) << d.stem;
        EXPECT_EQ(e->title('E'), d.in(Language::kEnglish).title);
        EXPECT_EQ(e->title('G'), d.in(Language::kGerman).title);
        EXPECT_EQ(e->title('I'), d.in(Language::kItalian).title);
        EXPECT_EQ(d.in(Language::kFrench).description.rfind(e->description('F'), 0), 0u);
        const platform::PackedDib thumb = g.thumbnail(*e);
        ASSERT_FALSE(thumb.isNull()) << d.stem;
        EXPECT_LE(thumb.width(), kThumbnailWidth);
        EXPECT_LE(thumb.height(), kThumbnailHeight);
        std::string found;
        EXPECT_TRUE(piclib::findEntryPicture(*e, kGallery, found)) << found;
    }
}

TEST(ShippedGallery, EveryTruncationIsReadWithoutHarm) {
    const std::vector<std::uint8_t> full = galleryBytes();
    ASSERT_GT(full.size(), 2000u);
    std::size_t entries = 0;
    for (std::size_t n = 0; n <= full.size(); ++n) {
        const auto g = piclib::GalleryFile::overBytes(std::span(full.data(), n));
        // Entries before the cut read as in the whole file (the first test);
        // the one the cut falls into is the one to try.
        const auto offsets = g.pictureOffsets();
        const auto cut = std::find_if(offsets.rbegin(), offsets.rend(),
                                      [n](std::uint32_t offset) { return offset < n; });
        const auto last = cut == offsets.rend() ? std::nullopt : g.entryAt(*cut);
        if (last && !g.thumbnail(*last).isNull()) {
            ++entries;
        }
    }
    EXPECT_GT(entries, 0u);
}

TEST(GalleryAssembler, FieldsAreCutAtSentencesWordsAndWholeCharacters) {
    EXPECT_EQ(fitField("Short.", 30), "Short.");
    EXPECT_EQ(fitField("One two. Three four five", 20), "One two.");
    EXPECT_EQ(fitField("Alpha beta gamma", 12), "Alpha beta");
    EXPECT_EQ(fitField("\xC3\xA9\xC3\xA9\xC3\xA9", 6), "\xC3\xA9\xC3\xA9");
}
