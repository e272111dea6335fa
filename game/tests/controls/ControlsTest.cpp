#include <gtest/gtest.h>

#include <QPainter>

#include <vector>

#include "TestSupport.h"
#include "controls/BitmapHelpers.h"
#include "controls/BoxDrawing.h"
#include "controls/ControlClasses.h"
#include "controls/NamesList.h"
#include "controls/PieceToolTip.h"
#include "controls/ProgressIndicator.h"
#include "controls/Slider.h"
#include "platform/MessageBox.h"

namespace {

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& box) {
            boxes_.push_back(box);
            return IDOK;
        });
    }
    void TearDown() override { platform::setMessageBoxInterceptor({}); }

    std::vector<platform::MessageBoxRecord> boxes_;
};

TEST_F(ControlsTest, NamesListDividesItsHeightAmongTheRows) {
    controls::NamesList list(1100);
    list.resize(120, 100);
    const QStringList names{"Ann", "Bob", "Cy", "Di", "Ed"};
    list.sendMessage(controls::NamesList::kSetNames, controls::NamesList::kAlignRight,
                     reinterpret_cast<std::intptr_t>(&names));
    list.sendMessage(controls::NamesList::kSetHighlight, 2, 0);
    EXPECT_EQ(list.rowHeight(), 20);
    EXPECT_EQ(list.alignment(), controls::NamesList::kAlignRight);

    const QImage image = list.grab().toImage();
    image.save(testOutputDir() + QStringLiteral("/nameslist.png"));
    // Row 2 spans y 41..58: olive inside; row 1 light yellow.
    EXPECT_EQ(image.pixelColor(5, 50), controls::kOlive);
    EXPECT_EQ(image.pixelColor(5, 30), controls::kLightYellow);
    EXPECT_EQ(image.pixelColor(1, 41), controls::kButtonShadow);  // sunken box outline
}

TEST_F(ControlsTest, NamesListRefusesANullArray) {
    controls::NamesList list(1100);
    const QStringList names{"Ann"};
    list.setNames(0, &names);
    list.sendMessage(controls::NamesList::kSetNames, 2, 0);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Not a valid Parameter in WM_SETMAES");
    EXPECT_EQ(list.names(), names);
    EXPECT_EQ(list.alignment(), 0);
}

TEST_F(ControlsTest, ToolTipStaysInsideItsParent) {
    QWidget parent;
    parent.resize(300, 200);
    controls::PieceToolTip tip(&parent, QStringLiteral("This piece is locked and can't be moved!"));
    tip.placeAt(QPoint(280, 10));
    EXPECT_EQ(tip.x() + tip.width(), 300);
    EXPECT_EQ(tip.y(), 10);
    tip.placeAt(QPoint(-20, 199));
    EXPECT_EQ(tip.x(), 0);
    EXPECT_EQ(tip.y() + tip.height(), 200);
    tip.grab().save(testOutputDir() + QStringLiteral("/tooltip.png"));

    controls::PieceToolTip empty(&parent, QString());
    EXPECT_EQ(empty.size(), QSize(100, 17));
    QWidget narrow;
    narrow.resize(50, 10);
    controls::PieceToolTip wide(&narrow, QString());
    wide.placeAt(QPoint(30, 5));
    EXPECT_EQ(wide.pos(), QPoint(0, 0));
}

TEST_F(ControlsTest, ProgressShowsPercentagesAndIgnoresRepeats) {
    QWidget parent;
    parent.resize(320, 40);
    controls::ProgressIndicator* frame =
        controls::ProgressIndicator::create(&parent, QRect(0, 0, 300, 20));
    ASSERT_NE(frame, nullptr);
    frame->setLabel(QStringLiteral("Cutting"));
    frame->setRange(0, 100);
    frame->report(-5);
    EXPECT_EQ(frame->lastPercent(), 0);
    const QImage zero = frame->image();
    frame->report(42);
    EXPECT_EQ(frame->lastPercent(), 42);
    const QImage fortyTwo = frame->image();
    EXPECT_NE(zero, fortyTwo);
    frame->report(42);
    EXPECT_EQ(frame->image(), fortyTwo);
    frame->report(250);
    EXPECT_EQ(frame->lastPercent(), 100);
    // Full: the bar reaches the right edge.
    EXPECT_EQ(frame->image().pixelColor(295, 10), QColor(0, 0, 128));
    frame->image().save(testOutputDir() + QStringLiteral("/progress.png"));
}

TEST_F(ControlsTest, ProgressWithoutParentReportsAndGivesNothing) {
    EXPECT_EQ(controls::ProgressIndicator::create(nullptr, QRect(0, 0, 10, 10)), nullptr);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Unable to Create Frame");
}

