#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>

#include "PiclibTestSupport.h"
#include "PictureFileWriter.h"
#include "PictureInfo.h"
#include "imagelib.h"

namespace {

piclib::PictureFields everyField() {
    piclib::PictureFields f;
    f.textA = "A";
    f.pictureTopic = "HARBOUR";
    f.artistTopic = "HARBOUR_PAINTER";
    f.helpFile = "GALLERY.HLP";
    f.longEnglish = "A harbour at dawn";
    f.shortEnglish = "Harbour";
    f.textB = "B";
    f.shortFrench = "Port";
    f.shortSpanish = "Puerto";
    f.shortGerman = "Hafen";
    f.shortItalian = "Porto";
    f.longFrench = "Un port";
    f.longGerman = "Ein Hafen";
    f.longSpanish = "Un puerto";
    f.longItalian = "Un porto";
    f.logoColour = 0x00123456;
    f.logoHorizontal = 1;
    f.logoVertical = 2;
    f.logoEnabled = 1;
    f.logoHorizontalMargin = 7;
    f.logoVerticalMargin = 9;
    f.displayOption = 25;
    return f;
}

piclib::PictureFileWriter writerWith(const piclib::PictureFields& fields) {
    piclib::PictureFileWriter w;
    w.fields = fields;
    w.emblem = pictest::encoded(pictest::filled(6, 4, qRgb(255, 0, 0)), "png");
    w.picture = pictest::encoded(pictest::filled(30, 20, qRgb(0, 0, 255)), "bmp");
    return w;
}

std::string written(const std::string& name, const piclib::PictureFileWriter& w) {
    const std::string path = pictest::scratchFolder("files") + "/" + name;
    EXPECT_TRUE(w.write(path));
    return path;
}

}  // namespace

TEST(PictureFile, WriterAndReaderAgreeOnEveryElementAndBothPictures) {
    const piclib::PictureFields f = everyField();
    const std::string path = written("HARBOUR.PPX", writerWith(f));
    piclib::PictureInfo info(path);
    ASSERT_TRUE(info.hasInformation());
    const piclib::PictureFields& r = info.fields();
    EXPECT_EQ(r.textA, f.textA);
    EXPECT_EQ(r.pictureTopic, f.pictureTopic);
    EXPECT_EQ(r.artistTopic, f.artistTopic);
    EXPECT_EQ(r.helpFile, f.helpFile);
    EXPECT_EQ(r.textB, f.textB);
    EXPECT_EQ(r.logoColour, f.logoColour);
    EXPECT_EQ(r.logoHorizontal, 1);
    EXPECT_EQ(r.logoVertical, 2);
    EXPECT_EQ(r.logoEnabled, 1);
    EXPECT_EQ(r.logoHorizontalMargin, 7);
    EXPECT_EQ(r.logoVerticalMargin, 9);
    EXPECT_EQ(r.displayOption, 25);
    EXPECT_EQ(info.shortDescription('E'), "Harbour");
    EXPECT_EQ(info.shortDescription('G'), "Hafen");
    EXPECT_EQ(info.shortDescription('F'), "Port");
    EXPECT_EQ(info.shortDescription('S'), "Puerto");
    EXPECT_EQ(info.shortDescription('I'), "Porto");
    EXPECT_EQ(info.shortDescription('X'), "Harbour");
    EXPECT_EQ(info.longDescription('G'), "Ein Hafen");
    EXPECT_EQ(info.longDescription('S'), "Un puerto");
    EXPECT_EQ(info.longDescription('I'), "Un porto");
    EXPECT_EQ(info.longDescription('F'), "Un port");

    const int main = info.loadMainPicture();
    ASSERT_NE(main, 0);
    EXPECT_EQ(info.loadMainPicture(), main);
    EXPECT_EQ(info.pictureWidth(), 30);
    EXPECT_EQ(info.pictureHeight(), 20);
    EXPECT_EQ(IMGGetDisplayOption(main - 1), 25);
    const int emblem = info.loadEmblem();
    ASSERT_NE(emblem, 0);
    int w = 0;
    IMGGetDib(emblem - 1, &w, nullptr, nullptr);
    EXPECT_EQ(w, 6);
    const int copy = info.loadMainPictureCopy();
    EXPECT_NE(copy, main);
    IMGFree(copy - 1);
}

