#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "commands/CommandIds.h"
#include "controls/CFramedDialog.h"
#include "imagelib.h"
#include "model/CClockHold.h"
#include "platform/MessageBox.h"
#include "scores/CResultDlg.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sprites/SpriteStore.h"
#include "view/CJigsawView.h"
#include "windows/AuxWindows.h"
#include "windows/COverviewWnd.h"
#include "windows/CStatusDlg.h"
#include "windows/CViewOrig.h"

using windows::COverviewWnd;
using windows::CStatusDlg;

namespace {

platform::Surface bandedPicture(int width, int height) {
    platform::Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            s.setPixel(x, y,
                       static_cast<platform::Pixel>((x * 255 / width) << 16 |
                                                    (y * 255 / height) << 8 | 0x50));
        }
    }
    return s;
}

// A 3 x 2 puzzle of 60-pixel pieces on a 360 x 240 table (overview levels
// 1 to 3).
class AuxWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        CJigsawView::endOfGameHooks().showResults = [](CResultDlg& dlg) { dlg.accept(); };
        controls::CFramedDialog::setHelpFunction(
            [this](QWidget*, const std::string&, unsigned, std::uintptr_t data) {
                helpContexts_.push_back(static_cast<unsigned>(data));
                return 1;
            });
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& box) {
            boxes_.push_back(box.text);
            return IDOK;
        });
        view_ = std::make_unique<CJigsawView>(nullptr);
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        WriteIniInt(0, keys::kOn, keys::kOff, keys::kThrowPiecesOnTable);
        WriteIniInt(1, keys::kOn, keys::kOff, keys::kThrowPiecesOnVisibleArea);
        view_->resize(700, 500);
        view_->show();
        view_->setPicture(bandedPicture(180, 120));
        view_->onCommand(cmd::kBeginner);  // snaps from 20 pixels away
        view_->startGame(5);
    }
    void TearDown() override {
        view_.reset();
        controls::CFramedDialog::setHelpFunction({});
        platform::setMessageBoxInterceptor({});
        COverviewWnd::pictureSource() = {};
    }

    windows::AuxWindows& aux() { return view_->auxWindows(); }
    sprites::SpriteStore& store() { return *view_->session().store(); }

    COverviewWnd* openOverview() {
        view_->onCommand(cmd::kOverview);
        QApplication::processEvents();
        return aux().overview();
    }

    // The overview pixel whose table point lies nearest to table.
    static int overviewPixelFor(const windows::OverviewScale& scale, int table) {
        int best = 0;
        for (int k = 0; k < scale.width(); ++k) {
            if (std::abs(scale.toTable(k) - table) < std::abs(scale.toTable(best) - table)) {
                best = k;
            }
        }
        return best;
    }

    TempSettings settings_;
    std::unique_ptr<CJigsawView> view_;
    std::vector<unsigned> helpContexts_;
    std::vector<std::string> boxes_;
};

}  // namespace

TEST_F(AuxWindowsTest, OverviewOpensAtTheLargestLevelAndZoomsBetweenItsLimits) {
    COverviewWnd* overview = openOverview();
    ASSERT_NE(overview, nullptr);
    EXPECT_TRUE(view_->state().overviewShown);
    // Level 6 does not fit a table whose smaller side is 240: level 3.
    EXPECT_EQ(overview->level(), 3);
    EXPECT_EQ(overview->client()->size(), QSize(152, 101));
    EXPECT_FALSE(overview->zoomAction(COverviewWnd::kZoomIn)->isEnabled());
    EXPECT_TRUE(overview->zoomAction(COverviewWnd::kZoomOut)->isEnabled());
    overview->zoomAction(COverviewWnd::kZoomOut)->trigger();
    overview->zoomAction(COverviewWnd::kZoomOut)->trigger();
    EXPECT_EQ(overview->level(), 1);
    EXPECT_EQ(overview->client()->size(), QSize(270, 180));
    EXPECT_FALSE(overview->zoomAction(COverviewWnd::kZoomOut)->isEnabled());
    EXPECT_TRUE(overview->zoomAction(COverviewWnd::kZoomIn)->isEnabled());
    // The background is the table colour a shade darker.
    const platform::Pixel darker =
        platform::pixelFromColorRef(windows::OverviewCanvas::darkerShade(view_->background()));
    EXPECT_EQ(overview->canvas().bitmap().pixel(269, 179), darker);

    // Closed at level 2 somewhere, it opens there again at level 2.
    overview->zoomAction(COverviewWnd::kZoomIn)->trigger();
    overview->move(130, 90);
    const QPoint placed = overview->pos();
    view_->onCommand(cmd::kOverview);
    QApplication::processEvents();
    EXPECT_FALSE(view_->state().overviewShown);
    EXPECT_EQ(GetIniString(keys::kOverviewPosition, ""),
              std::to_string(placed.x()) + "," + std::to_string(placed.y()) + ",2");
    overview = openOverview();
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(overview->level(), 2);
    EXPECT_EQ(overview->pos(), placed);
}

