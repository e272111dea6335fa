// Window texts, the class registry, numbered messages and the commands the
// shared window controls send.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QWidget>
#include <vector>

#include "ControlsTestSupport.h"
#include "PIXPICK32.h"
#include "PictControls.h"
#include "platform/Surface.h"

using namespace piclib;
using namespace controlstest;

namespace {

// A dialog stand-in that records the commands its controls send.
class Host : public QWidget {
  public:
    Host() {
        resize(400, 300);
        showExposed(*this);
        activate(*this);
    }
    std::vector<int> commands;

  protected:
    bool event(QEvent* e) override {
        if (e->type() == PictCommandEvent::eventType()) {
            commands.push_back(static_cast<PictCommandEvent*>(e)->id);
            return true;
        }
        return QWidget::event(e);
    }
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override { InitPictloadLib(); }
    QWidget* make(const char* cls, const char* text, unsigned style = 0,
                  QRect rect = QRect(10, 10, 90, 26), int id = 1) {
        return createPictControl(cls, text, style, rect, id, &host);
    }
    // Made before any widget member.
    QApplication& application = app();
    Host host;
};

TEST(ButtonTextTest, SplitsNumberAndCaption) {
    const ButtonText ok = parseButtonText("107,&OK");
    EXPECT_TRUE(ok.hasNumber);
    EXPECT_EQ(ok.bitmap, 107);
    EXPECT_EQ(ok.caption, "&OK");
    EXPECT_FALSE(ok.drawsNothing());

    const ButtonText cancel = parseButtonText("-1,&Cancel");
    EXPECT_EQ(cancel.bitmap, -1);
    EXPECT_EQ(cancel.caption, "&Cancel");

    EXPECT_TRUE(parseButtonText("0,Nothing").drawsNothing());
    EXPECT_TRUE(parseButtonText("0").drawsNothing());

    const ButtonText bare = parseButtonText("111");
    EXPECT_EQ(bare.bitmap, 111);
    EXPECT_TRUE(bare.caption.isEmpty());

    const ButtonText commaInCaption = parseButtonText("105,Select, then load");
    EXPECT_EQ(commaInCaption.caption, "Select, then load");
}

TEST(ButtonTextTest, TextWithoutALeadingNumberIsAllCaption) {
    for (const char* text : {"&OK", "3D View", "-,x", "", "99999999999,Big", "12a,b"}) {
        const ButtonText t = parseButtonText(text);
        EXPECT_FALSE(t.hasNumber) << text;
        EXPECT_EQ(t.bitmap, -1) << text;
        EXPECT_EQ(t.caption, QString::fromUtf8(text)) << text;
        EXPECT_FALSE(t.drawsNothing()) << text;
    }
}

TEST_F(ControlsTest, RegistersTheSevenClassesOnceInOrder) {
    InitPictloadLib();
    registerPictControls();
    const std::vector<QString> expected{"TEXTDISPL", "ADVTEXTDISPL", "ANIDSPWND",    "XBOTTON",
                                        "TAPBUTTON", "ShadeFrame",   "BitmapDisplay"};
    EXPECT_EQ(pictControlClassNames(), expected);
}

TEST_F(ControlsTest, CreatesByClassNameWithIdentifierAndGeometry) {
    QWidget* button = make("xbotton", "107,&OK", 0, QRect(20, 30, 80, 24), 1032);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->objectName(), "1032");
    EXPECT_EQ(button->geometry(), QRect(20, 30, 80, 24));
    EXPECT_EQ(button->parentWidget(), &host);
    EXPECT_TRUE(button->isVisible());

    EXPECT_EQ(make("NOSUCHCLASS", "x"), nullptr);
    EXPECT_EQ(make(nullptr, "x"), nullptr);
}

TEST_F(ControlsTest, MessagesToOtherWidgetsAnswerZero) {
    QWidget plain(&host);
    EXPECT_EQ(sendPictMessage(&plain, WM_GETDLGCODE, 0, 0), 0);
    EXPECT_EQ(sendPictMessage(nullptr, WM_GETDLGCODE, 0, 0), 0);
    QWidget* frame = make("ShadeFrame", "I");
    EXPECT_EQ(sendPictMessage(frame, 0x7777, 1, 2), 0);
}

