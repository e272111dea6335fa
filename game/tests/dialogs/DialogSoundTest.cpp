#include <QCheckBox>

#include <map>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "dialogs/CPieceLockedDlg.h"
#include "dialogs/CSavingDlg.h"
#include "dialogs/CSoundDlg.h"
#include "sound/CSoundOptions.h"

namespace {

using dialogs::CSoundDlg;

class DialogSoundTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        options_.SetFolder("/sounds");
    }

    // Settings kept in a map: "section/key" -> value.
    SoundSettingsIo fakeIo() {
        SoundSettingsIo io;
        io.getInt = [this](int def, const char* key, const char* section) {
            const auto found = stored_.find(name(key, section));
            return found == stored_.end() ? def : found->second;
        };
        io.writeInt = [this](int value, const char* key, const char* section) {
            stored_[name(key, section)] = value;
        };
        io.getPath = [](const char*, const char* def, const char*) { return std::string(def); };
        return io;
    }

    static std::string name(const char* key, const char* section) {
        return std::string(section ? section : "") + "/" + key;
    }

    std::vector<std::string> played_;
    std::map<std::string, int> stored_;
    CSoundOptions options_{[this](const char* file, unsigned) {
                               played_.push_back(file ? file : "<stop>");
                               return 1;
                           },
                           [](unsigned) {}};
};

TEST_F(DialogSoundTest, CheckingABoxPlaysItsSoundAndUncheckingPlaysNothing) {
    SoundSwitches switches;
    switches.cut = false;
    options_.SetSwitches(switches);
    CSoundDlg dlg(options_, fakeIo());
    render(dlg, "dialog-sound.png");

    dlg.box(1123)->click();  // on: heard although the options still have it off
    ASSERT_EQ(played_.size(), 1u);
    EXPECT_TRUE(played_[0].ends_with("JIGCUT.WAV"));
    dlg.box(1123)->click();  // off
    dlg.box(1155)->click();  // snapping off
    EXPECT_EQ(played_.size(), 1u);
    dlg.box(1157)->click();  // lock off
    dlg.box(1157)->click();  // lock on: previews event 1157
    ASSERT_EQ(played_.size(), 2u);
    EXPECT_TRUE(played_[1].ends_with("JIGLOCK.WAV"));
    EXPECT_FALSE(options_.Switches().cut);
}

TEST_F(DialogSoundTest, EventBoxesFollowSoundEnabled) {
    SoundSwitches switches;
    switches.enabled = false;
    options_.SetSwitches(switches);
    CSoundDlg dlg(options_, fakeIo());
    EXPECT_FALSE(dlg.box(1122)->isEnabled());
    EXPECT_FALSE(dlg.box(1010)->isEnabled());
    dlg.box(CSoundDlg::kEnabled)->click();
    EXPECT_TRUE(dlg.box(1122)->isEnabled());
    EXPECT_TRUE(dlg.box(1164)->isEnabled());
    dlg.box(CSoundDlg::kEnabled)->click();
    EXPECT_FALSE(dlg.box(1154)->isEnabled());
    EXPECT_TRUE(played_.empty());
}

TEST_F(DialogSoundTest, UseSaveAndCancel) {
    {
        CSoundDlg dlg(options_, fakeIo());
        dlg.box(1126)->setChecked(false);
        dlg.onCommand(IDCANCEL);
        EXPECT_TRUE(options_.Switches().move);
    }
    {
        CSoundDlg dlg(options_, fakeIo());
        dlg.box(1126)->setChecked(false);
        dlg.onCommand(IDOK);
        EXPECT_EQ(dlg.result(), IDOK);
        EXPECT_FALSE(options_.Switches().move);
        EXPECT_TRUE(stored_.empty());
    }
    {
        CSoundDlg dlg(options_, fakeIo());
        dlg.box(1154)->setChecked(false);
        dlg.onCommand(CSoundDlg::kSaveAsDefaults);
        EXPECT_FALSE(options_.Switches().release);
        EXPECT_EQ(stored_.at("/SoundRelease"), 0);
        EXPECT_EQ(stored_.at("/SoundMove"), 0);
        EXPECT_EQ(stored_.at("Options/Sound"), 1);
        EXPECT_EQ(stored_.size(), 10u);
    }
}

TEST_F(DialogSoundTest, HelpOpensContext0x20421) {
    CSoundDlg dlg(options_, fakeIo());
    dlg.onCommand(CSoundDlg::kHelp);
    ASSERT_EQ(help_.size(), 1u);
    EXPECT_EQ(help_[0].data, 0x20421u);
    EXPECT_TRUE(help_[0].file.ends_with(">Screens"));
}

TEST_F(DialogSoundTest, SavingQuestionAnswersWithTheButtonId) {
    for (int id : {IDOK, dialogs::CSavingDlg::kDontSave, IDCANCEL}) {
        dialogs::CSavingDlg dlg;
        dlg.onCommand(id);
        EXPECT_EQ(dlg.result(), id);
    }
    dialogs::CSavingDlg shown;
    render(shown, "dialog-saving.png");
}

TEST_F(DialogSoundTest, LockedPieceAnswersWithTheButtonId) {
    for (int id : {dialogs::CPieceLockedDlg::kUnlockAndMove,
                   dialogs::CPieceLockedDlg::kMoveToLocked, IDCANCEL}) {
        dialogs::CPieceLockedDlg dlg;
        dlg.onCommand(id);
        EXPECT_EQ(dlg.result(), id);
    }
    dialogs::CPieceLockedDlg shown;
    EXPECT_EQ(shown.cursor().shape(), Qt::ArrowCursor);
    render(shown, "dialog-piece-locked.png");
}

}  // namespace