TEST(PictureFile, TheRecordFreesWhatItLoaded) {
    const std::string path = written("OWNED.PPX", writerWith(everyField()));
    int main = 0;
    int emblem = 0;
    {
        piclib::PictureInfo info(path);
        main = info.loadMainPicture();
        emblem = info.loadEmblem();
        ASSERT_NE(main, 0);
    }
    EXPECT_EQ(IMGGetDib(main - 1, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(IMGGetDib(emblem - 1, nullptr, nullptr, nullptr), nullptr);
}

TEST(PictureFile, EveryShorterBlockKeepsDefaultsOfTheMissingElements) {
    const piclib::PictureFields f = everyField();
    for (int last = 11; last <= 18; ++last) {
        SCOPED_TRACE(last);
        auto w = writerWith(f);
        w.lastElement = static_cast<piclib::InfoElement>(last);
        piclib::PictureInfo info(written("SHORT.PPX", w));
        ASSERT_TRUE(info.hasInformation());
        const auto& r = info.fields();
        EXPECT_EQ(r.longEnglish, f.longEnglish);
        const std::string english = last >= 12 ? f.shortEnglish : "SHORT";
        EXPECT_EQ(r.shortEnglish, english);
        EXPECT_EQ(r.displayOption, last >= 13 ? 25 : 0);
        EXPECT_EQ(r.textB, last >= 14 ? "B" : "");
        EXPECT_EQ(r.logoVerticalMargin, last >= 15 ? 9 : 7);
        EXPECT_EQ(info.shortDescription('G'), last >= 16 ? "Hafen" : english);
        EXPECT_EQ(info.longDescription('F'), last >= 16 ? "Un port" : f.longEnglish);
        EXPECT_EQ(info.shortDescription('I'), last >= 17 ? "Porto" : english);
        EXPECT_EQ(info.longDescription('I'), last >= 17 ? "Un porto" : f.longEnglish);
    }
}

TEST(PictureFile, UntaggedFileGetsDefaultsFromItsName) {
    const std::string dir = pictest::scratchFolder("untagged");
    const std::string path = dir + "/ROSE.BMP";
    pictest::writeFile(path, pictest::encoded(pictest::filled(8, 5, qRgb(1, 2, 3)), "bmp"));
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    piclib::PictureInfo info("ROSE.BMP");
    std::filesystem::current_path(cwd);
    EXPECT_FALSE(info.hasInformation());
    EXPECT_EQ(info.pictureOffset(), 0u);
    EXPECT_EQ(info.fields().pictureTopic, "ROSE");
    EXPECT_EQ(info.fields().artistTopic, "ROSE_ARTIST");
    EXPECT_EQ(info.fields().helpFile, "untagged");
    EXPECT_EQ(info.shortDescription('E'), "ROSE");
    EXPECT_EQ(info.shortDescription('G'), "");
    EXPECT_EQ(info.fields().logoEnabled, 0);
    EXPECT_EQ(info.ppxName(), "ROSE.PPX");
    const int whole = info.loadMainPicture();
    ASSERT_NE(whole, 0);
    EXPECT_EQ(info.pictureWidth(), 8);
    // The emblem of a file without information is the built-in logo, whose
    // transparent colour is pure green.
    ASSERT_NE(info.loadEmblem(), 0);
    EXPECT_EQ(info.fields().logoColour, 0x0000FF00u);
}

TEST(PictureFile, HelpFileExtensionFollowsTheLanguage) {
    auto f = everyField();
    f.helpFile = "ROSE";
    piclib::PictureInfo info(written("HELPEXT.PPX", writerWith(f)));
    EXPECT_EQ(info.helpFileName('G'), "ROSE.HLG");
    EXPECT_EQ(info.helpFileName('F'), "ROSE.HLF");
    EXPECT_EQ(info.helpFileName('E'), "ROSE.HLP");
    EXPECT_EQ(info.helpFileName('X'), "ROSE.HLP");
    const std::string dir = std::filesystem::path(info.status().fullPath).parent_path().string();
    EXPECT_EQ(info.helpFilePath('S'), dir + "/ROSE.HLS");
    f.helpFile = "OWN.HLP";
    piclib::PictureInfo named(written("HELPNAMED.PPX", writerWith(f)));
    EXPECT_EQ(named.helpFileName('G'), "OWN.HLP");
}

TEST(PictureFile, HelpAvailabilityIsCachedPerPath) {
    piclib::PictureInfo::clearHelpCaches();
    auto f = everyField();
    f.helpFile = "CACHED.HLP";
    const std::string path = written("CACHED.PPX", writerWith(f));
    const std::string help = std::filesystem::path(path).parent_path().string() + "/CACHED.HLP";
    piclib::PictureInfo info(path);
    EXPECT_FALSE(info.pictureHelpAvailable('E'));
    pictest::writeFile(help, {'<', 'p', '>'});
    EXPECT_FALSE(info.pictureHelpAvailable('E'));  // same path: cached answer
    piclib::PictureInfo::clearHelpCaches();
    EXPECT_TRUE(info.pictureHelpAvailable('E'));
    EXPECT_TRUE(info.artistHelpAvailable('E'));
    f.helpFile.clear();
    piclib::PictureInfo none(written("NOHELP.PPX", writerWith(f)));
    EXPECT_FALSE(none.artistHelpAvailable('E'));
}

TEST(PictureFile, PreviewBitmapIsReadAndACompressedOneDropped) {
    auto preview = platform::PackedDib::create(3, 2, 8, 4);
    preview.setColour(2, {10, 20, 30, 0});
    auto w = writerWith(everyField());
    w.preview = preview.block();
    {
        piclib::PictureInfo info(written("PREVIEW.PPX", w));
        ASSERT_FALSE(info.preview().isNull());
        EXPECT_EQ(info.preview().width(), 3);
        ASSERT_EQ(info.previewPalette().size(), 4u);
        EXPECT_EQ(info.previewPalette()[2], 0x001E140Au);
    }
    auto header = preview.header();
    header.compression = 1;
    preview.setHeader(header);
    w.preview = preview.block();
    piclib::PictureInfo info(written("PACKED.PPX", w));
    EXPECT_TRUE(info.hasInformation());
    EXPECT_TRUE(info.preview().isNull());
}

TEST(PictureFile, TrailerOrPictureOffsetOutsideTheFileIsTakenAsNoInformation) {
    auto bytes = writerWith(everyField()).bytes();
    const std::string dir = pictest::scratchFolder("broken");
    // Info offset far beyond the end of the file.
    auto outside = bytes;
    const std::size_t trailer = outside.size() - 9;
    outside[trailer + 3] = 0x7F;
    pictest::writeFile(dir + "/OUTSIDE.PPX", outside);
    piclib::PictureInfo a(dir + "/OUTSIDE.PPX");
    EXPECT_FALSE(a.hasInformation());
    EXPECT_EQ(a.fields().pictureTopic, "OUTSIDE");
    EXPECT_EQ(a.pictureOffset(), 0u);
    // The block's picture offset pointing into the block itself.
    auto inside = bytes;
    const std::uint32_t info =
        inside[trailer] | (inside[trailer + 1] << 8) | (inside[trailer + 2] << 16);
    inside[info + 2] = 0x10;
    pictest::writeFile(dir + "/INSIDE.PPX", inside);
    piclib::PictureInfo b(dir + "/INSIDE.PPX");
    EXPECT_FALSE(b.hasInformation());
    // A text whose length runs past the trailer ends the block there.
    auto cut = bytes;
    cut[info + 4] = 0x7F;
    pictest::writeFile(dir + "/CUT.PPX", cut);
    piclib::PictureInfo c(dir + "/CUT.PPX");
    EXPECT_TRUE(c.hasInformation());
    EXPECT_EQ(c.fields().pictureTopic, "CUT");
    // Files too short for a trailer, and missing files.
    pictest::writeFile(dir + "/TINY.PPX", {'P', 'Z'});
    EXPECT_FALSE(piclib::PictureInfo(dir + "/TINY.PPX").hasInformation());
    piclib::PictureInfo missing(dir + "/MISSING.PPX");
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(missing.loadMainPicture(), 0);
}

TEST(PictureFile, WriterRefusesIncompleteInput) {
    piclib::PictureFileWriter w;
    EXPECT_TRUE(w.bytes().empty());
    w = writerWith(everyField());
    w.fields.longEnglish.assign(40000, 'x');
    EXPECT_TRUE(w.bytes().empty());
}

// The size of the picture inside a picture file, not of the emblem before it,
// is known before any pixel is decoded; a plain picture file is its own main
// picture.
TEST(PictureFile, PingMeasuresTheMainPictureWithoutDecodingIt) {
    const std::string path = written("PINGED.PPX", writerWith(everyField()));
    int width = 0;
    int height = 0;
    EXPECT_TRUE(piclib::PictureInfo(path).pingMainPicture(&width, &height));
    EXPECT_EQ(width, 30);
    EXPECT_EQ(height, 20);
    const std::vector<std::uint8_t> png =
        pictest::encoded(pictest::filled(12, 9, qRgb(0, 255, 0)), "png");
    const std::string single = pictest::scratchFolder("files") + "/PLAIN.PNG";
    QFile out(QString::fromStdString(single));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<qint64>(png.size()));
    out.close();
    EXPECT_TRUE(piclib::PictureInfo(single).pingMainPicture(&width, &height));
    EXPECT_EQ(width, 12);
    EXPECT_EQ(height, 9);
    EXPECT_FALSE(piclib::PictureInfo(single + ".missing").pingMainPicture(&width, &height));
}
