#include <QLabel>
#include <QRadioButton>

#include "DialogTestSupport.h"
#include "controls/Slider.h"
#include "dialogs/CPieceSizeDlg.h"
#include "dialogs/CSamplePiece.h"
#include "dialogs/CSpaceWarningDlg.h"
#include "dialogs/PieceGeometry.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

using dialogs::CPieceSizeDlg;

class DialogPieceSizeTest : public DialogTest {
  protected:
    dialogs::PieceSizeRequest request(int visibleWidth, int visibleHeight) {
        dialogs::PieceSizeRequest r;
        r.pictureWidth = 600;
        r.pictureHeight = 400;
        r.visibleWidth = visibleWidth;
        r.visibleHeight = visibleHeight;
        r.currentPieceWidth = 60;
        r.background = 0x00FF80;  // RGB(128, 255, 0)
        r.picture = &picture_;
        return r;
    }

    // Counts the warnings and answers them with answer_.
    void answerWarnings(CPieceSizeDlg& dlg) {
        dlg.setWarningFunction([this](QWidget*) {
            ++warnings_;
            return answer_;
        });
    }

    static QString label(const CPieceSizeDlg& dlg, int id) {
        return dlg.findChild<QLabel*>(QString::number(id))->text();
    }

    platform::Surface picture_ = gradient();
    int warnings_ = 0;
    int answer_ = dialogs::CSpaceWarningDlg::kAsChosen;

  private:
    static platform::Surface gradient() {
        platform::Surface s(600, 400);
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 600; ++x) {
                s.setPixel(x, y,
                           static_cast<platform::Pixel>((x * 255 / 600) << 16 | (y * 255 / 400)));
            }
        }
        return s;
    }
};

TEST_F(DialogPieceSizeTest, GeometryOfAPictureOf600By400) {
    const dialogs::PieceGrid g = dialogs::gridFor(600, 400, 60);
    EXPECT_EQ(g, (dialogs::PieceGrid{10, 6, 60, 66}));
    EXPECT_EQ(dialogs::largestPieceSize(129, 129, 600, 400), 65);
    EXPECT_EQ(dialogs::largestPieceSize(129, 129, 90, 400), 45);
    // No whole piece across: size 1 and half the length as the count.
    EXPECT_EQ(dialogs::finalGridFor(50, 400, 60), (dialogs::PieceGrid{25, 6, 2, 66}));
    EXPECT_EQ(dialogs::finalGridFor(1, 1, 60), (dialogs::PieceGrid{1, 1, 1, 1}));
}

TEST_F(DialogPieceSizeTest, SpaceCheckComparesWithThreeQuartersOfThePicture) {
    EXPECT_TRUE(dialogs::spaceIsShort(600, 400, 500, 350, false));   // 175000 < 180000
    EXPECT_FALSE(dialogs::spaceIsShort(600, 400, 600, 300, false));  // exactly 180000
    EXPECT_TRUE(dialogs::spaceIsShort(600, 400, 700, 599, true));    // 419300 - 240000 < 180000
    EXPECT_FALSE(dialogs::spaceIsShort(600, 400, 700, 600, true));
}

TEST_F(DialogPieceSizeTest, StartsFromTheStoredSizeWithCountsAndRange) {
    CPieceSizeDlg dlg(request(1000, 800));
    EXPECT_EQ(dlg.currentSize(), 60);
    EXPECT_EQ(dlg.currentGrid(), (dialogs::PieceGrid{10, 6, 60, 66}));
    EXPECT_EQ(dlg.countText(), QStringLiteral("60 "));
    EXPECT_EQ(dlg.smallestSize(), 23);
    EXPECT_EQ(dlg.largestSize(), 65);
    EXPECT_EQ(dlg.slider()->minimum(), 23);
    EXPECT_EQ(dlg.slider()->maximum(), 65);
    EXPECT_EQ(dlg.slider()->position(), 65 - 60 + 23);
    EXPECT_EQ(label(dlg, CPieceSizeDlg::kLargestCount), QStringLiteral("54"));    // 9 x 6
    EXPECT_EQ(label(dlg, CPieceSizeDlg::kSmallestCount), QStringLiteral("442"));  // 26 x 17
    EXPECT_EQ(GetIniString(keys::kMinPieceSize, ""), "23");
    EXPECT_TRUE(dlg.timerRunning());
    EXPECT_TRUE(dlg.findChild<QRadioButton*>(QStringLiteral("1148"))->isChecked());
    render(dlg, "dialog-piece-size.png");
}

TEST_F(DialogPieceSizeTest, TimerFollowsTheSliderAndRecutsTheSample) {
    CPieceSizeDlg dlg(request(1000, 800));
    dlg.slider()->setPosition(23);
    dlg.tick();
    EXPECT_EQ(dlg.currentSize(), 65);
    EXPECT_EQ(dlg.currentGrid(), (dialogs::PieceGrid{9, 6, 66, 66}));
    EXPECT_EQ(dlg.countText(), QStringLiteral("54 "));
    EXPECT_EQ(dlg.sample()->pieceWidth(), 66);
}

