#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include <map>

#include "commands/CommandIds.h"
#include "commands/MenuState.h"
#include "help/HelpContext.h"

namespace {

std::map<int, CommandState> stateOf(const GameState& s, bool otherGames = false) {
    std::map<int, CommandState> m;
    for (const CommandState& c : computeMenuState(s, otherGames)) {
        m.emplace(c.id, c);
    }
    return m;
}

}  // namespace

TEST(MenuState, NoPictureGraysEverythingThatNeedsOne) {
    const auto m = stateOf(GameState{});
    for (int id : {cmd::kStart, cmd::kSave, cmd::kSaveAs, cmd::kAboutPuzzle, cmd::kAboutArtist,
                   cmd::kAutoAssemble, cmd::kNormalSize, cmd::kOverview, cmd::kOriginal,
                   cmd::kZoomIn, cmd::kZoomOut, cmd::kPause, cmd::kStatus, cmd::kOtherGames}) {
        EXPECT_FALSE(m.at(id).enabled) << id;
    }
    EXPECT_TRUE(m.at(cmd::kStandard).checked);
    EXPECT_FALSE(m.at(cmd::kExpert).checked);
}

TEST(MenuState, StartOnlyWithAPictureAndNoPuzzle) {
    GameState s;
    s.pictureLoaded = true;
    EXPECT_TRUE(stateOf(s).at(cmd::kStart).enabled);
    EXPECT_FALSE(stateOf(s).at(cmd::kSave).enabled);
    s.cutting = true;
    EXPECT_FALSE(stateOf(s).at(cmd::kStart).enabled);
    s.cutting = false;
    s.puzzleExists = true;
    const auto m = stateOf(s);
    EXPECT_FALSE(m.at(cmd::kStart).enabled);
    EXPECT_TRUE(m.at(cmd::kSave).enabled);
    EXPECT_TRUE(m.at(cmd::kPause).enabled);
    EXPECT_FALSE(m.at(cmd::kAboutPuzzle).enabled);
    s.pictureHasHelp = true;
    EXPECT_TRUE(stateOf(s).at(cmd::kAboutPuzzle).enabled);
    // About the Artist has nothing to show without a topic on the artist.
    EXPECT_FALSE(stateOf(s).at(cmd::kAboutArtist).enabled);
    s.artistHasHelp = true;
    EXPECT_TRUE(stateOf(s).at(cmd::kAboutArtist).enabled);
}

TEST(MenuState, ZoomLimits) {
    GameState s;
    s.pictureLoaded = s.puzzleExists = true;
    s.maxZoomOutLevel = 2;
    auto m = stateOf(s);
    EXPECT_TRUE(m.at(cmd::kZoomIn).enabled);
    EXPECT_TRUE(m.at(cmd::kZoomOut).enabled);
    EXPECT_FALSE(m.at(cmd::kNormalSize).enabled);
    s.zoomInLevel = 2;
    s.zoomOutLevel = 2;
    m = stateOf(s);
    EXPECT_FALSE(m.at(cmd::kZoomIn).enabled);
    EXPECT_FALSE(m.at(cmd::kZoomOut).enabled);
    EXPECT_TRUE(m.at(cmd::kNormalSize).enabled);
}

TEST(MenuState, PauseAndAutomaticAssembly) {
    GameState s;
    s.pictureLoaded = s.puzzleExists = true;
    s.paused = true;
    auto m = stateOf(s);
    EXPECT_TRUE(m.at(cmd::kPause).enabled);
    EXPECT_TRUE(m.at(cmd::kPause).checked);
    EXPECT_FALSE(m.at(cmd::kAutoAssemble).enabled);
    EXPECT_FALSE(m.at(cmd::kOverview).enabled);
    s.paused = false;
    s.autoAssembling = true;
    s.overviewShown = true;
    m = stateOf(s, true);
    EXPECT_FALSE(m.at(cmd::kPause).enabled);
    EXPECT_TRUE(m.at(cmd::kOverview).checked);
    EXPECT_TRUE(m.at(cmd::kOtherGames).enabled);
}

TEST(HelpContext, CommandsMapToTheirMenuTopics) {
    const std::map<unsigned, std::vector<int>> table = {
        {1519, {40001, 40005, 40013, 40033, 40036, 40037, 40045, 59392, 59393}},
        {1529, {40003, 40011, 40017, 40018, 40019, 40020, 40041}},
        {1511, {57601, 57604, 57665, 40006, 40007, 40014}},
        {1515, {40002, 40008, 40012}},
        {1531, {40021, 40022, 40024}},
        {1536, {57664, 57666, 57667, 40046, 40047, 40048, 40049}},
        {1502, {0, 2192, 40025, 40040, 57669, 12345}},
    };
    for (const auto& [context, ids] : table) {
        for (int id : ids) {
            EXPECT_EQ(help::menuContextFor(id), context) << id;
        }
    }
}

TEST(HelpContext, HelpFileLiesInTheSharedDataBesideBin) {
    const std::string file = help::applicationHelpFile();
    EXPECT_NE(file.find("/share/tessella/help/TESSELLA.HLP"), std::string::npos);
    EXPECT_EQ(file.find("/bin/"), std::string::npos);
}

TEST(HelpContext, EveryTopicUsedExistsInTheHelpFile) {
    QFile file(QStringLiteral(TESSELLA_SOURCE_DIR "/data/help/TESSELLA.HLP"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char* id :
         {"contents", "2", "10", "1501", "1502", "1511", "1515", "1519", "1529", "1531", "1536"}) {
        EXPECT_TRUE(text.contains(QStringLiteral("id=\"%1\"").arg(id))) << id;
    }
    EXPECT_TRUE(text.contains("<meta name=\"keywords\""));
}
