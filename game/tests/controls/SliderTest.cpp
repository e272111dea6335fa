#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>

#include "TestSupport.h"
#include "controls/MulDiv.h"
#include "controls/Slider.h"

namespace {

using controls::Slider;

constexpr unsigned kFromText = Slider::kStyleHorizontal | Slider::kStyleRangeFromText;

class SliderTest : public ::testing::Test {
  protected:
    void SetUp() override { testApp(); }

    static void mouse(Slider& s, QEvent::Type type, int x, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        const QPointF local(x, s.height() / 2);
        QMouseEvent event(type, local, s.mapToGlobal(local), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&s, &event);
    }

    // Presses on the thumb, drags to x, releases there.
    static void drag(Slider& s, int x) {
        const int centre = s.thumbRect().center().x();
        mouse(s, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        mouse(s, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
        mouse(s, QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton);
    }
};

TEST_F(SliderTest, CreationTextSetsRangeAndPosition) {
    Slider exact(1201, kFromText, QStringLiteral("6,60,60"));
    EXPECT_EQ(exact.minimum(), 6);
    EXPECT_EQ(exact.maximum(), 60);
    EXPECT_EQ(exact.position(), 60);
    EXPECT_EQ(exact.objectName(), QStringLiteral("1201"));

    Slider outside(1, kFromText, QStringLiteral("6,60,99"));
    EXPECT_EQ(outside.position(), 33);
}

TEST_F(SliderTest, InvalidTextGivesZeroToNineAtFive) {
    for (const char* text :
         {"6,60", "6;60;60", "6,60,60 ", "a,b,c", "", "6,,60", "60,6,10", "6,70000,10", "-1,5,3"}) {
        Slider s(1, kFromText, QString::fromUtf8(text));
        EXPECT_EQ(s.minimum(), 0) << text;
        EXPECT_EQ(s.maximum(), 9) << text;
        EXPECT_EQ(s.position(), 5) << text;
    }
    Slider ignored(1, Slider::kStyleHorizontal, QStringLiteral("6,60,60"));
    EXPECT_EQ(ignored.maximum(), 9);
}

TEST_F(SliderTest, VerticalWinsOverHorizontal) {
    Slider both(1, Slider::kStyleVertical | Slider::kStyleHorizontal, QString());
    EXPECT_FALSE(both.horizontal());
    Slider flat(1, Slider::kStyleHorizontal, QString());
    EXPECT_TRUE(flat.horizontal());
}

TEST_F(SliderTest, MessagesSetAndGetRangeAndPosition) {
    Slider s(7, kFromText, QStringLiteral("6,60,60"));
    QSignalSpy commands(&s, &Slider::command);

    EXPECT_EQ(s.sendMessage(Slider::kSetRange, 0, 10 | (5 << 16)), 0);
    EXPECT_EQ(s.sendMessage(Slider::kGetRange, 0, 0), 6 | (60 << 16));
    EXPECT_EQ(s.sendMessage(Slider::kGetPosition, 0, 0), 60);
    EXPECT_EQ(commands.count(), 0);

    EXPECT_EQ(s.sendMessage(Slider::kSetRange, 0, 10 | (20 << 16)), 1);
    EXPECT_EQ(s.position(), 10);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.takeFirst().at(0).toInt(), 7);

    EXPECT_EQ(s.sendMessage(Slider::kSetPosition, 21, 0), 0);
    EXPECT_EQ(s.sendMessage(Slider::kSetPosition, 9, 0), 0);
    EXPECT_EQ(s.sendMessage(Slider::kSetPosition, 20, 0), 1);
    EXPECT_EQ(s.position(), 20);
    EXPECT_EQ(commands.count(), 1);
}

TEST_F(SliderTest, ScrollMessagesStepWithinTheRange) {
    Slider s(1, kFromText, QStringLiteral("3,5,4"));
    QSignalSpy commands(&s, &Slider::command);
    s.sendMessage(Slider::kHScroll, 1, 0);
    s.sendMessage(Slider::kVScroll, 1, 0);
    EXPECT_EQ(s.position(), 5);
    EXPECT_EQ(commands.count(), 1);  // the step past the end changed nothing
    s.sendMessage(Slider::kHScroll, 0, 0);
    s.sendMessage(Slider::kHScroll, 0, 0);
    s.sendMessage(Slider::kHScroll, 0, 0);
    EXPECT_EQ(s.position(), 3);
    EXPECT_EQ(commands.count(), 3);
}

TEST_F(SliderTest, ThumbSitsAtTheTrackEndsForMinimumAndMaximum) {
    Slider s(1, kFromText, QStringLiteral("6,60,6"));
    s.resize(206, 28);
    const int half = s.thumbRect().width() / 2;
    EXPECT_EQ(s.thumbOffset(), s.trackStart() - half);
    s.setPosition(60);
    EXPECT_EQ(s.thumbOffset(), s.trackStart() - half + s.trackLength() - 1);
}

TEST_F(SliderTest, DragMapsThePointerToPositionsAtBothEnds) {
    Slider s(1201, kFromText, QStringLiteral("23,65,40"));
    s.resize(206, 28);
    QSignalSpy commands(&s, &Slider::command);

    drag(s, -50);
    EXPECT_EQ(s.position(), 23);
    EXPECT_FALSE(s.dragging());
    drag(s, 500);
    EXPECT_EQ(s.position(), 65);
    drag(s, s.trackStart());
    EXPECT_EQ(s.position(), 23);
    drag(s, s.trackStart() + s.trackLength() - 1);
    EXPECT_EQ(s.position(), 65);
    EXPECT_EQ(commands.count(), 4);

    // The middle of the track rounds as MulDiv does.
    const int middle = s.trackStart() + (s.trackLength() - 1) / 2;
    EXPECT_EQ(s.positionAt(middle),
              23 + controls::MulDiv(42, middle - s.trackStart(), s.trackLength() - 1));
}

TEST_F(SliderTest, PressOutsideTheThumbDoesNothing) {
    Slider s(1, kFromText, QStringLiteral("0,100,0"));
    s.resize(206, 28);
    mouse(s, QEvent::MouseButtonPress, 150, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(s.dragging());
    mouse(s, QEvent::MouseMove, 180, Qt::NoButton, Qt::LeftButton);
    mouse(s, QEvent::MouseButtonRelease, 180, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(s.position(), 0);
}

TEST_F(SliderTest, MulDivRoundsToNearestAndAnswersMinusOneForZero) {
    EXPECT_EQ(controls::MulDiv(10, 1, 4), 3);  // 2.5 rounds away from zero
    EXPECT_EQ(controls::MulDiv(10, 1, 3), 3);  // 3.33
    EXPECT_EQ(controls::MulDiv(-10, 1, 4), -3);
    EXPECT_EQ(controls::MulDiv(5, 7, 0), -1);
    EXPECT_EQ(controls::MulDiv(60000, 60000, 60000), 60000);
}

TEST_F(SliderTest, RendersTrackAndThumb) {
    Slider s(1201, kFromText, QStringLiteral("6,60,30"));
    s.resize(206, 28);
    const QImage image = s.grab().toImage();
    image.save(testOutputDir() + QStringLiteral("/slider.png"));
    const QPoint inTrack(s.trackRect().right() - 2, s.trackRect().center().y());
    EXPECT_EQ(image.pixelColor(inTrack), QColor(192, 0, 0));
    EXPECT_EQ(image.pixelColor(s.thumbRect().topLeft()), QColor(255, 255, 255));
}

}  // namespace
