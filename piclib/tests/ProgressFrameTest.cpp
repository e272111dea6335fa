// The progress frame: percentages against the range, the not-started form,
// the full bar, values past either end, and that a repeated percentage costs
// no drawing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "ControlsTestSupport.h"
#include "PictControls.h"
#include "platform/MessageBox.h"

using namespace piclib;
using namespace controlstest;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);
const QColor kShadow(128, 128, 128);
const QColor kWhite(255, 255, 255);

// Counts the paint requests that reach a widget.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

class ProgressFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent.resize(320, 120);
        showExposed(parent);
        frame = createProgressFrame(QRect(10, 40, 300, 20), &parent);
        ASSERT_NE(frame, nullptr);
        setProgressRange(frame, 1000, 3000);
        setProgressLabel(frame, QStringLiteral("Loading"));
    }

    QImage look(const char* name) {
        const QImage image = frame->grab().toImage();
        const QString folder = QStringLiteral(TESSELLA_TEST_OUTPUT "/controls");
        QDir().mkpath(folder);
        image.save(folder + "/progress_" + name + ".png");
        return image;
    }

    // The last column of the bar's colour on the middle row, -1 when none.
    static int barEnd(const QImage& img, const QColor& colour) {
        int end = -1;
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, img.height() / 2) == colour) {
                end = x;
            }
        }
        return end;
    }

    // Made before any widget member.
    QApplication& application = app();
    QWidget parent;
    QWidget* frame = nullptr;
};

TEST_F(ProgressFrameTest, ZeroShowsTheLabelWithARedBox) {
    EXPECT_TRUE(drawProgress(frame, 1000));
    const QImage img = look("zero");
    EXPECT_GT(barEnd(img, kRed), 0);
    EXPECT_EQ(barEnd(img, kNavy), -1);
    // The whole frame is a sunken light-grey box.
    EXPECT_EQ(img.pixelColor(150, 0), kShadow);
    EXPECT_EQ(img.pixelColor(0, 10), kShadow);
    EXPECT_EQ(img.pixelColor(299, 10), kWhite);
    EXPECT_EQ(img.pixelColor(200, 19), kWhite);
}

TEST_F(ProgressFrameTest, BelowTheMinimumIsTheNotStartedForm) {
    drawProgress(frame, 1000);
    const QImage atStart = look("start");
    EXPECT_FALSE(drawProgress(frame, -50000));
    EXPECT_EQ(look("below"), atStart);
}

TEST_F(ProgressFrameTest, HundredFillsTheWholeRoomAndBeyondIsClamped) {
    EXPECT_TRUE(drawProgress(frame, 3000));
    const QImage full = look("hundred");
    EXPECT_EQ(barEnd(full, kRed), -1);
    // The bar's box ends at the frame's right edge with its shadow line.
    EXPECT_EQ(barEnd(full, kNavy), 298);
    EXPECT_EQ(full.pixelColor(299, 10), kShadow);

    QWidget* other = createProgressFrame(QRect(10, 70, 300, 20), &parent);
    setProgressRange(other, 1000, 3000);
    setProgressLabel(other, QStringLiteral("Loading"));
    EXPECT_TRUE(drawProgress(other, 1000000));
    EXPECT_EQ(other->grab().toImage(), full);
    EXPECT_FALSE(drawProgress(other, 3000));
}

TEST_F(ProgressFrameTest, BarGrowsInProportion) {
    drawProgress(frame, 1500);
    const int quarter = barEnd(look("quarter"), kNavy);
    drawProgress(frame, 2000);
    const int half = barEnd(look("half"), kNavy);
    drawProgress(frame, 3000);
    const int full = barEnd(look("full"), kNavy);
    ASSERT_GT(quarter, 0);
    // From 25 % to 50 % the bar grows by a quarter of the room, from 50 % to
    // 100 % by half of it.
    EXPECT_NEAR(half - quarter, (full - half) / 2, 2);
    EXPECT_EQ(full, 298);
}

TEST_F(ProgressFrameTest, RepeatedPercentageDrawsNothing) {
    PaintCounter counter;
    frame->installEventFilter(&counter);
    EXPECT_TRUE(drawProgress(frame, 2000));
    const int afterFirst = counter.paints;
    EXPECT_GT(afterFirst, 0);
    // 2000 and 2010 are both 50 %.
    EXPECT_FALSE(drawProgress(frame, 2000));
    EXPECT_FALSE(drawProgress(frame, 2010));
    EXPECT_EQ(counter.paints, afterFirst);
    EXPECT_TRUE(drawProgress(frame, 2020));
    EXPECT_GT(counter.paints, afterFirst);
}

TEST_F(ProgressFrameTest, ShrinkingBarLeavesNothingStale) {
    drawProgress(frame, 2800);
    drawProgress(frame, 1400);
    const QImage shrunk = look("shrunk");

    QWidget* fresh = createProgressFrame(QRect(10, 70, 300, 20), &parent);
    setProgressRange(fresh, 1000, 3000);
    setProgressLabel(fresh, QStringLiteral("Loading"));
    drawProgress(fresh, 1400);
    EXPECT_EQ(fresh->grab().toImage(), shrunk);
}

TEST_F(ProgressFrameTest, WindowShowsWhatTheOffScreenImageHolds) {
    drawProgress(frame, 1200);
    drawProgress(frame, 2600);
    const QImage before = look("exposed_before");
    frame->hide();
    frame->show();
    frame->repaint();
    EXPECT_EQ(frame->grab().toImage(), before);
}

TEST_F(ProgressFrameTest, EmptyRangeJumpsFromNothingToDone) {
    setProgressRange(frame, 500, 500);
    EXPECT_TRUE(drawProgress(frame, 499));
    EXPECT_GT(barEnd(look("empty_range_before"), kRed), 0);
    EXPECT_TRUE(drawProgress(frame, 500));
    EXPECT_EQ(barEnd(look("empty_range_done"), kNavy), 298);
}

TEST(ProgressFrameCreateTest, WithoutAParentReportsTheFailure) {
    app();
    std::string shown;
    platform::setMessageBoxInterceptor([&](const platform::MessageBoxRecord& r) {
        shown = r.text;
        return IDOK;
    });
    EXPECT_EQ(createProgressFrame(QRect(0, 0, 100, 20), nullptr), nullptr);
    platform::setMessageBoxInterceptor({});
    EXPECT_EQ(shown, "Unable to Create Frame");
    EXPECT_FALSE(drawProgress(nullptr, 10));
}

}  // namespace
