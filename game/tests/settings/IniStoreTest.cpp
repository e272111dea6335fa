#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <fstream>
#include <string>

#include "TestSupport.h"
#include "settings/IniStore.h"

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(IniStore, SwitchesReadOnAndYesInAnyCaseAsOne) {
    TempSettings settings;
    const char* ones[] = {"On", "on", "ON", "Yes", "yes", "yEs"};
    for (const char* text : ones) {
        WriteIniString(text, "Switch");
        EXPECT_EQ(GetIniInt(0, "Switch"), 1) << text;
        EXPECT_EQ(GetIniInt(1, "Switch"), 1) << text;
    }
    const char* zeros[] = {"Off", "no", "maybe", "", "On second thought"};
    for (const char* text : zeros) {
        WriteIniString(text, "Switch");
        EXPECT_EQ(GetIniInt(1, "Switch"), 0) << text;
    }
    WriteIniString("2", "Switch");
    EXPECT_EQ(GetIniInt(1, "Switch"), 2);
}

TEST(IniStore, MissingKeysAndFilesGiveTheDefault) {
    TempSettings settings;
    EXPECT_EQ(GetIniInt(1, "Sound", "Options"), 1);
    EXPECT_EQ(GetIniInt(0, "BonusOnExact"), 0);
    EXPECT_EQ(GetIniInt(23, "MinPieceSize"), 23);
    EXPECT_EQ(GetIniString("LastSaved", "*.jig"), "*.jig");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(settings.path())));
}

TEST(IniStore, NumbersAreUnsignedSixteenBit) {
    TempSettings settings;
    WriteIniString("-1", "Level");
    EXPECT_EQ(GetIniInt(4, "Level"), 65535);
    WriteIniString("70000", "Level");
    EXPECT_EQ(GetIniInt(4, "Level"), 70000 & 0xFFFF);
    WriteIniString("12 apples", "Level");
    EXPECT_EQ(GetIniInt(4, "Level"), 12);
    WriteIniString("apples", "Level");
    EXPECT_EQ(GetIniInt(4, "Level"), 0);
    EXPECT_EQ(GetIniInt(-1, "Missing"), 65535);
}

TEST(IniStore, ZeroAndOneAreWrittenAsSwitchTexts) {
    TempSettings settings;
    WriteIniInt(1, "On", "Off", "MinPieceSize");
    EXPECT_EQ(GetIniString("MinPieceSize", ""), "On");
    EXPECT_EQ(GetIniInt(23, "MinPieceSize"), 0);  // "On" is no number
    WriteIniInt(0, "On", "Off", "MinPieceSize");
    EXPECT_EQ(GetIniString("MinPieceSize", ""), "Off");
    WriteIniInt(-1, "On", "Off", "PieceSize");
    EXPECT_EQ(GetIniString("PieceSize", ""), "65535");
    WriteIniInt(60, "On", "Off", "PieceSize", "Other");
    EXPECT_EQ(GetIniInt(23, "PieceSize", "Other"), 60);
    EXPECT_EQ(GetIniInt(23, "PieceSize", "Jigsaw"), 65535);
}

TEST(IniStore, BuffersAreCutAndNeverOverrun) {
    TempSettings settings;
    WriteIniString("abcdefghij", "Long");
    char buffer[8];
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(GetIniString(buffer, "", 5, "Long"), 4);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(buffer[5], 'X');
    EXPECT_EQ(GetIniString(buffer, "", 0, "Long"), 0);
    EXPECT_EQ(GetIniString(nullptr, "", 5, "Long"), 0);
    EXPECT_EQ(GetIniPath(buffer, "", 4, "Missing"), 3);
}

TEST(IniStore, GarbageLinesReadAsDefaultsAndSurviveWrites) {
    TempSettings settings;
    writeFile(settings.path(),
              "\x01\x02 binary\xff\n[Jigsaw\n=novalue\nLevel\n[Jigsaw]\nLevel=\n"
              "Settings=x,y\n; a comment\n");
    EXPECT_EQ(GetIniInt(4, "Level"), 0);  // present but empty
    EXPECT_EQ(GetIniInt(10, "ExpertMissedFact"), 10);
    EXPECT_EQ(GetIniString("Settings", "d"), "x,y");
    WriteIniString("5", "Level");
    EXPECT_EQ(GetIniInt(4, "Level"), 5);
    const std::string text = readFile(settings.path());
    EXPECT_NE(text.find("; a comment"), std::string::npos);
    EXPECT_NE(text.find("binary"), std::string::npos);
}

TEST(IniStore, PathsThatDoNotExistResolveAgainstTheProgramDirectory) {
    TempSettings settings;
    const std::string program = ProgramDirectory();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '/');
    EXPECT_EQ(GetIniPath("Sound", "", "Locations"), program);
    WriteIniString("WAVES", "Sound", "Locations");
    EXPECT_EQ(GetIniPath("Sound", "", "Locations"), program + "WAVES");
    WriteIniString("sub\\WAVES\\", "Sound", "Locations");
    EXPECT_EQ(GetIniPath("Sound", "", "Locations"), program + "sub/WAVES");
}

TEST(IniStore, ExistingDirectoriesAreKeptWithoutTrailingSeparator) {
    TempSettings settings;
    QDir(QString::fromStdString(settings.dir())).mkdir("Saved");
    const std::string saved = settings.dir() + "/Saved";
    WriteIniString((saved + "/").c_str(), "Saved Games", "Locations");
    EXPECT_EQ(GetIniPath("Saved Games", "", "Locations"), saved);
    WriteIniString((settings.dir() + "/SAVED\\").c_str(), "Saved Games", "Locations");
    EXPECT_EQ(GetIniPath("Saved Games", "", "Locations"), saved);
}

TEST(IniStore, PathIsBuiltFromTheProgramDirectoryWithoutRegistryEntry) {
    TempSettings settings;
    const char* old = std::getenv("TESSELLA_REGISTRY");
    const std::string saved = old ? old : "";
    const std::string registry = settings.dir() + "/registry";
    writeFile(registry, "\xff\xfe garbage [[[\n\\\\\\=\n");
    setenv("TESSELLA_REGISTRY", registry.c_str(), 1);
    SetIniPath("");
    EXPECT_EQ(IniPath(), ProgramDirectory() + "Quiet.Ini");
    if (old) {
        setenv("TESSELLA_REGISTRY", saved.c_str(), 1);
    } else {
        unsetenv("TESSELLA_REGISTRY");
    }
}
