#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <set>

#include "TestSupport.h"
#include "view/GameCursors.h"

namespace {

QImage CursorImage(int id) {
    return GameCursor(id).pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(GameCursorsTest, EveryCursorIsDrawnWithItsHotSpotInside) {
    testApp();
    const int ids[] = {GameCursors::kHeld,     GameCursors::kScrollLeft,  GameCursors::kScrollDown,
                       GameCursors::kScrollUp, GameCursors::kScrollRight, GameCursors::kCutA,
                       GameCursors::kCutB};
    std::set<size_t> seen;
    for (const int id : ids) {
        const QCursor cursor = GameCursor(id);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << id;
        const QImage image = CursorImage(id);
        ASSERT_EQ(image.size(), QSize(32, 32)) << id;
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(cursor.hotSpot())) << id;
        // The shape's outline is black and its inside white.
        bool black = false;
        bool white = false;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb p = image.pixel(x, y);
                black = black || (qAlpha(p) == 255 && qGray(p) < 40);
                white = white || (qAlpha(p) == 255 && qGray(p) > 220);
            }
        }
        EXPECT_TRUE(black && white) << id;
        seen.insert(qHash(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                     static_cast<int>(image.sizeInBytes()))));
    }
    EXPECT_EQ(seen.size(), std::size(ids)) << "every cursor looks different";
}

TEST(GameCursorsTest, ScrollArrowsPointTowardsTheirEdge) {
    testApp();
    EXPECT_GT(GameCursor(GameCursors::kScrollRight).hotSpot().x(), 24);
    EXPECT_LT(GameCursor(GameCursors::kScrollLeft).hotSpot().x(), 8);
    EXPECT_LT(GameCursor(GameCursors::kScrollUp).hotSpot().y(), 8);
    EXPECT_GT(GameCursor(GameCursors::kScrollDown).hotSpot().y(), 24);
}

TEST(GameCursorsTest, UnknownNumbersGiveTheArrow) {
    testApp();
    EXPECT_EQ(GameCursor(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(GameCursor(999).shape(), Qt::ArrowCursor);
}

}  // namespace