TEST_F(ControlsTest, ClassesAreKnownOnceAndNotTakenOver) {
    EXPECT_EQ(controls::RegisterSliderClasses(), 1);
    EXPECT_EQ(controls::RegisterSliderClasses(), 1);
    controls::RegisterProgramClasses(nullptr);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_TRUE(controls::ControlClasses::isRegistered(QStringLiteral("MicroScroll")));
    EXPECT_TRUE(controls::ControlClasses::isRegistered(QStringLiteral("NAMESLIST")));

    QWidget parent;
    QWidget* made = controls::ControlClasses::create(QStringLiteral("Slider"), 1201,
                                                     controls::Slider::kStyleRangeFromText,
                                                     QStringLiteral("6,60,60"), &parent);
    auto* slider = qobject_cast<controls::Slider*>(made);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->position(), 60);
    EXPECT_EQ(controls::ControlClasses::create(QStringLiteral("NoSuchClass"), 1, 0, {}, &parent),
              nullptr);

    const controls::ControlFactory other = [](int, unsigned, const QString&, QWidget* p) {
        return new QWidget(p);
    };
    EXPECT_FALSE(controls::ControlClasses::registerClass(QStringLiteral("Slider"), other));
    EXPECT_FALSE(controls::ControlClasses::registerClass(QString(), other));
}

TEST_F(ControlsTest, BoxesHaveTheirEdgeColoursSwapped) {
    QImage image(20, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    controls::drawSunkenBox(painter, QRect(0, 0, 10, 10), Qt::red);
    controls::drawRaisedBox(painter, QRect(10, 0, 10, 10), Qt::red);
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 0), controls::kButtonShadow);
    EXPECT_EQ(image.pixelColor(9, 9), controls::kButtonHighlight);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 0), controls::kButtonHighlight);
    EXPECT_EQ(image.pixelColor(19, 9), controls::kButtonShadow);
}

// A 2 x 2 picture of 8 bits with three colours.
platform::PackedDib smallIndexedDib(int colours) {
    platform::PackedDib dib = platform::PackedDib::create(2, 2, 8, colours);
    dib.setColour(0, {0, 0, 255, 0});  // red
    dib.setColour(1, {0, 255, 0, 0});  // green
    dib.setColour(2, {255, 0, 0, 0});  // blue
    dib.row(0)[0] = 0;
    dib.row(0)[1] = 1;
    dib.row(1)[0] = 2;
    dib.row(1)[1] = 1;
    return dib;
}

TEST_F(ControlsTest, IndexedDibBecomesBitmapAndPalette) {
    const platform::PackedDib dib = smallIndexedDib(3);
    const controls::DeviceBitmap bitmap = controls::DibToBitmap(dib);
    ASSERT_TRUE(bitmap.transferred);
    ASSERT_TRUE(bitmap.palette.has_value());
    EXPECT_EQ(bitmap.palette->version, 0x300);
    ASSERT_EQ(bitmap.palette->entries.size(), 3u);
    EXPECT_EQ(bitmap.palette->entries[0], (controls::PaletteEntry{255, 0, 0, 0}));
    EXPECT_EQ(bitmap.surface.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(bitmap.surface.pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(bitmap.surface.pixel(0, 1), 0x0000FFu);

    const controls::DeviceBitmap big = controls::DibToBitmapStretched(dib, 4, 4);
    EXPECT_EQ(big.surface.width(), 4);
    EXPECT_EQ(big.surface.pixel(3, 3), 0x00FF00u);
}

TEST_F(ControlsTest, ZeroColourCountUsesTheStockPalette) {
    platform::PackedDib dib = smallIndexedDib(256);
    platform::BitmapInfoHeader h = dib.header();
    h.clrUsed = 0;
    dib.setHeader(h);
    const std::optional<controls::LogicalPalette> stock = controls::PaletteFromDib(dib);
    ASSERT_TRUE(stock.has_value());
    ASSERT_EQ(stock->entries.size(), 256u);
    EXPECT_EQ(stock->entries[19], (controls::PaletteEntry{255, 255, 255, 0}));
    // For the transfer the full table of the depth is used instead.
    const controls::DeviceBitmap bitmap = controls::DibToBitmap(dib);
    ASSERT_TRUE(bitmap.palette.has_value());
    EXPECT_EQ(bitmap.palette->entries[2], (controls::PaletteEntry{0, 0, 255, 0}));
}

TEST_F(ControlsTest, TrueColourAndUnknownDepths) {
    platform::PackedDib rgb = platform::PackedDib::create(1, 1, 24);
    rgb.row(0)[0] = 0x30;  // blue
    rgb.row(0)[1] = 0x20;
    rgb.row(0)[2] = 0x10;
    const controls::DeviceBitmap bitmap = controls::DibToBitmap(rgb);
    EXPECT_FALSE(bitmap.palette.has_value());
    EXPECT_EQ(bitmap.surface.pixel(0, 0), 0x102030u);

    const int beeps = platform::beepCount();
    const controls::DeviceBitmap none = controls::DibToBitmap(platform::PackedDib());
    EXPECT_FALSE(none.transferred);
    EXPECT_EQ(platform::beepCount(), beeps + 1);
}

}  // namespace
