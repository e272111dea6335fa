#include <cstring>
#include <filesystem>

#include "BKIT32.h"
#include "BkitFixture.h"

namespace {

std::string need(const char* text) {
    char buf[64];
    std::strcpy(buf, text);
    NeedBackSlash(buf);
    return buf;
}

std::string no(const char* text) {
    char buf[64];
    std::strcpy(buf, text);
    NoBackSlash(buf);
    return buf;
}

TEST(PathHelpers, SeparatorIsAddedOrRemovedOnce) {
    EXPECT_EQ(need("/games"), "/games/");
    EXPECT_EQ(need("/games/"), "/games/");
    EXPECT_EQ(need("C:\\GAMES\\"), "C:\\GAMES\\");
    EXPECT_EQ(need(""), "");
    EXPECT_EQ(no("/games/"), "/games");
    EXPECT_EQ(no("C:\\GAMES\\"), "C:\\GAMES");
    EXPECT_EQ(no("/games//"), "/games/");
    EXPECT_EQ(no(""), "");
    NeedBackSlash(nullptr);
    NoBackSlash(nullptr);
}

using ChangeDirTest = BkitFixture;

TEST_F(ChangeDirTest, IgnoresDrivesAndFindsNamesWhateverTheirCase) {
    mkdir("Data/Sub");
    EXPECT_EQ(ChangeDir(("D:" + file("DATA\\sub")).c_str()), 1);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir_ / "Data/Sub"));
    EXPECT_EQ(ChangeDir("D:"), 1);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir_ / "Data/Sub"));
    EXPECT_EQ(ChangeDir(file("none").c_str()), 0);
    EXPECT_EQ(ChangeDir(""), 0);
    EXPECT_EQ(ChangeDir(nullptr), 0);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir_ / "Data/Sub"));
}

TEST(DebugText, FormatsIntoAFixedLineAndCutsLongTexts) {
    EXPECT_EQ(DebugStr("Play"), 7 + 4 + 31 + 1);
    EXPECT_EQ(DebugStr(std::string(1000, 'x').c_str()), 255);
    EXPECT_EQ(DebugStr(nullptr), 7 + 31 + 1);
    DebugStrOut("ignored");
}

}  // namespace
