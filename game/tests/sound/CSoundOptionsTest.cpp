#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

// The game's sources are private to its library; the tests reach them directly.
#include "platform/Sound.h"
#include "sound/CSoundOptions.h"

namespace {

namespace fs = std::filesystem;

// Every event number the game sounds.
const int kAllEvents[] = {1010, 1011, 1122, 1123, 1125, 1126, 1154, 1155, 1156,
                          1157, 1158, 1159, 1160, 1161, 1162, 1163, 1164};

struct PlayCall {
    std::string file;  // "<stop>" for a null file
    unsigned flags;
};

// Records what the options hand to the player and the beeper; the player
// answers with playResult.
class CSoundOptionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::path(TESSELLA_TEST_OUTPUT) / "sound-options";
        fs::create_directories(folder_);
        for (int event : kAllEvents) {
            std::ofstream(folder_ / CSoundOptions::FileName(event)) << "RIFF";
        }
        options_.SetFolder(folder_.string());
    }

    std::string path(const char* file) const { return options_.Folder() + file; }

    // Runs each play operation once for event; returns the calls made.
    std::vector<PlayCall> playEveryWay(int event) {
        calls_.clear();
        options_.PlayWait(event);
        options_.PlayUnlessBusy(event);
        options_.PlayLooped(event);
        options_.Play(event);
        return calls_;
    }

    fs::path folder_;
    int playResult_ = 1;
    std::vector<PlayCall> calls_;
    std::vector<unsigned> beeps_;
    CSoundOptions options_{[this](const char* file, unsigned flags) {
                               calls_.push_back({file ? file : "<stop>", flags});
                               return playResult_;
                           },
                           [this](unsigned type) { beeps_.push_back(type); }};
};

TEST_F(CSoundOptionsTest, EventTableNamesTheFiles) {
    EXPECT_EQ(CSoundOptions::FileName(1010), "JIGBONUS.WAV");
    EXPECT_EQ(CSoundOptions::FileName(1123), "JIGCUT.WAV");
    EXPECT_EQ(CSoundOptions::FileName(1164), "JIGEXPER.WAV");
    EXPECT_EQ(CSoundOptions::FileName(1157), "JIGLOCK.WAV");
    EXPECT_EQ(CSoundOptions::FileName(1161), "JIGLOCK.WAV");
    EXPECT_EQ(CSoundOptions::FileName(1124), "");
    EXPECT_EQ(options_.Play(1124), 0);
    EXPECT_TRUE(calls_.empty());
}

TEST_F(CSoundOptionsTest, EachOperationHandsTheFileWithItsFlags) {
    const std::vector<PlayCall> calls = playEveryWay(1155);
    ASSERT_EQ(calls.size(), 4u);
    const std::string snap = path("JIGSNAP.WAV");
    EXPECT_EQ(calls[0].file, snap);
    EXPECT_EQ(calls[0].flags, SND_SYNC);
    EXPECT_EQ(calls[1].flags, SND_ASYNC | SND_NOSTOP);
    EXPECT_EQ(calls[2].flags, SND_ASYNC | SND_LOOP);
    EXPECT_EQ(calls[3].flags, SND_ASYNC);
    EXPECT_EQ(calls[3].file, snap);

    calls_.clear();
    options_.Stop();
    options_.Beep();
    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].file, "<stop>");
    EXPECT_EQ(beeps_, std::vector<unsigned>{0xFFFFFFFF});
}

TEST_F(CSoundOptionsTest, SoundDisabledSilencesEveryEvent) {
    SoundSwitches switches;
    switches.enabled = false;
    options_.SetSwitches(switches);
    for (int event : kAllEvents) {
        EXPECT_TRUE(playEveryWay(event).empty()) << event;
        EXPECT_EQ(options_.Play(event), 0);
    }
    EXPECT_TRUE(beeps_.empty());
    EXPECT_TRUE(options_.DeviceWorks());
}

TEST_F(CSoundOptionsTest, OwnSwitchOffSilencesOnlyItsEvent) {
    SoundSwitches switches;
    switches.snap = false;
    options_.SetSwitches(switches);
    EXPECT_TRUE(playEveryWay(1155).empty());
    EXPECT_EQ(playEveryWay(1154).size(), 4u);
    EXPECT_TRUE(beeps_.empty());
}

TEST_F(CSoundOptionsTest, BrokenDeviceBeepsForFallbackEventsAndPlaysNoFile) {
    playResult_ = 0;
    options_.PlayWait(1011);
    ASSERT_FALSE(options_.DeviceWorks());

    EXPECT_TRUE(playEveryWay(1155).empty());
    EXPECT_EQ(beeps_, std::vector<unsigned>(4, 0));
    // Events without fallback stay silent.
    beeps_.clear();
    EXPECT_TRUE(playEveryWay(1154).empty());
    EXPECT_TRUE(beeps_.empty());
    // A fallback event whose switch is off does not beep either.
    SoundSwitches switches;
    switches.snap = false;
    options_.SetSwitches(switches);
    EXPECT_TRUE(playEveryWay(1155).empty());
    EXPECT_TRUE(beeps_.empty());
}