TEST_F(DialogPieceSizeTest, SampleShowsAPieceOfThePictureOnTheBackground) {
    CPieceSizeDlg dlg(request(1000, 800));
    render(dlg, "dialog-piece-size-sample.png");
    const platform::Surface& shown = dlg.sample()->image();
    ASSERT_FALSE(shown.isNull());
    const platform::Pixel background = platform::pixelFromColorRef(0x00FF80);
    EXPECT_EQ(shown.pixel(0, 0), background);
    EXPECT_NE(shown.pixel(shown.width() / 2, shown.height() / 2), background);

    dialogs::PieceSizeRequest bare = request(1000, 800);
    bare.picture = nullptr;
    CPieceSizeDlg empty(bare);
    render(empty, "dialog-piece-size-empty.png");
    const platform::Surface& plain = empty.sample()->image();
    EXPECT_EQ(plain.pixel(plain.width() / 2, plain.height() / 2), background);
}

TEST_F(DialogPieceSizeTest, NarrowVisibleAreaWarnsAndBackReturnsToTheDialog) {
    CPieceSizeDlg dlg(request(500, 350));
    answerWarnings(dlg);
    answer_ = IDCANCEL;
    dlg.onCommand(IDOK);
    EXPECT_EQ(warnings_, 1);
    EXPECT_EQ(dlg.result(), 0);
    EXPECT_TRUE(dlg.timerRunning());

    answer_ = dialogs::CSpaceWarningDlg::kAsChosen;
    dlg.onCommand(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_FALSE(dlg.timerRunning());
    EXPECT_EQ(dlg.placement(), (dialogs::PlacementChoice{false, false, true}));
    EXPECT_EQ(dlg.finalGrid(), (dialogs::PieceGrid{10, 6, 60, 66}));
}

TEST_F(DialogPieceSizeTest, ScatterEverywhereClearsBothPlacements) {
    CPieceSizeDlg dlg(request(500, 350));
    answerWarnings(dlg);
    answer_ = IDOK;
    dlg.onCommand(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.placement(), (dialogs::PlacementChoice{false, false, false}));
    EXPECT_FALSE(dlg.findChild<QRadioButton*>(QStringLiteral("1148"))->isChecked());
}

TEST_F(DialogPieceSizeTest, ExactlyEnoughSpaceNeedsNoWarning) {
    CPieceSizeDlg dlg(request(600, 300));
    answerWarnings(dlg);
    dlg.onCommand(IDOK);
    EXPECT_EQ(warnings_, 0);
    EXPECT_EQ(dlg.result(), IDOK);
}

TEST_F(DialogPieceSizeTest, SaveAsDefaultsWritesTheKeysThenPlays) {
    CPieceSizeDlg dlg(request(1000, 800));
    answerWarnings(dlg);
    dlg.findChild<QRadioButton*>(QStringLiteral("1147"))->setChecked(true);
    dlg.slider()->setPosition(33);  // size 65 + 23 - 33 = 55
    dlg.onCommand(CPieceSizeDlg::kSaveAsDefaults);
    EXPECT_EQ(GetIniString(keys::kPieceSize, ""), "55");
    EXPECT_EQ(GetIniString(keys::kThrowPiecesOnPict, ""), "Off");
    EXPECT_EQ(GetIniString(keys::kThrowPiecesOnTable, ""), "On");
    EXPECT_EQ(GetIniString(keys::kThrowPiecesOnVisibleArea, ""), "Off");
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.finalSize(), 55);
    EXPECT_EQ(dlg.placement(), (dialogs::PlacementChoice{false, true, false}));

    CPieceSizeDlg again(request(1000, 800));
    EXPECT_EQ(again.currentSize(), 55);
    EXPECT_TRUE(again.findChild<QRadioButton*>(QStringLiteral("1147"))->isChecked());
}

TEST_F(DialogPieceSizeTest, HelpOpensTheScreensWindow) {
    CPieceSizeDlg dlg(request(1000, 800));
    dlg.onCommand(CPieceSizeDlg::kHelp);
    ASSERT_EQ(help_.size(), 1u);
    EXPECT_TRUE(help_[0].file.ends_with(">Screens"));
    EXPECT_EQ(help_[0].command, HELP_CONTEXT);
    EXPECT_EQ(help_[0].data, 0x20408u);
}

TEST_F(DialogPieceSizeTest, WarningDialogAnswersWithItsButtons) {
    dialogs::CSpaceWarningDlg warning;
    render(warning, "dialog-space-warning.png");
    warning.onCommand(dialogs::CSpaceWarningDlg::kAsChosen);
    EXPECT_EQ(warning.result(), 1150);
    dialogs::CSpaceWarningDlg back;
    back.onCommand(IDCANCEL);
    EXPECT_EQ(back.result(), IDCANCEL);
}

}  // namespace
