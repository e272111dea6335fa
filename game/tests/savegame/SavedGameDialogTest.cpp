#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "TestSupport.h"
#include "platform/MessageBox.h"
#include "savegame/SavedGameDialog.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

class SavedGameDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& box) {
            boxes_.push_back(box);
            return IDOK;
        });
    }
    void TearDown() override { platform::setMessageBoxInterceptor({}); }

    TempSettings settings_;
    std::vector<platform::MessageBoxRecord> boxes_;
};

}  // namespace

TEST(SavedGameDialogNames, OnlyJigOrNoExtensionIsAccepted) {
    EXPECT_TRUE(SavedGameDialog::acceptableName("game"));
    EXPECT_TRUE(SavedGameDialog::acceptableName("game.jig"));
    EXPECT_TRUE(SavedGameDialog::acceptableName("GAME.JiG"));
    EXPECT_FALSE(SavedGameDialog::acceptableName("game.txt"));
    EXPECT_FALSE(SavedGameDialog::acceptableName("game.jig.bak"));
    EXPECT_EQ(SavedGameDialog::proposedName("Lighthouse"), "Lighthouse.JIG");
}

TEST_F(SavedGameDialogTest, WrongExtensionIsVetoedAndTheDialogStaysOpen) {
    SavedGameDialog dlg(SavedGameDialog::Mode::Save, QString::fromStdString(settings_.dir()),
                        QStringLiteral("Lighthouse.JIG"));
    EXPECT_EQ(dlg.windowTitle(), "Save Game As");
    EXPECT_TRUE(dlg.testOption(QFileDialog::DontUseNativeDialog));
    dlg.show();
    dlg.selectFile(QStringLiteral("notes.txt"));
    dlg.accept();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Filename must have a \"JIG\" extention!");
    EXPECT_EQ(boxes_[0].flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), QDialog::Accepted);

    dlg.selectFile(QStringLiteral("puzzle"));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(dlg.chosenPath().endsWith(QStringLiteral("puzzle.jig")));
    dlg.grab().save(testOutputDir() + QStringLiteral("/save_game_dialog.png"));
}

TEST_F(SavedGameDialogTest, DirectoriesAndLastSavedComeFromTheSettings) {
    const QString games = QString::fromStdString(settings_.dir()) + QStringLiteral("/Games");
    QDir().mkpath(games);
    WriteIniString((games + QStringLiteral("/")).toStdString().c_str(), keys::kSavedGames,
                   keys::kLocations);
    EXPECT_EQ(SavedGameDialog::initialDirectory(), games);
    EXPECT_EQ(SavedGameDialog::lastSavedName(), "*.jig");

    SavedGameDialog::rememberSaved(settings_.dir() + "/Other/Boats.JIG");
    EXPECT_EQ(SavedGameDialog::lastSavedName(), "Boats.JIG");
    EXPECT_EQ(SavedGameDialog::initialDirectory(),
              QString::fromStdString(settings_.dir()) + QStringLiteral("/Other"));

    SavedGameDialog restore(SavedGameDialog::Mode::Restore, games, QStringLiteral("*.jig"));
    EXPECT_EQ(restore.windowTitle(), "Restore Game");
    EXPECT_EQ(restore.fileMode(), QFileDialog::ExistingFile);
}
