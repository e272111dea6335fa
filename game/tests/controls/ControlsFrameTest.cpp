#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "TestSupport.h"
#include "controls/BoxDrawing.h"
#include "controls/CFramedDialog.h"
#include "controls/MicroScroll.h"

namespace {

class ControlsFrameTest : public ::testing::Test {
  protected:
    void SetUp() override { testApp(); }

    static void send(QWidget& w, QEvent::Type type, QPoint local, QPoint global,
                     Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(local), QPointF(global), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &event);
    }
};

TEST_F(ControlsFrameTest, FramePaintsCaptionAndPlacesTheClientBelowIt) {
    controls::CFramedDialog dialog(150, QStringLiteral("Sound"));
    dialog.setClientSize(200, 100);
    const int inset = controls::CFramedDialog::kOutline + controls::CFramedDialog::kFrameWidth;
    EXPECT_EQ(dialog.size(), QSize(200 + 2 * inset,
                                   100 + 2 * inset + controls::CFramedDialog::kCaptionHeight + 1));
    EXPECT_EQ(dialog.client()->pos(),
              QPoint(inset, inset + controls::CFramedDialog::kCaptionHeight + 1));
    EXPECT_EQ(dialog.objectName(), QStringLiteral("150"));

    dialog.setActiveLook(true);
    const QImage active = dialog.grab().toImage();
    active.save(testOutputDir() + QStringLiteral("/framed-dialog.png"));
    EXPECT_EQ(active.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(active.pixelColor(1, 1), controls::kButtonHighlight);
    const QPoint inCaption(dialog.captionRect().right() - 3, dialog.captionRect().center().y());
    EXPECT_EQ(active.pixelColor(inCaption), QColor(0, 0, 128));
    dialog.setActiveLook(false);
    EXPECT_EQ(dialog.grab().toImage().pixelColor(inCaption), QColor(128, 128, 128));
}

TEST_F(ControlsFrameTest, CaptionDragsAndCloseBoxCancels) {
    controls::CFramedDialog dialog(101, QStringLiteral("Preferences"));
    dialog.setClientSize(200, 100);
    dialog.move(100, 100);
    const QPoint grab = dialog.captionRect().center();
    const QPoint global = dialog.mapToGlobal(grab);
    send(dialog, QEvent::MouseButtonPress, grab, global, Qt::LeftButton, Qt::LeftButton);
    send(dialog, QEvent::MouseMove, grab, global + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    send(dialog, QEvent::MouseButtonRelease, grab, global + QPoint(30, 20), Qt::LeftButton,
         Qt::NoButton);
    EXPECT_EQ(dialog.pos(), QPoint(130, 120));
    EXPECT_EQ(dialog.result(), 0);

    dialog.setResult(7);
    const QPoint box = dialog.closeBoxRect().center();
    send(dialog, QEvent::MouseButtonPress, box, dialog.mapToGlobal(box), Qt::LeftButton,
         Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(ControlsFrameTest, MicroScrollRepeatsWhileHeld) {
    controls::MicroScroll arrows(1300);
    arrows.resize(16, 24);
    QSignalSpy steps(&arrows, &controls::MicroScroll::scroll);
    send(arrows, QEvent::MouseButtonPress, QPoint(8, 20), QPoint(8, 20), Qt::LeftButton,
         Qt::LeftButton);
    ASSERT_EQ(steps.count(), 1);
    EXPECT_EQ(steps.at(0).at(1).toInt(), 1);  // lower arrow: line down
    QTest::qWait(controls::MicroScroll::kFirstRepeatMs + 3 * controls::MicroScroll::kRepeatMs);
    EXPECT_GE(steps.count(), 2);
    send(arrows, QEvent::MouseButtonRelease, QPoint(8, 20), QPoint(8, 20), Qt::LeftButton,
         Qt::NoButton);
    const int released = steps.count();
    QTest::qWait(2 * controls::MicroScroll::kRepeatMs);
    EXPECT_EQ(steps.count(), released);
    EXPECT_EQ(arrows.held(), -1);
}

}  // namespace