TEST_F(CSoundOptionsTest, LockPreviewAndLockPlayTheSameFileUnderDifferentSwitches) {
    SoundSwitches switches;
    switches.lock = false;
    options_.SetSwitches(switches);
    EXPECT_EQ(options_.Play(1157), 1);
    EXPECT_EQ(options_.Play(1161), 0);
    EXPECT_EQ(options_.Play(1162), 0);

    switches.lock = true;
    options_.SetSwitches(switches);
    EXPECT_EQ(options_.Play(1161), 1);
    ASSERT_EQ(calls_.size(), 2u);
    EXPECT_EQ(calls_[0].file, path("JIGLOCK.WAV"));
    EXPECT_EQ(calls_[1].file, path("JIGLOCK.WAV"));
}

TEST_F(CSoundOptionsTest, FailedSynchronousOrLoopedPlayCondemnsTheDeviceForGood) {
    playResult_ = 0;
    options_.Play(1155);
    options_.PlayUnlessBusy(1155);
    EXPECT_TRUE(options_.DeviceWorks());
    options_.PlayWait(1155);
    EXPECT_FALSE(options_.DeviceWorks());

    playResult_ = 1;
    calls_.clear();
    options_.PlayWait(1155);
    options_.Play(1154);
    EXPECT_TRUE(calls_.empty());
    EXPECT_FALSE(options_.DeviceWorks());

    CSoundOptions looped([](const char*, unsigned) { return 0; }, [](unsigned) {});
    looped.SetFolder(folder_.string());
    EXPECT_EQ(looped.PlayLooped(1123), 1);
    EXPECT_FALSE(looped.DeviceWorks());
}

TEST_F(CSoundOptionsTest, MissingFileDoesNotCondemnTheDevice) {
    playResult_ = 0;
    fs::remove(folder_ / "JIGINTRO.WAV");
    options_.PlayWait(1011);
    EXPECT_EQ(calls_.size(), 1u);
    EXPECT_TRUE(options_.DeviceWorks());
}

// A settings store in memory, keyed "section/key"; a null section is Jigsaw.
struct FakeStore {
    std::map<std::string, std::string> values;

    static std::string name(const char* key, const char* section) {
        return std::string(section ? section : "Jigsaw") + "/" + key;
    }
    SoundSettingsIo io() {
        return {[this](int def, const char* key, const char* section) {
                    const auto it = values.find(name(key, section));
                    return it == values.end() ? def : it->second == "On" ? 1 : 0;
                },
                [this](int value, const char* key, const char* section) {
                    values[name(key, section)] = value ? "On" : "Off";
                },
                [this](const char* key, const char* def, const char* section) {
                    const auto it = values.find(name(key, section));
                    return it == values.end() ? std::string("/prog/") + def : it->second;
                }};
    }
};

TEST_F(CSoundOptionsTest, LoadReadsSwitchesFolderAndTrustsTheDeviceAgain) {
    FakeStore store;
    store.values["Options/Sound"] = "Off";
    store.values["Jigsaw/SoundLockPiece"] = "Off";
    playResult_ = 0;
    options_.PlayWait(1155);
    ASSERT_FALSE(options_.DeviceWorks());

    options_.Load(store.io());
    SoundSwitches expected;
    expected.enabled = false;
    expected.lock = false;
    EXPECT_EQ(options_.Switches(), expected);
    EXPECT_TRUE(options_.DeviceWorks());
    EXPECT_EQ(options_.Folder(), "/prog/../share/tessella/sounds/");

    store.values["Locations/Sound"] = "/data/waves";
    options_.Load(store.io());
    EXPECT_EQ(options_.FilePath(1125), "/data/waves/JIGCLICK.WAV");

    store.values["Locations/Sound"] = "waves";
    options_.Load(store.io());
    EXPECT_EQ(options_.Folder(), (fs::current_path() / "waves/").string());
}

TEST_F(CSoundOptionsTest, SaveWritesTheTenSwitchesWhereLoadFindsThem) {
    SoundSwitches switches;
    switches.cut = false;
    switches.enabled = false;
    switches.expertError = false;
    options_.SetSwitches(switches);
    FakeStore store;
    options_.Save(store.io());
    EXPECT_EQ(store.values.size(), 10u);
    EXPECT_EQ(store.values["Options/Sound"], "Off");
    EXPECT_EQ(store.values["Jigsaw/SoundCut"], "Off");
    EXPECT_EQ(store.values["Jigsaw/SoundBonus"], "On");

    CSoundOptions reloaded([](const char*, unsigned) { return 1; }, [](unsigned) {});
    reloaded.Load(store.io());
    EXPECT_EQ(reloaded.Switches(), switches);
}

}  // namespace
