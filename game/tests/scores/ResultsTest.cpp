#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <map>

#include "TestSupport.h"
#include "controls/NamesList.h"
#include "platform/MessageBox.h"
#include "scores/CHighScoreDlg.h"
#include "scores/CResultDlg.h"
#include "scores/EndOfGame.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

GameResults::Input finishedGame(long total) {
    GameResults::Input in;
    in.totalScore = total;
    in.elapsedSeconds = 3725;
    in.pieceCount = 60;
    in.bonusSum = 42;
    in.misses = 3;
    in.pointsPerMiss = 10;
    in.description = "Lighthouse at dawn";
    return in;
}

class ResultsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& box) {
            boxes_.push_back(box);
            return answer_;
        });
    }
    void TearDown() override { platform::setMessageBoxInterceptor({}); }

    HighScoreTable::Io io() {
        return {[this](const char* key, const char* def) {
                    auto it = values_.find(key);
                    return it == values_.end() ? std::string(def) : it->second;
                },
                [this](const char* key, const std::string& v) { values_[key] = v; }};
    }
    int entriesNamed(const std::string& name) {
        HighScoreTable t(io());
        t.load();
        int n = 0;
        for (const auto& r : t.rows()) {
            n += r.name == name;
        }
        return n;
    }
    static void save(QWidget& w, const char* name) {
        w.show();
        QApplication::processEvents();
        w.grab().save(testOutputDir() + QLatin1Char('/') + QLatin1String(name));
    }
    template <class T>
    static T* child(QWidget& w, int id) {
        return w.findChild<T*>(QString::number(id));
    }

    TempSettings settings_;
    std::map<std::string, std::string> values_;
    std::vector<platform::MessageBoxRecord> boxes_;
    int answer_ = IDYES;
};

}  // namespace

TEST(GameResults, TextsHaveTheirFormats) {
    const GameResults r = GameResults::make(finishedGame(900));
    EXPECT_EQ(r.time, "   1:02:05 ");
    EXPECT_EQ(r.pieces, "60 ");
    EXPECT_EQ(r.bonus, "42 ");
    EXPECT_EQ(r.errors, "30 ");
    EXPECT_EQ(r.piecesPerMinute, "1.0 ");
    EXPECT_EQ(r.picture, " Lighthouse at dawn");
    EXPECT_EQ(r.pictureForTable(), "Lighthouse at dawn");

    GameResults::Input longGame = finishedGame(1);
    longGame.elapsedSeconds = 100 * 3600 + 59;
    EXPECT_EQ(GameResults::make(longGame).time, " 100:00:59 ");  // hours do not wrap
    // A game over within its first second counts as one second.
    longGame.elapsedSeconds = 0;
    EXPECT_EQ(GameResults::make(longGame).piecesPerMinute, "3600.0 ");
}

TEST_F(ResultsTest, TodayFollowsTheSystemDateOrder) {
    setenv("TESSELLA_IDATE", "2", 1);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(HighScoreTable::today(), HighScoreTable::formatDate(local, 2));
    unsetenv("TESSELLA_IDATE");
}

TEST_F(ResultsTest, EntryIsInsertedOnceHoweverTheDialogCloses) {
    int sound = 0;
    int clears = 0;
    for (int way = 0; way < 3; ++way) {
        values_.clear();
        EndOfGame::Hooks hooks;
        hooks.playSound = [&](int event) { sound = event; };
        hooks.clearPuzzle = [&] { ++clears; };
        hooks.showResults = [&](CResultDlg& dlg) {
            ASSERT_TRUE(dlg.withName());
            child<QLineEdit>(dlg, CResultDlg::kName)->setText(QStringLiteral("Ann"));
            dlg.show();
            if (way == 0) {
                QTest::keyClick(&dlg, Qt::Key_Return);
            } else if (way == 1) {
                dlg.reject();
            } else {
                dlg.done(0);
            }
        };
        EXPECT_EQ(EndOfGame::run(finishedGame(900), hooks, nullptr, io()), 0);
        EXPECT_EQ(entriesNamed("Ann"), 1) << "way " << way;
        EXPECT_EQ(sound, EndOfGame::kFirstPlaceSound);
    }
    EXPECT_EQ(clears, 6);
    HighScoreTable t(io());
    t.load();
    EXPECT_EQ(t.row(0).score, "900");
    EXPECT_EQ(t.row(0).picture, "Lighthouse at dawn");
    EXPECT_EQ(t.row(0).pieces, "60");
    EXPECT_EQ(t.row(0).time, "1:02:05");
}

TEST_F(ResultsTest, ScoreWithoutPlaceShowsDialogWithoutName) {
    values_["Highscore10"] = "[Z,5000,,,,]";
    for (int i = 1; i < 10; ++i) {
        values_["Highscore" + std::to_string(i)] = "[Z,9000,,,,]";
    }
    bool played = false;
    EndOfGame::Hooks hooks;
    hooks.playSound = [&](int) { played = true; };
    hooks.showResults = [&](CResultDlg& dlg) {
        EXPECT_FALSE(dlg.withName());
        EXPECT_EQ(dlg.objectName(), "154");
        EXPECT_EQ(child<QLineEdit>(dlg, CResultDlg::kName), nullptr);
        dlg.accept();
    };
    EXPECT_EQ(EndOfGame::run(finishedGame(100), hooks, nullptr, io()), -1);
    EXPECT_FALSE(played);
    EXPECT_EQ(entriesNamed("Z"), 10);
}