TEST_F(AuxWindowsTest, PiecesArePickedMovedAndSnappedWithTheMouseInTheOverview) {
    COverviewWnd* overview = openOverview();
    ASSERT_NE(overview, nullptr);
    overview->zoomAction(COverviewWnd::kZoomOut)->trigger();
    overview->zoomAction(COverviewWnd::kZoomOut)->trigger();
    const windows::OverviewScale& scale = *overview->canvas().scale();
    QWidget* client = overview->client();

    sprites::Sprite* anchor = viewtest::withCell(store(), 0, 0);
    sprites::Sprite* piece = viewtest::withCell(store(), 1, 0);
    ASSERT_NE(anchor, piece);
    // The anchor goes to an empty corner first, so nothing lies beside it.
    const QPoint grab = viewtest::grabPoint(store(), piece);
    const int gx = grab.x() + store().scrollX();
    const int gy = grab.y() + store().scrollY();
    const QPoint from(overviewPixelFor(scale, gx), overviewPixelFor(scale, gy));
    ASSERT_EQ(store().hitTest(scale.toTable(from.x()), scale.toTable(from.y())), piece);
    const int grabX = scale.toTable(from.x()) - piece->x;
    const int grabY = scale.toTable(from.y()) - piece->y;

    // Pressed on the piece and released on empty table: it moves there.
    const QPoint away(overviewPixelFor(scale, 200 + grabX), overviewPixelFor(scale, 20 + grabY));
    QTest::mousePress(client, Qt::LeftButton, {}, from);
    EXPECT_EQ(store().held(), piece);
    QTest::mouseMove(client, (from + away) / 2);
    QTest::mouseMove(client, away);
    QTest::mouseRelease(client, Qt::LeftButton, {}, away);
    EXPECT_EQ(store().held(), nullptr);
    EXPECT_NEAR(piece->x, 200, 2);
    EXPECT_NEAR(piece->y, 20, 2);
    // The overview shows the table as a full redraw draws it.
    windows::OverviewCanvas fresh;
    fresh.build(scale, overview->canvas().picture(), view_->background());
    fresh.redrawAll(store());
    EXPECT_TRUE(overview->canvas().bitmap() == fresh.bitmap());

    // Dropped 8 table pixels beside where it belongs next to the anchor: it
    // snaps and the status window counts one group less.
    view_->onCommand(cmd::kStatus);
    view_->tick();
    const QString before = aux().status()->field(CStatusDlg::kPieces);
    EXPECT_EQ(before, "6 / 6 ");
    const int groups = store().count();
    const int tx = anchor->x + 60 + 8;
    const int ty = anchor->y;
    const QPoint start(overviewPixelFor(scale, piece->x + grabX),
                       overviewPixelFor(scale, piece->y + grabY));
    const QPoint beside(overviewPixelFor(scale, tx + grabX), overviewPixelFor(scale, ty + grabY));
    QTest::mousePress(client, Qt::LeftButton, {}, start);
    QTest::mouseMove(client, beside);
    QTest::mouseRelease(client, Qt::LeftButton, {}, beside);
    EXPECT_EQ(store().count(), groups - 1);
    view_->tick();
    EXPECT_EQ(aux().status()->field(CStatusDlg::kPieces), "4 / 6 ");
    EXPECT_FALSE(aux().status()->field(CStatusDlg::kBonus).isEmpty());
}

