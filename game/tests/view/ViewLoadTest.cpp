#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CJigsawDoc.h"
#include "app/CMainFrame.h"
#include "commands/CommandIds.h"
#include "model/PuzzleBuilder.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "view/CJigsawView.h"
#include "view/GameCursors.h"
#include "view/ViewProgress.h"

// Loading and cutting a picture in the workspace view of a real main frame:
// what the progress indicator shows, what waits meanwhile, the cursors, the
// event hooks, the loading sound and the background colour.

namespace {

struct Shown {
    QString label;
    long value;
    long maximum;
};

struct PlayCall {
    std::string file;
    unsigned flags;
};

// A picture with colour bands, written as a PNG file.
std::string writePicture(const QString& dir, const char* name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 200));
        }
    }
    const QString path = dir + "/" + name;
    image.save(path, "PNG");
    return path.toStdString();
}

bool sameCursor(const QCursor* cursor, int id) {
    return cursor != nullptr && cursor->pixmap().toImage() == GameCursor(id).pixmap().toImage();
}

class ViewLoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        frame_ = std::make_unique<CMainFrame>(&doc_);
        frame_->resize(800, 600);
        frame_->show();
        view_ = frame_->view();
        view_->soundOptions() = CSoundOptions(
            [this](const char* file, unsigned flags) {
                plays_.push_back({file ? file : "", flags});
                return 1;
            },
            [](unsigned) {});
        view_->soundOptions().SetFolder("/sounds");
        ViewProgress::observer() = [this](const QString& label, long value, long maximum) {
            shown_.push_back({label, value, maximum});
            if (duringWork_ && value > 0 && value < maximum) {
                duringWork_();
            }
        };
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& r) {
            boxes_.push_back(r);
            return IDOK;
        });
    }

    void TearDown() override {
        ViewProgress::observer() = {};
        platform::setMessageBoxInterceptor({});
        CJigsawView::colourChooser() = originalChooser_;
    }

    // The labels in the order they were first shown.
    std::vector<QString> labels() const {
        std::vector<QString> seen;
        for (const Shown& s : shown_) {
            if (seen.empty() || seen.back() != s.label) {
                seen.push_back(s.label);
            }
        }
        return seen;
    }

    void loadPicture(int width, int height) {
        const std::string path = writePicture(scratch_.path(), "band.png", width, height);
        view_->loadPictureFile(QString::fromStdString(path));
        ASSERT_TRUE(view_->session().HasPicture());
    }

    // How many pixels of the view show colour.
    int pixelsOf(COLORREF colour) const {
        const platform::Surface& window = view_->windowSurface();
        const std::uint32_t pixel = platform::pixelFromColorRef(colour);
        int count = 0;
        for (int y = 0; y < window.height(); ++y) {
            for (int x = 0; x < window.width(); ++x) {
                count += window.pixel(x, y) == pixel ? 1 : 0;
            }
        }
        return count;
    }

    std::vector<bool> popupsEnabled() const {
        std::vector<bool> enabled;
        for (QAction* entry : frame_->menuBar()->actions()) {
            if (entry->menu()) {
                enabled.push_back(entry->isEnabled());
            }
        }
        return enabled;
    }

    TempSettings settings_;
    QTemporaryDir scratch_;
    CJigsawDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
    CJigsawView* view_ = nullptr;
    std::vector<Shown> shown_;
    std::vector<PlayCall> plays_;
    std::vector<platform::MessageBoxRecord> boxes_;
    std::function<void()> duringWork_;
    CJigsawView::ColourChooser originalChooser_ = CJigsawView::colourChooser();
};

}  // namespace

TEST_F(ViewLoadTest, LoadingShowsEachStepAndPlaysTheLoadingSound) {
    loadPicture(1200, 900);  // larger than the window: it is fitted
    const std::vector<QString> expected = {"Loading", "Adjusting size of image",
                                           "Optimizing Palette"};
    EXPECT_EQ(labels(), expected);
    for (const Shown& s : shown_) {
        EXPECT_EQ(s.maximum, 100);
        EXPECT_GE(s.value, 0);
        EXPECT_LE(s.value, 100);
    }
    EXPECT_EQ(shown_.back().value, 100);
    EXPECT_FALSE(view_->busy());
    EXPECT_LT(view_->session().picture().width(), 1200);
    EXPECT_EQ(frame_->findChildren<controls::ProgressIndicator*>().size(), 0);
    QApplication::processEvents();
    ASSERT_FALSE(plays_.empty());
    EXPECT_EQ(plays_.front().file, "/sounds/JIGLOAD.WAV");
    EXPECT_EQ(plays_.front().flags, SND_ASYNC | SND_NOSTOP);
    EXPECT_EQ(view_->loadingSound(), 1);
}