TEST_F(ResultsTest, SecondPlacePlaysTheHighScoreSound) {
    values_["Highscore1"] = "[Top,5000,,,,]";
    int sound = 0;
    EndOfGame::Hooks hooks;
    hooks.playSound = [&](int event) { sound = event; };
    hooks.showResults = [](CResultDlg& dlg) { dlg.accept(); };
    EXPECT_EQ(EndOfGame::run(finishedGame(100), hooks, nullptr, io()), 1);
    EXPECT_EQ(sound, EndOfGame::kHighScoreSound);
}

TEST_F(ResultsTest, HighScoresButtonHighlightsTheEntryAndLeavesTheTable) {
    values_["Highscore1"] = "[Top,5000,Sea,1.1.95,20,0:10:00]";
    WriteIniString("Bea", keys::kName1, keys::kPlayers);
    CResultDlg dlg(true, GameResults::make(finishedGame(900)), nullptr, io());
    EXPECT_EQ(child<QLineEdit>(dlg, CResultDlg::kName)->text(), "Bea");
    EXPECT_EQ(child<QLabel>(dlg, CResultDlg::kScore)->text(), "900 ");
    EXPECT_EQ(child<QLabel>(dlg, 1008)->text(), "1.0 ");
    EXPECT_FALSE(child<QPushButton>(dlg, CResultDlg::kDeleteSaved)->isEnabled());
    save(dlg, "results_153.png");
    const auto before = values_;
    int shownHighlight = -2;
    QString shownName;
    dlg.runTable = [&](CHighScoreDlg& table) {
        shownHighlight = table.highlight();
        shownName = table.column(0)->names()[1];
        EXPECT_EQ(table.column(3)->highlight(), 1) << "every column lights the row";
        save(table, "hall_of_fame_highlight.png");
    };
    dlg.onHighScores();
    EXPECT_EQ(shownHighlight, 1);
    EXPECT_EQ(shownName, "Bea");
    EXPECT_EQ(values_["Highscore1"], before.at("Highscore1"));
    EXPECT_EQ(values_["Highscore2"], "[,0,,,,]");

    dlg.accept();
    EXPECT_EQ(GetIniString(keys::kName1, "", keys::kPlayers), "Bea");
}

TEST_F(ResultsTest, EscapeAsksForHelpAndKeepsTheDialogOpen) {
    CResultDlg dlg(false, GameResults::make(finishedGame(1)), nullptr, io());
    std::vector<unsigned> help;
    dlg.showHelp = [&](unsigned context) { help.push_back(context); };
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    child<QPushButton>(dlg, 2)->click();
    EXPECT_EQ(help, (std::vector<unsigned>{0x20000 + 1039, 0x20000 + 1039}));
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    save(dlg, "results_154.png");
}

TEST_F(ResultsTest, DeleteSavedGameAsksAndReportsFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.jig");
    GameResults::Input in = finishedGame(1);
    in.savedGamePath = dir.filePath("missing.jig").toStdString();
    CResultDlg failing(false, GameResults::make(in), nullptr, io());
    failing.onDeleteSaved();
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0].text, CResultDlg::kDeleteQuestion);
    EXPECT_EQ(boxes_[1].text, "Cannot delete the game " + in.savedGamePath);
    EXPECT_TRUE(child<QPushButton>(failing, CResultDlg::kDeleteSaved)->isEnabled());

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    in.savedGamePath = path.toStdString();
    CResultDlg dlg(false, GameResults::make(in), nullptr, io());
    answer_ = IDNO;
    dlg.onDeleteSaved();
    EXPECT_TRUE(QFile::exists(path));
    answer_ = IDYES;
    dlg.onDeleteSaved();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(child<QPushButton>(dlg, CResultDlg::kDeleteSaved)->isEnabled());
    EXPECT_EQ(dlg.savedGamePath(), "");
}

TEST_F(ResultsTest, HallOfFameClearEmptiesEveryRowOnStore) {
    values_["Highscore1"] = "[Top,5000,Sea,1.1.95,20,0:10:00]";
    values_["Highscore2"] = "[Two,4000,Sky,2.1.95,30,0:20:00]";
    {
        CHighScoreDlg dlg(nullptr, io());
        // The columns are the program's own name lists: ten rows, each a
        // tenth of the list's height, names left and numbers right.
        const controls::NamesList* score = dlg.column(1);
        EXPECT_EQ(score->objectName(), "1176");
        EXPECT_EQ(score->names()[0], "5000");
        EXPECT_EQ(score->alignment(), controls::NamesList::kAlignRight);
        EXPECT_EQ(dlg.column(0)->alignment(), 0);
        EXPECT_EQ(score->rowHeight(), score->height() / 10);
        EXPECT_EQ(dlg.column(5)->names()[1], "2.1.95");
        const QImage shot = dlg.grab().toImage();
        const QPoint inRow = score->mapTo(&dlg, QPoint(4, score->rowHeight() / 2 + 3));
        EXPECT_EQ(shot.pixel(inRow) & 0xFFFFFF, 0xFFFF80u) << "light yellow row box";
        save(dlg, "hall_of_fame.png");
        answer_ = IDNO;
        child<QPushButton>(dlg, CHighScoreDlg::kClear)->click();
        EXPECT_EQ(dlg.column(0)->names()[0], "Top");
        answer_ = IDYES;
        dlg.setHighlight(0);
        child<QPushButton>(dlg, CHighScoreDlg::kClear)->click();
        EXPECT_EQ(dlg.highlight(), -1);
        EXPECT_EQ(dlg.column(0)->names()[0], "");
        EXPECT_EQ(boxes_.back().text, CHighScoreDlg::kClearQuestion);
    }
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(values_["Highscore" + std::to_string(i)], "[,,,,,]");
    }
}
