#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/EventHooks.h"
#include "settings/IniStore.h"
#include "settings/PackedValues.h"

namespace {

struct Recorder {
    std::vector<std::string> started;
    bool hasHelp = true;

    EventHooks hooks() {
        return EventHooks(
            [this](std::string& path) {
                path = "/pics/ROSE.HLP";
                return hasHelp;
            },
            [this](const std::string& commandLine) { started.push_back(commandLine); });
    }
};

std::string todayStamp(int dayOffset) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int stamp[2] = {local.tm_yday + dayOffset, local.tm_year};
    return FormatNumbers(stamp, 2, ',');
}

}  // namespace

TEST(EventHooks, AlwaysStartsTheCommandLineBehindTheComma) {
    TempSettings settings;
    Recorder rec;
    WriteIniString("Always,viewer --full x,y", "PromotionJumble");
    EXPECT_TRUE(rec.hooks().run("PromotionJumble"));
    ASSERT_EQ(rec.started.size(), 1u);
    EXPECT_EQ(rec.started[0], "viewer --full x,y");
}

TEST(EventHooks, PictureHelpFileIsSubstitutedOnce) {
    TempSettings settings;
    Recorder rec;
    WriteIniString("Always,show %PICTHELPFILE% %PICTHELPFILE%", "PromotionPaused");
    EXPECT_TRUE(rec.hooks().run("PromotionPaused"));
    ASSERT_EQ(rec.started.size(), 1u);
    EXPECT_EQ(rec.started[0], "show /pics/ROSE.HLP %PICTHELPFILE%");

    rec.hasHelp = false;
    EXPECT_FALSE(rec.hooks().run("PromotionPaused"));
    EXPECT_EQ(rec.started.size(), 1u);
}

TEST(EventHooks, OtherValuesDoNothing) {
    TempSettings settings;
    Recorder rec;
    for (const char* value : {"", "Always", "always,x", "Sometimes,x", "Daily", ",x"}) {
        WriteIniString(value, "PromotionPieces");
        EXPECT_FALSE(rec.hooks().run("PromotionPieces")) << value;
    }
    EXPECT_FALSE(rec.hooks().run("NoSuchKey"));
    EXPECT_TRUE(rec.started.empty());
}

TEST(EventHooks, DailyRunsOncePerDayAndRecordsTheDay) {
    TempSettings settings;
    Recorder rec;
    WriteIniString("Daily,promo", "PromotionJumble");
    EXPECT_TRUE(rec.hooks().run("PromotionJumble"));
    EXPECT_EQ(GetIniString("LastAnimationPromotionJumble", ""), todayStamp(0));
    EXPECT_FALSE(rec.hooks().run("PromotionJumble"));

    WriteIniString(todayStamp(-1).c_str(), "LastAnimationPromotionJumble");
    EXPECT_TRUE(rec.hooks().run("PromotionJumble"));
    WriteIniString("garbage", "LastAnimationPromotionJumble");
    EXPECT_TRUE(rec.hooks().run("PromotionJumble"));
    EXPECT_EQ(rec.started.size(), 3u);
}

TEST(EventHooks, RandomStartsAtMostOnce) {
    TempSettings settings;
    Recorder rec;
    WriteIniString("Random,maybe", "PromotionPieces");
    const bool started = rec.hooks().run("PromotionPieces");
    EXPECT_EQ(rec.started.size(), started ? 1u : 0u);
}
