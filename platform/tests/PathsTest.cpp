#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/Paths.h"

namespace {

TEST(Paths, NativePathTurnsSeparatorsAndDropsDrive) {
    EXPECT_EQ(platform::nativePath("C:\\GAMES\\Quiet.Ini"), "/GAMES/Quiet.Ini");
    EXPECT_EQ(platform::nativePath("d:data\\x"), "data/x");
    EXPECT_EQ(platform::nativePath("rel\\dir\\"), "rel/dir/");
    EXPECT_EQ(platform::nativePath("1:x"), "1:x");
    EXPECT_EQ(platform::nativePath(""), "");
}

TEST(Paths, ResolvesEachComponentWithoutRegardToCase) {
    TempDir dir;
    dir.write("Sounds/JigClick.wav", "x");
    EXPECT_EQ(platform::resolvePath(dir.file("SOUNDS/JIGCLICK.WAV")),
              dir.file("Sounds/JigClick.wav"));
    EXPECT_EQ(platform::resolvePath(dir.file("sounds/")), dir.file("Sounds/"));
    EXPECT_EQ(platform::resolvePath(dir.file("Sounds\\jigclick.WAV")),
              dir.file("Sounds/JigClick.wav"));
    EXPECT_EQ(platform::resolvePath(dir.file("SOUNDS/none.wav")), dir.file("SOUNDS/none.wav"));
    EXPECT_TRUE(platform::fileExists(dir.file("Sounds/JigClick.wav")));
    EXPECT_FALSE(platform::fileExists(dir.file("Sounds")));
    EXPECT_TRUE(platform::directoryExists(dir.file("Sounds")));
}

int localFunction() {
    return 1;
}

TEST(Paths, ModulePathOfNamesTheModuleHoldingTheAddress) {
    const std::string exe = platform::executablePath();
    ASSERT_TRUE(platform::fileExists(exe));
    EXPECT_EQ(platform::modulePathOf(reinterpret_cast<const void*>(&localFunction)), exe);
    const std::string library =
        platform::modulePathOf(reinterpret_cast<const void*>(&platform::executablePath));
    EXPECT_NE(library.find("libtessella-platform"), std::string::npos);
    EXPECT_EQ(platform::modulePathOf(nullptr), exe);
}

}  // namespace