TEST_F(AuxWindowsTest, StatusWindowFollowsTheClockAndItsCloseBoxUnchecksStatus) {
    view_->onCommand(cmd::kStatus);
    QApplication::processEvents();
    CStatusDlg* status = aux().status();
    ASSERT_TRUE(status->isVisible());
    EXPECT_EQ(status->windowTitle(), "Status");
    EXPECT_EQ(status->objectName(), "170");
    EXPECT_TRUE(view_->state().statusShown);
    EXPECT_EQ(status->field(CStatusDlg::kTotal), "0 ");
    EXPECT_EQ(status->field(CStatusDlg::kErrors), "0 ");
    view_->session().clock.SetStartTime(CClockHold::Now() - 65);
    view_->tick();
    EXPECT_EQ(status->field(CStatusDlg::kTime), " 0:01:05 ");

    QTest::keyClick(status, Qt::Key_F1);
    EXPECT_EQ(helpContexts_, std::vector<unsigned>{0x20000u + 170});

    status->onCommand(IDCANCEL);  // the close box
    QApplication::processEvents();
    EXPECT_FALSE(status->isVisible());
    EXPECT_FALSE(view_->state().statusShown);
}

TEST_F(AuxWindowsTest, OriginalAndOverviewOpenTheirOwnHelpTopics) {
    view_->onCommand(cmd::kOriginal);
    QApplication::processEvents();
    ASSERT_NE(aux().original(), nullptr);
    EXPECT_TRUE(view_->state().originalShown);
    QTest::keyClick(aux().original(), Qt::Key_F1);
    COverviewWnd* overview = openOverview();
    ASSERT_NE(overview, nullptr);
    QTest::keyClick(overview, Qt::Key_F1);
    EXPECT_EQ(helpContexts_, (std::vector<unsigned>{0x20415u, 0x203EAu}));
    aux().original()->close();
    QApplication::processEvents();
    EXPECT_FALSE(view_->state().originalShown);
}

TEST_F(AuxWindowsTest, AnOverviewWithoutItsBitmapsSaysSoAndStaysClosed) {
    COverviewWnd::pictureSource() = [](int, int) { return platform::Surface(); };
    EXPECT_EQ(openOverview(), nullptr);
    EXPECT_EQ(boxes_, std::vector<std::string>{"Internal Error on allocating a Bitmap"});
    EXPECT_FALSE(view_->state().overviewShown);
}

TEST_F(AuxWindowsTest, TheEndOfTheGameClosesStatusAndOverview) {
    openOverview();
    view_->onCommand(cmd::kStatus);
    QApplication::processEvents();
    ASSERT_TRUE(aux().overviewShown() && aux().statusShown());
    // Assist joins a neighbour to the piece of the top left cell until one
    // group is left.
    for (int i = 0; i < 10 && view_->session().store() != nullptr; ++i) {
        sprites::Sprite* s = viewtest::withCell(store(), 0, 0);
        view_->pieceMenuCommand(40027, viewtest::grabPoint(store(), s));
    }
    QApplication::processEvents();
    EXPECT_EQ(view_->session().store(), nullptr);
    EXPECT_FALSE(aux().overviewShown());
    EXPECT_FALSE(aux().statusShown());
}

TEST(CViewOrig, ShowsThePictureAtHalfSizeAndTellsItsOwnerWhenItCloses) {
    testApp();
    QImage image(160, 100, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 10));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const int slot = IMGReadFromMemory(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                       static_cast<std::uint32_t>(png.size()));
    ASSERT_GE(slot, 0);
    std::vector<int> closed;
    auto* original = new windows::CViewOrig(
        slot, 40040, [&closed](int message) { closed.push_back(message); }, nullptr);
    EXPECT_EQ(original->size(), QSize(80, 50));
    EXPECT_EQ(IMGGetDisplayOption(slot), windows::CViewOrig::kDisplayOption);
    EXPECT_EQ(original->grab().toImage().pixel(40, 25), qRgb(200, 40, 10));
    original->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(closed, std::vector<int>{40040});
    IMGFree(slot);
}
