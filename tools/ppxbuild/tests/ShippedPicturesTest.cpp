#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "HelpPage.h"
#include "PictureDescription.h"
#include "PictureInfo.h"
#include "PictureSet.h"
#include "PpxAssembler.h"

namespace fs = std::filesystem;
using namespace ppxbuild;

namespace {

const std::string kDescriptions = TESSELLA_SOURCE_DIR "/data/pictures";
const std::string kBuilt = TESSELLA_BINARY_DIR "/share/tessella/pictures";
constexpr char kLetters[kLanguageCount] = {'E', 'G', 'F', 'S', 'I'};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

PictureDescription described(const std::string& file) {
    PictureDescription d;
    std::string error;
    EXPECT_TRUE(readDescription(file, d, error)) << error;
    return d;
}

}  // namespace

TEST(ShippedPictures, EveryPictureReadsBackWithFiveLanguagesAndHelp) {
    const auto files = descriptionFiles(kDescriptions);
    ASSERT_EQ(files.size(), 6u);
    for (const std::string& file : files) {
        const PictureDescription d = described(file);
        SCOPED_TRACE(d.stem);
        piclib::PictureInfo::clearHelpCaches();
        piclib::PictureInfo info(kBuilt + "/" + d.stem + ".PPX");
        ASSERT_TRUE(info.hasInformation());
        EXPECT_EQ(info.fields().pictureTopic, d.stem);
        EXPECT_EQ(info.fields().artistTopic, d.stem + "_ARTIST");
        for (int i = 0; i < kLanguageCount; ++i) {
            const char letter = kLetters[i];
            const LanguageTexts& t = d.in(static_cast<Language>(i));
            EXPECT_EQ(info.shortDescription(letter), t.title) << letter;
            EXPECT_EQ(info.longDescription(letter), t.description) << letter;
            EXPECT_TRUE(info.pictureHelpAvailable(letter)) << letter;
            EXPECT_TRUE(info.artistHelpAvailable(letter)) << letter;
            const std::string help = readFile(info.helpFilePath(letter));
            EXPECT_NE(help.find("id=\"" + d.stem + "\""), std::string::npos) << letter;
            EXPECT_NE(help.find("id=\"" + d.stem + "_ARTIST\""), std::string::npos) << letter;
        }
        EXPECT_FALSE(info.preview().isNull());
        EXPECT_EQ(info.preview().bitCount(), 24);
        EXPECT_LE(std::max(info.preview().width(), info.preview().height()), kPreviewSide);
    }
}

TEST(ShippedPictures, MainPictureIsTheUnchangedSourceAndEmblemIsSmall) {
    const PictureDescription d = described(kDescriptions + "/CHELSEA.desc");
    piclib::PictureInfo info(kBuilt + "/CHELSEA.PPX");
    ASSERT_NE(info.loadMainPicture(), 0);
    EXPECT_EQ(info.pictureWidth(), 451);
    EXPECT_EQ(info.pictureHeight(), 300);
    const std::string ppx = readFile(kBuilt + "/CHELSEA.PPX");
    const std::string source = readFile(kDescriptions + "/source/" + d.source);
    EXPECT_EQ(ppx.substr(info.pictureOffset(), source.size()), source);
    const QImage emblem = QImage::fromData(reinterpret_cast<const uchar*>(ppx.data()),
                                           static_cast<int>(info.pictureOffset()));
    ASSERT_FALSE(emblem.isNull());
    EXPECT_EQ(std::max(emblem.width(), emblem.height()), kEmblemSide);
}

TEST(ShippedPictures, LogoFileAndTheLogoPictureCarryPlacement) {
    piclib::PictureInfo logo(kBuilt + "/LOGO.LGO");
    ASSERT_TRUE(logo.hasInformation());
    EXPECT_NE(logo.fields().logoEnabled, 0);
    EXPECT_EQ(logo.fields().logoColour, 0x00FFFFFFu);
    ASSERT_NE(logo.loadEmblem(), 0);

    piclib::PictureInfo rocket(kBuilt + "/ROCKET.PPX");
    EXPECT_NE(rocket.fields().logoEnabled, 0);
    EXPECT_EQ(rocket.fields().logoHorizontal, 1);
    EXPECT_EQ(rocket.fields().logoVertical, 1);
    EXPECT_EQ(rocket.fields().logoHorizontalMargin, 12);
    EXPECT_EQ(rocket.fields().logoVerticalMargin, 12);
    piclib::PictureInfo coffee(kBuilt + "/COFFEE.PPX");
    EXPECT_EQ(coffee.fields().logoEnabled, 0);
}

TEST(ShippedPictures, LogoHasOnlyExactWhiteAroundItsTiles) {
    const QImage logo = drawLogo();
    EXPECT_EQ(logo.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(logo.pixel(logo.width() / 2, logo.height() / 2), qRgb(255, 255, 255));
    EXPECT_NE(logo.pixel(8, 8), qRgb(255, 255, 255));
    EXPECT_EQ(pngBytes(logo), pngBytes(drawLogo()));
}

TEST(HelpPage, EscapesMarkupInTexts) {
    EXPECT_EQ(escapeHtml("a<b> & \"c\""), "a&lt;b&gt; &amp; &quot;c&quot;");
    PictureDescription d;
    d.stem = "ROSE";
    d.artist = "Tom & Jerry";
    d.texts[1] = {"Rose", "<long>", "help", "artist"};
    const std::string html = helpPage(d, Language::kGerman);
    EXPECT_NE(html.find("lang=\"de\""), std::string::npos);
    EXPECT_NE(html.find("id=\"ROSE_ARTIST\""), std::string::npos);
    EXPECT_NE(html.find("&lt;long&gt;"), std::string::npos);
    EXPECT_NE(html.find("Tom &amp; Jerry"), std::string::npos);
}

TEST(PictureDescription, RefusesMissingTextsAndSource) {
    const fs::path dir = fs::temp_directory_path() / "ppxbuild_desc_test";
    fs::create_directories(dir);
    const std::string file = (dir / "BAD.desc").string();
    std::ofstream(file) << "[Picture]\nSource=x.png\nArtist=Me\n[English]\nTitle=T\nLong=L\n"
                           "PictureHelp=P\nArtistHelp=A\n";
    PictureDescription d;
    std::string error;
    EXPECT_FALSE(readDescription(file, d, error));
    EXPECT_NE(error.find("German"), std::string::npos);
    std::ofstream(file) << "[Picture]\nArtist=Me\n";
    EXPECT_FALSE(readDescription(file, d, error));
    EXPECT_NE(error.find("Source"), std::string::npos);
    fs::remove_all(dir);
}

TEST(PictureSet, MissingSourcePictureFailsWithItsName) {
    const fs::path dir = fs::temp_directory_path() / "ppxbuild_set_test";
    fs::remove_all(dir);
    fs::create_directories(dir / "desc");
    fs::copy_file(kDescriptions + "/COINS.desc", dir / "desc/COINS.desc");
    std::string error;
    EXPECT_FALSE(buildPictureSet((dir / "desc").string(), (dir / "none").string(),
                                 (dir / "out").string(), error));
    EXPECT_NE(error.find("coins.png"), std::string::npos);
    fs::remove_all(dir);
}