TEST_F(ViewLoadTest, AFileThatIsNoPictureLeavesTheViewEmpty) {
    loadPicture(300, 200);
    const QString path = scratch_.filePath("broken.ppx");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();
    const int beeps = platform::beepCount();
    view_->loadPictureFile(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, path.toStdString() + " is not a correct ppx- file!\nError: -1");
    EXPECT_GT(platform::beepCount(), beeps);
    EXPECT_FALSE(view_->session().HasPicture());
    EXPECT_FALSE(view_->busy());
}

TEST_F(ViewLoadTest, CuttingGraysTheMenuBarAndRefusesCommandsMeanwhile) {
    loadPicture(400, 300);
    shown_.clear();
    std::vector<bool> duringCut;
    controls::ProgressIndicator* indicator = nullptr;
    const int level = view_->state().level;
    ASSERT_NE(level, 5);
    duringWork_ = [&] {
        if (duringCut.empty()) {
            duringCut = popupsEnabled();
            indicator = frame_->statusBar()->findChild<controls::ProgressIndicator*>();
            EXPECT_TRUE(indicator != nullptr && indicator->isVisible());
            EXPECT_EQ(indicator ? indicator->geometry() : QRect(), frame_->statusBar()->rect());
            view_->postCommand(cmd::kExpert);
            frame_->onCommand(cmd::kStart);  // would open the Start dialog
            QCoreApplication::postEvent(view_, new QTimerEvent(view_->clockTimerId()));
        }
    };
    int ticks = 0;
    QObject::connect(view_, &CJigsawView::clockTicked, [&ticks] { ++ticks; });
    view_->startGame(7);
    duringWork_ = {};
    EXPECT_EQ(duringCut, std::vector<bool>(6, false));
    EXPECT_EQ(popupsEnabled(), std::vector<bool>(6, true));
    QApplication::processEvents();
    EXPECT_EQ(view_->state().level, level);  // the posted command was refused
    EXPECT_EQ(ticks, 0);
    QCoreApplication::postEvent(view_, new QTimerEvent(view_->clockTimerId()));
    QApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    ASSERT_NE(view_->session().puzzle(), nullptr);
    EXPECT_EQ(view_->session().puzzle()->seed, 7u);
    EXPECT_EQ(labels(), std::vector<QString>{"Cutting"});
    EXPECT_EQ(shown_.back().value, 100);
    for (size_t i = 1; i < shown_.size(); ++i) {
        EXPECT_GE(shown_[i].value, shown_[i - 1].value);
    }
    EXPECT_FALSE(view_->state().cutting);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewLoadTest, CuttingCursorsTakeTurnsOnlyOverTheFocusedView) {
    loadPicture(400, 300);
    std::vector<bool> cursorB;
    duringWork_ = [&] {
        const QCursor* c = QApplication::overrideCursor();
        cursorB.push_back(sameCursor(c, GameCursors::kCutB));
        EXPECT_TRUE(sameCursor(c, GameCursors::kCutA) || cursorB.back());
    };
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    view_->setFocus();
    QCursor::setPos(view_->mapToGlobal(QPoint(100, 100)));
    view_->startGame(3);
    ASSERT_TRUE(view_->hasFocus());
    EXPECT_NE(std::find(cursorB.begin(), cursorB.end(), true), cursorB.end());
    EXPECT_NE(std::find(cursorB.begin(), cursorB.end(), false), cursorB.end());

    cursorB.clear();
    QCursor::setPos(view_->mapToGlobal(QPoint(-50, -50)));
    view_->startGame(4);
    EXPECT_EQ(std::find(cursorB.begin(), cursorB.end(), true), cursorB.end());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewLoadTest, CuttingWithoutAPictureIsRefused) {
    view_->startGame(1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "You have to load a picture before jumbling");
    EXPECT_EQ(boxes_[0].caption, "Error");
    EXPECT_EQ(view_->session().puzzle(), nullptr);
    EXPECT_FALSE(view_->state().cutting);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(popupsEnabled(), std::vector<bool>(6, true));
}

TEST_F(ViewLoadTest, HooksRunWhenAPictureIsCutAndWhenTheGamePauses) {
    const QString jumbled = scratch_.filePath("jumbled");
    const QString paused = scratch_.filePath("paused");
    WriteIniString(("Always,touch " + jumbled.toStdString()).c_str(), keys::kPromotionJumble);
    WriteIniString(("Always,touch " + paused.toStdString()).c_str(), keys::kPromotionPaused);
    loadPicture(300, 200);
    EXPECT_FALSE(QFile::exists(jumbled));
    view_->startGame(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(jumbled); }, 5000));
    EXPECT_FALSE(QFile::exists(paused));
    view_->onCommand(cmd::kPause);
    ASSERT_TRUE(view_->session().clock.Paused());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(paused); }, 5000));
}

