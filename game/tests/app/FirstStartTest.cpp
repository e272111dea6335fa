#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "BKIT32.h"
#include "app/FirstStart.h"
#include "platform/Profile.h"
#include "platform/Registry.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the lifetime of the object.
class EnvOverride {
  public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~EnvOverride() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string readValue(const std::string& file, const char* section, const char* key) {
    char value[1024] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, file.c_str());
    return value;
}

std::string registered() {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Location", &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    char value[256] = {};
    long size = sizeof value;
    RegQueryValueA(key, nullptr, value, &size);
    RegCloseKey(key);
    return value;
}

// A fresh machine: an empty home, an empty registry and an installation
// prefix with the shipped default settings, pictures and sounds.
class FirstStartTest : public ::testing::Test {
  protected:
    FirstStartTest()
        : home_(root("home")),
          registry_(root("registry")),
          homeEnv_("HOME", home_.c_str()),
          xdgEnv_("XDG_DATA_HOME", nullptr),
          registryEnv_("TESSELLA_REGISTRY", registry_.c_str()) {
        fs::create_directories(home_);
        program_ = install("prefix");
    }

    std::string root(const char* name) const { return tmp_.filePath(name).toStdString(); }

    // Lays out <name>/bin and <name>/share/tessella; returns the bin folder.
    std::string install(const char* name) const {
        const fs::path prefix = root(name);
        fs::create_directories(prefix / "bin");
        for (const char* dir : {"settings", "pictures", "sounds"}) {
            fs::create_directories(prefix / "share/tessella" / dir);
        }
        std::ofstream(prefix / "share/tessella/settings/Quiet.Ini")
            << "[Registration]\nLanguage=English\n[Locations]\nData=\nSound=\nSaved Games=\n";
        return (prefix / "bin").string() + "/";
    }

    std::string userDir() const { return home_ + "/.local/share/tessella/"; }

    QTemporaryDir tmp_;
    std::string home_;
    std::string registry_;
    EnvOverride homeEnv_;
    EnvOverride xdgEnv_;
    EnvOverride registryEnv_;
    std::string program_;
};

}  // namespace

TEST_F(FirstStartTest, FreshMachineGetsSeededSettingsInTheUserFolder) {
    EXPECT_EQ(PrepareSettings(program_), userDir());
    const std::string ini = userDir() + "Quiet.Ini";
    ASSERT_TRUE(fs::exists(ini));
    EXPECT_EQ(registered(), userDir());
    EXPECT_EQ(readValue(ini, "Registration", "Language"), "English");
    const std::string share = root("prefix") + "/share/tessella/";
    EXPECT_EQ(readValue(ini, "Locations", "Data"), share + "pictures");
    EXPECT_EQ(readValue(ini, "Locations", "Sound"), share + "sounds");
    EXPECT_EQ(readValue(ini, "Locations", "Saved Games"), userDir() + "Saved Games");
    EXPECT_TRUE(fs::is_directory(userDir() + "Saved Games"));

    // The shared libraries find the same folder through the registry.
    char buffer[260] = {};
    EXPECT_EQ(QueryIniPathName(buffer, sizeof buffer, &buffer), 1);
    EXPECT_EQ(std::string(buffer), userDir());
}

TEST_F(FirstStartTest, LaterStartsAndReinstallsKeepWhatThePlayerSaved) {
    PrepareSettings(program_);
    const std::string ini = userDir() + "Quiet.Ini";
    WritePrivateProfileStringA("Registration", "Language", "German", ini.c_str());
    WritePrivateProfileStringA("Jigsaw", "Highscore1", "[Ann,900,1,2,3,4]", ini.c_str());
    WritePrivateProfileStringA("Locations", "Saved Games", home_.c_str(), ini.c_str());
    std::ofstream(root("prefix") + "/share/tessella/settings/Quiet.Ini")
        << "[Registration]\nLanguage=French\n";

    EXPECT_EQ(PrepareSettings(program_), userDir());
    EXPECT_EQ(readValue(ini, "Registration", "Language"), "German");
    EXPECT_EQ(readValue(ini, "Jigsaw", "Highscore1"), "[Ann,900,1,2,3,4]");
    EXPECT_EQ(readValue(ini, "Locations", "Saved Games"), home_);
}

TEST_F(FirstStartTest, MovedInstallationRepairsOnlyLocationsThatNoLongerExist) {
    PrepareSettings(program_);
    const std::string ini = userDir() + "Quiet.Ini";
    WritePrivateProfileStringA("Locations", "Sound", home_.c_str(), ini.c_str());
    fs::remove_all(root("prefix"));
    const std::string moved = install("moved");

    PrepareSettings(moved);
    EXPECT_EQ(readValue(ini, "Locations", "Data"), root("moved") + "/share/tessella/pictures");
    EXPECT_EQ(readValue(ini, "Locations", "Sound"), home_);
}

TEST_F(FirstStartTest, DataHomeVariableChoosesTheUserFolder) {
    const std::string data = root("xdg");
    EnvOverride xdg("XDG_DATA_HOME", data.c_str());
    EXPECT_EQ(UserDataDirectory(), data + "/tessella/");
    EXPECT_EQ(PrepareSettings(program_), data + "/tessella/");
    EXPECT_TRUE(fs::exists(data + "/tessella/Quiet.Ini"));
}

TEST_F(FirstStartTest, ProgramFolderWithItsOwnSettingsStaysInUse) {
    std::ofstream(program_ + "QUIET.INI") << "[Registration]\nLanguage=Italian\n";
    EXPECT_EQ(PrepareSettings(program_), program_);
    EXPECT_EQ(registered(), "");
    EXPECT_FALSE(fs::exists(userDir()));
    EXPECT_EQ(readValue(program_ + "QUIET.INI", "Registration", "Language"), "Italian");
    EXPECT_EQ(readValue(program_ + "QUIET.INI", "Locations", "Data"),
              root("prefix") + "/share/tessella/pictures");
}

TEST_F(FirstStartTest, RegisteredFolderIsSeededAndAStaleOneIsReplaced) {
    const std::string chosen = root("chosen") + "/";
    fs::create_directories(chosen);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Location", &key),
              ERROR_SUCCESS);
    RegSetValueA(key, nullptr, REG_SZ, chosen.c_str(),
                 static_cast<std::uint32_t>(chosen.size() + 1));
    RegCloseKey(key);
    EXPECT_EQ(PrepareSettings(program_), chosen);
    EXPECT_TRUE(fs::exists(chosen + "Quiet.Ini"));

    fs::remove_all(chosen);
    EXPECT_EQ(PrepareSettings(program_), userDir());
    EXPECT_EQ(registered(), userDir());
}
