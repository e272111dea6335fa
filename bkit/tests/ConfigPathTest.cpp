#include <cstring>
#include <filesystem>
#include <vector>

#include "BKIT32.h"
#include "BkitFixture.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Registry.h"

namespace {

int inThisProgram() {
    return 0;
}
const HINSTANCE kProgram = reinterpret_cast<HINSTANCE>(&inThisProgram);

std::string programDirectory() {
    const std::string exe = platform::executablePath();
    return exe.substr(0, exe.rfind('/') + 1);
}

class ConfigPathTest : public BkitFixture {
  protected:
    // Records dir as installation directory under the default location.
    void install(const std::string& dir) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Location", &key),
            ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueA(key, nullptr, REG_SZ, dir.c_str(), 0), ERROR_SUCCESS);
        RegCloseKey(key);
    }
};

TEST_F(ConfigPathTest, WithoutKeyTheModuleDirectoryIsReturned) {
    char buf[260];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(QueryIniPathName(buf, sizeof buf, kProgram), 0);
    EXPECT_EQ(std::string(buf), programDirectory());
}

// A library lies in lib/, apart from the program, yet shares its settings.
TEST_F(ConfigPathTest, ALibraryModuleGetsTheProgramDirectory) {
    char buf[260];
    EXPECT_EQ(QueryIniPathName(buf, sizeof buf, reinterpret_cast<HINSTANCE>(&QueryIniPathName)), 0);
    EXPECT_EQ(std::string(buf), programDirectory());
}

TEST_F(ConfigPathTest, KeyNamesTheInstallationDirectory) {
    install("/opt/jigsaw");
    char buf[260];
    EXPECT_EQ(QueryIniPathName(buf, sizeof buf, kProgram), 1);
    EXPECT_STREQ(buf, "/opt/jigsaw/");
    char small[8];
    EXPECT_EQ(QueryIniPathName(small, sizeof small, kProgram), 0);
    EXPECT_EQ(std::strlen(small) < sizeof small, true);
}

TEST_F(ConfigPathTest, AnEmptyStoredDirectoryFallsBackToTheModule) {
    install("");
    char buf[260];
    EXPECT_EQ(QueryIniPathName(buf, sizeof buf, kProgram), 0);
    EXPECT_EQ(std::string(buf), programDirectory());
}

TEST_F(ConfigPathTest, SetupUsesTheLocationOfOrbisInfInTheCurrentDirectory) {
    write("inst/ORBIS.INF", "[Registry]\nLocation=Jigsaw95\n");
    std::filesystem::current_path(dir_ / "inst");
    char directory[260] = "/games/jigsaw";
    EXPECT_EQ(SetupPathForIniFile(directory), 1);
    EXPECT_STREQ(directory, "/games/jigsaw/");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Jigsaw95", &key),
              ERROR_SUCCESS);
    char value[256];
    long size = sizeof value;
    EXPECT_EQ(RegQueryValueA(key, nullptr, value, &size), ERROR_SUCCESS);
    EXPECT_STREQ(value, "/games/jigsaw/");
    RegCloseKey(key);
}

TEST_F(ConfigPathTest, AnUnreadableOrbisInfMeansTheDefaultLocation) {
    mkdir("inst/Orbis.inf");
    std::filesystem::current_path(dir_ / "inst");
    char directory[260] = "/games";
    EXPECT_EQ(SetupPathForIniFile(directory), 1);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Location", &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(ConfigPathTest, SetupReportsAKeyThatCannotBeCreated) {
    write("plainfile", "");
    ::setenv("TESSELLA_REGISTRY", file("plainfile/registry").c_str(), 1);
    std::vector<platform::MessageBoxRecord> boxes;
    platform::setMessageBoxInterceptor([&](const platform::MessageBoxRecord& r) {
        boxes.push_back(r);
        return IDOK;
    });
    std::filesystem::current_path(dir_);
    char directory[260] = "/games";
    EXPECT_EQ(SetupPathForIniFile(directory), 0);
    platform::setMessageBoxInterceptor({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "BKITLIB");
    EXPECT_EQ(boxes[0].text,
              "Unable to Register Variable SOFTWARE\\Classes\\Orbis_Playware\\Location,\n"
              "CreateKey returned with: 5");
    EXPECT_EQ(boxes[0].flags, MB_OK);
}

TEST_F(ConfigPathTest, PathFromIniResolvesRelativeToTheInstallation) {
    mkdir("inst/Waves");
    write("inst/QUIET.INI", "[Locations]\nSound=waves\\\nGone=nothere\n");
    install(file("inst"));
    mkdir("elsewhere");
    std::filesystem::current_path(dir_ / "elsewhere");
    const auto here = std::filesystem::current_path();
    char buf[260];
    EXPECT_EQ(
        QueryPathFromIniFile(buf, sizeof buf, "Locations", "Sound", "", "Quiet.Ini", kProgram), 1);
    EXPECT_EQ(std::string(buf), std::filesystem::canonical(dir_ / "inst/Waves").string() + "/");
    EXPECT_EQ(std::filesystem::current_path(), here);
    EXPECT_EQ(QueryPathFromIniFile(buf, sizeof buf, "Locations", "Gone", "", "Quiet.Ini", kProgram),
              0);
    EXPECT_EQ(std::filesystem::current_path(), here);
    EXPECT_EQ(
        QueryPathFromIniFile(buf, sizeof buf, "Locations", "Missing", "", "Quiet.Ini", kProgram),
        0);
    EXPECT_EQ(std::filesystem::current_path(), here);
    EXPECT_EQ(QueryPathFromIniFile(buf, 12, "Locations", "Sound", "", "Quiet.Ini", kProgram), 0);
    EXPECT_EQ(std::filesystem::current_path(), here);
}

TEST_F(ConfigPathTest, PathFromIniFailsWhenTheInstallationIsGone) {
    install(file("removed"));
    mkdir("work");
    std::filesystem::current_path(dir_ / "work");
    char buf[260];
    EXPECT_EQ(
        QueryPathFromIniFile(buf, sizeof buf, "Locations", "Sound", ".", "Quiet.Ini", kProgram), 0);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir_ / "work"));
}

}  // namespace