TEST_F(ViewLoadTest, NewGameFromTheFileDialogReplacesTheCutPuzzle) {
    loadPicture(300, 200);
    view_->startGame(9);
    ASSERT_NE(view_->session().puzzle(), nullptr);
    const std::string next = writePicture(scratch_.path(), "next.png", 240, 180);
    bool fileDialog = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || fileDialog) {
            return;
        }
        fileDialog = true;
        dialog->selectFile(QString::fromStdString(next));
        static_cast<QDialog*>(dialog)->accept();
    });
    answer.start(10);
    shown_.clear();
    frame_->postCommand(CJigsawView::kNewGameFromFile);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDialog && !view_->busy(); }, 5000));
    QApplication::processEvents();
    EXPECT_EQ(view_->session().puzzle(), nullptr);
    EXPECT_TRUE(view_->session().HasPicture());
    EXPECT_FALSE(view_->state().puzzleExists);
    EXPECT_EQ(view_->state().zoomOutLevel, 0);
    ASSERT_FALSE(labels().empty());
    EXPECT_EQ(labels().front(), "Loading");
    EXPECT_EQ(frame_->paneText(2), QString());
}

TEST_F(ViewLoadTest, BackgroundColourIsStoredAndDrawn) {
    loadPicture(300, 200);
    view_->startGame(11);
    COLORREF offered = 0;
    CJigsawView::colourChooser() = [&offered](COLORREF& colour, QWidget*) {
        offered = colour;
        colour = RGB(10, 20, 30);
        return true;
    };
    const COLORREF before = view_->background();
    frame_->onCommand(cmd::kBackgroundColor);
    EXPECT_EQ(offered, before);
    EXPECT_EQ(view_->background(), RGB(10, 20, 30));
    EXPECT_EQ(GetIniString(keys::kBackground, "", keys::kOptions), "10 20 30");
    EXPECT_GT(pixelsOf(RGB(10, 20, 30)), 1000);
    EXPECT_EQ(pixelsOf(before), 0);

    CJigsawView::colourChooser() = [](COLORREF& colour, QWidget*) {
        colour = RGB(200, 0, 0);
        return false;
    };
    frame_->onCommand(cmd::kBackgroundColor);
    EXPECT_EQ(view_->background(), RGB(10, 20, 30));
    EXPECT_EQ(GetIniString(keys::kBackground, "", keys::kOptions), "10 20 30");
}

TEST_F(ViewLoadTest, AFinishedAutomaticAssemblyClearsThePuzzleButKeepsThePicture) {
    loadPicture(180, 120);
    view_->startGame(4);
    view_->onCommand(cmd::kZoomOut);
    ASSERT_EQ(view_->state().zoomOutLevel, 1);
    view_->onCommand(cmd::kAutoAssemble);
    ASSERT_TRUE(view_->session().assembly.Running());
    for (int tick = 0; tick < 40 && view_->session().puzzle() != nullptr; ++tick) {
        view_->tick();
    }
    EXPECT_EQ(view_->session().puzzle(), nullptr);
    EXPECT_FALSE(view_->session().assembly.Running());
    EXPECT_TRUE(view_->session().HasPicture());
    EXPECT_FALSE(view_->state().puzzleExists);
    EXPECT_EQ(view_->state().zoomOutLevel, 0);
    EXPECT_TRUE(boxes_.empty());  // no results for the computer's work
}

TEST(PuzzleBuilderZoomArea, ZoomOutLimitFollowsTheRoomLeftForTheTable) {
    PuzzleBuilder::Request request;
    request.screenWidth = 1024;
    request.screenHeight = 768;
    platform::Surface picture(300, 200);
    EXPECT_EQ(PuzzleBuilder::Build(picture, request, {}, nullptr)->largestZoomOut, 31);
    // 600 x 400 no longer fits 400 x 300 after one reduction, only after two.
    request.zoomAreaWidth = 400;
    request.zoomAreaHeight = 300;
    platform::Surface again(300, 200);
    EXPECT_EQ(PuzzleBuilder::Build(again, request, {}, nullptr)->largestZoomOut, 30);
}

// Before Start the picture alone lies on a table twice its size, and a
// picture larger than the window can be scrolled.
TEST_F(ViewLoadTest, ThePictureAloneScrollsOverTwiceItsSize) {
    platform::Surface picture(1000, 700);
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 1000; ++x) {
            picture.setPixel(x, y, static_cast<std::uint32_t>(x << 10 | y));
        }
    }
    view_->setPicture(std::move(picture));
    const QSize port = view_->viewport()->size();
    EXPECT_EQ(view_->horizontalScrollBar()->maximum(), 2000 - port.width());
    EXPECT_EQ(view_->verticalScrollBar()->maximum(), 1400 - port.height());
    view_->horizontalScrollBar()->setValue(300);
    view_->verticalScrollBar()->setValue(200);
    // Drawn 10 pixels in from the table's corner, as it is larger than the window.
    EXPECT_EQ(view_->windowSurface().pixel(0, 0), static_cast<std::uint32_t>(290 << 10 | 190));
}