TEST_F(ControlsTest, ButtonDialogCodeFollowsTheDefaultStyle) {
    QWidget* ok = make("XBOTTON", "107,&OK", BS_DEFPUSHBUTTON);
    QWidget* cancel = make("XBOTTON", "108,&Cancel", 0);
    EXPECT_EQ(sendPictMessage(ok, WM_GETDLGCODE, 0, 0), DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(sendPictMessage(cancel, WM_GETDLGCODE, 0, 0), DLGC_UNDEFPUSHBUTTON);

    sendPictMessage(ok, BM_SETSTYLE, 0, 1);
    sendPictMessage(cancel, BM_SETSTYLE, BS_DEFPUSHBUTTON, 1);
    EXPECT_EQ(sendPictMessage(ok, WM_GETDLGCODE, 0, 0), DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(sendPictMessage(cancel, WM_GETDLGCODE, 0, 0), DLGC_DEFPUSHBUTTON);

    QWidget* tab = make("TAPBUTTON", "Galleries", BS_DEFPUSHBUTTON);
    EXPECT_EQ(sendPictMessage(tab, WM_GETDLGCODE, 0, 0), DLGC_DEFPUSHBUTTON);
}

TEST_F(ControlsTest, ButtonSendsItsIdentifierWhereverTheMouseIsReleased) {
    QWidget* button = make("XBOTTON", "107,&OK", 0, QRect(10, 10, 80, 24), 1);
    press(button);
    EXPECT_TRUE(host.commands.empty());
    mouse(button, QEvent::MouseMove, QPoint(200, 200));
    release(button, QPoint(200, 200));
    EXPECT_EQ(host.commands, std::vector<int>{1});

    QWidget* help = make("XBOTTON", "111,&Help", 0, QRect(10, 50, 80, 24), 1032);
    help->setFocus();
    keyClick(help, Qt::Key_Space);
    keyClick(help, Qt::Key_Return);
    EXPECT_EQ(host.commands, (std::vector<int>{1, 1032, 1032}));
}

TEST_F(ControlsTest, DisabledButtonSendsNothing) {
    QWidget* button = make("XBOTTON", "110,Info &Picture", 0, QRect(10, 10, 80, 24), 1023);
    button->setEnabled(false);
    click(button);
    EXPECT_TRUE(host.commands.empty());
}

TEST_F(ControlsTest, PreviewWindowReportsClicksAndReleasedKeys) {
    QWidget* preview = make("ANIDSPWND", "", 0, QRect(10, 10, 120, 90), 1000);
    click(preview);
    key(preview, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_EQ(host.commands.size(), 1u);
    key(preview, QEvent::KeyRelease, Qt::Key_Space);
    keyClick(preview, Qt::Key_Enter);
    keyClick(preview, Qt::Key_A);
    EXPECT_EQ(host.commands, (std::vector<int>{1000, 1000, 1000}));
}

TEST_F(ControlsTest, TabGrowsWhenActiveAndShrinksBack) {
    const QRect tabRect(40, 20, 80, 22);
    QWidget* tab = make("TAPBUTTON", "Galleries", 0, tabRect, 7);
    QWidget* neighbour = make("TAPBUTTON", "Pictures", 0, QRect(120, 20, 80, 22), 8);

    sendPictMessage(tab, PM_ACTIVATETAB, 1, 0);
    EXPECT_EQ(tab->geometry(), tabRect.adjusted(-2, -2, 2, 2));
    // The active tab covers its neighbour where the two overlap.
    EXPECT_EQ(host.childAt(121, 30), tab);

    sendPictMessage(tab, PM_ACTIVATETAB, 1, 0);
    EXPECT_EQ(tab->geometry(), tabRect.adjusted(-2, -2, 2, 2));

    sendPictMessage(tab, PM_ACTIVATETAB, 0, 0);
    EXPECT_EQ(tab->geometry(), tabRect);
    sendPictMessage(tab, PM_ACTIVATETAB, 0, 0);
    EXPECT_EQ(tab->geometry(), tabRect);
    EXPECT_EQ(host.childAt(121, 30), neighbour);
}

TEST_F(ControlsTest, ShadeFrameLiesBelowItsSiblings) {
    QWidget* button = make("XBOTTON", "107,&OK", 0, QRect(20, 20, 80, 24), 1);
    make("ShadeFrame", "A,Size", 0, QRect(0, 0, 300, 200), 1066);
    EXPECT_EQ(host.childAt(30, 30), button);
}

TEST_F(ControlsTest, BitmapDisplayFitsAndCentresOnRequest) {
    QWidget* fitted = make("BitmapDisplay", "QUESTION", 0x2 | 0x1, QRect(5, 40, 100, 100), 3);
    EXPECT_EQ(fitted->size(), QSize(32, 32));
    EXPECT_EQ(fitted->geometry().topLeft(), QPoint((400 - 32) / 2, 40));

    QWidget* kept = make("BitmapDisplay", "107", 0, QRect(5, 40, 100, 100), 4);
    EXPECT_EQ(kept->geometry(), QRect(5, 40, 100, 100));
}

TEST_F(ControlsTest, SetTextMessageReplacesTheWindowText) {
    QWidget* button = make("XBOTTON", "-1,&Old", 0, QRect(10, 10, 80, 24), 5);
    sendPictMessage(button, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>("107,&New"));
    // The caption, and with it the mnemonic key, follow the new text.
    auto* asButton = qobject_cast<QAbstractButton*>(button);
    ASSERT_NE(asButton, nullptr);
    EXPECT_EQ(asButton->text(), "&New");
    EXPECT_EQ(asButton->shortcut(), QKeySequence::mnemonic("&New"));
}

TEST_F(ControlsTest, PreviewKeepsACopyOfTheSentBitmap) {
    QWidget* preview = make("ANIDSPWND", "", 0, QRect(10, 10, 40, 30), 1000);
    auto surface = std::make_unique<platform::Surface>(20, 10, 0x00FF0000);
    sendPictMessage(preview, PM_SETBITMAP, 0, reinterpret_cast<std::intptr_t>(surface.get()));
    surface.reset();
    const QImage shown = preview->grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(255, 0, 0));
    sendPictMessage(preview, PM_SETBITMAP, 0, 0);
    EXPECT_NE(preview->grab().toImage().pixelColor(5, 5), QColor(255, 0, 0));
}

}  // namespace
