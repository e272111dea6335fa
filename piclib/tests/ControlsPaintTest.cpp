// How the shared window controls look: frames, captions, tabs and panels
// checked pixel by pixel on a magenta dialog, so that anything a control
// leaves unpainted shows. Every control is also saved as a PNG under the
// test output folder for review.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <functional>

#include "ControlsTestSupport.h"
#include "PIXPICK32.h"
#include "PictControls.h"

using namespace piclib;
using namespace controlstest;

namespace {

const QColor kMagenta(255, 0, 255);
const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

class ControlsPaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitPictloadLib();
        QPalette pal = dialog.palette();
        pal.setColor(QPalette::Window, kMagenta);
        dialog.setPalette(pal);
        dialog.setAutoFillBackground(true);
        dialog.resize(320, 200);
        showExposed(dialog);
    }

    QWidget* make(const char* cls, const char* text, unsigned style = 0,
                  QRect rect = QRect(10, 10, 100, 26)) {
        return createPictControl(cls, text, style, rect, 1, &dialog);
    }

    // The control as it appears on the dialog, saved for review as name.png.
    QImage shot(QWidget* control, const QString& name) {
        const QRect area = control == &dialog ? dialog.rect() : control->geometry();
        const QImage image = dialog.grab(area).toImage();
        const QString folder = QStringLiteral(TESSELLA_TEST_OUTPUT "/controls");
        QDir().mkpath(folder);
        image.save(folder + "/" + name + ".png");
        return image;
    }

    // Made before any widget member.
    QApplication& application = app();
    QWidget dialog;
};

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

int count(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += match(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return n;
}

bool coloured(QColor c) {
    return c.red() != c.green() || c.green() != c.blue();
}

QRect inside(const QImage& image) {
    return QRect(3, 3, image.width() - 6, image.height() - 6);
}

TEST_F(ControlsPaintTest, ButtonFrameHasRoundedCornersAndDarkEdges) {
    const QImage img = shot(make("XBOTTON", "107,&OK"), "xbotton_ok");
    const int w = img.width();
    const int h = img.height();
    EXPECT_EQ(at(img, 0, 0), kFace);
    EXPECT_EQ(at(img, w - 1, h - 1), kFace);
    EXPECT_EQ(at(img, 0, 5), kWhite);
    EXPECT_EQ(at(img, 1, 5), kWhite);
    EXPECT_EQ(at(img, w - 1, 5), kBlack);
    EXPECT_EQ(at(img, 5, h - 1), kBlack);
    EXPECT_EQ(at(img, w - 2, 5), kShadow);
    EXPECT_EQ(at(img, w - 2, h - 2), kShadow);
    // The caption in black and the green tick of bitmap 107.
    EXPECT_GT(count(img, inside(img), [](QColor c) { return c == kBlack; }), 10);
    EXPECT_GT(count(img, inside(img), [](QColor c) { return c.green() > 2 * c.red() + 40; }), 5);
}

TEST_F(ControlsPaintTest, PressedButtonIsSunkenAndDefaultButtonFramedInBlack) {
    QWidget* button = make("XBOTTON", "108,&Cancel", BS_DEFPUSHBUTTON);
    const QImage normal = shot(button, "xbotton_default");
    EXPECT_EQ(at(normal, 0, 0), kBlack);
    EXPECT_EQ(at(normal, 0, 5), kBlack);
    EXPECT_EQ(at(normal, 5, 0), kBlack);

    press(button);
    const QImage pressed = shot(button, "xbotton_pressed");
    EXPECT_EQ(at(pressed, 1, 5), kShadow);
    EXPECT_EQ(at(pressed, 5, 1), kShadow);
    EXPECT_NE(normal, pressed);
    release(button);
}

TEST_F(ControlsPaintTest, ZeroBitmapDrawsNothingAndMinusOneOnlyTheCaption) {
    const QImage nothing = shot(make("XBOTTON", "0,&OK"), "xbotton_zero");
    EXPECT_EQ(count(nothing, nothing.rect(), [](QColor c) { return c != kMagenta; }), 0);

    const QImage captionOnly = shot(make("XBOTTON", "-1,&Cancel"), "xbotton_caption_only");
    EXPECT_GT(count(captionOnly, inside(captionOnly), [](QColor c) { return c == kBlack; }), 10);
    EXPECT_EQ(count(captionOnly, captionOnly.rect(), coloured), 0);

    const QImage withBitmap = shot(make("XBOTTON", "108,&Cancel"), "xbotton_cancel");
    EXPECT_GT(count(withBitmap, inside(withBitmap), coloured), 5);
}

TEST_F(ControlsPaintTest, UnknownBitmapNumberStillShowsTheCaption) {
    const QImage img = shot(make("XBOTTON", "4711,&Later"), "xbotton_unknown_bitmap");
    EXPECT_GT(count(img, inside(img), [](QColor c) { return c == kBlack; }), 10);
}

TEST_F(ControlsPaintTest, DisabledCaptionIsEmbossed) {
    QWidget* button = make("XBOTTON", "-1,&Delete");
    button->setEnabled(false);
    const QImage img = shot(button, "xbotton_disabled");
    const QRect area = inside(img);
    EXPECT_EQ(count(img, area, [](QColor c) { return c == kBlack; }), 0);
    int greys = 0;
    for (int y = area.top(); y < area.bottom(); ++y) {
        for (int x = area.left(); x < area.right(); ++x) {
            if (at(img, x, y) != kShadow) {
                continue;
            }
            ++greys;
            // The white copy lies one pixel down and right, under the grey.
            const QColor below = at(img, x + 1, y + 1);
            EXPECT_TRUE(below == kShadow || below == kWhite) << x << "," << y;
        }
    }
    EXPECT_GT(greys, 10);
    EXPECT_GT(count(img, area, [](QColor c) { return c == kWhite; }), 5);
}

TEST_F(ControlsPaintTest, FocusedButtonGetsADottedRectangleAroundItsCaption) {
    QWidget* button = make("XBOTTON", "-1,&Help");
    const QImage plain = shot(button, "xbotton_unfocused");
    ASSERT_TRUE(activate(dialog));
    button->setFocus();
    const QImage focused = shot(button, "xbotton_focused");
    const auto black = [](QColor c) { return c == kBlack; };
    EXPECT_GT(count(focused, inside(focused), black), count(plain, inside(plain), black) + 8);
}

TEST_F(ControlsPaintTest, BitmapOnTopPutsTheCaptionBelow) {
    const QImage img =
        shot(make("XBOTTON", "110,Info &Picture", XB_BITMAP_ON_TOP, QRect(10, 10, 90, 44)),
             "xbotton_bitmap_on_top");
    const auto isColoured = [](QColor c) { return coloured(c); };
    EXPECT_GT(count(img, QRect(3, 3, img.width() - 6, 18), isColoured), 5);
    EXPECT_EQ(count(img, QRect(3, 24, img.width() - 6, img.height() - 27), isColoured), 0);
}

TEST_F(ControlsPaintTest, InactiveTabHasABottomLineAndActiveTabJoinsThePage) {
    QWidget* tab = make("TAPBUTTON", "Galleries", 0, QRect(20, 20, 80, 22));
    const QImage inactive = shot(tab, "tapbutton_inactive");
    const int w = inactive.width();
    const int h = inactive.height();
    EXPECT_EQ(at(inactive, 0, 0), kFace);
    EXPECT_EQ(at(inactive, w - 1, 0), kFace);
    EXPECT_EQ(at(inactive, 1, 1), kWhite);
    EXPECT_EQ(at(inactive, w - 1, h / 2), kBlack);
    EXPECT_EQ(at(inactive, w - 2, h / 2), kShadow);
    EXPECT_EQ(at(inactive, w / 2, h - 1), kWhite);

    sendPictMessage(tab, PM_ACTIVATETAB, 1, 0);
    const QImage active = shot(tab, "tapbutton_active");
    EXPECT_EQ(active.size(), inactive.size() + QSize(4, 4));
    EXPECT_EQ(at(active, active.width() / 2, active.height() - 1), kFace);
    EXPECT_EQ(at(active, 0, active.height() - 1), kWhite);
}

TEST_F(ControlsPaintTest, TabWithBitmapLaysOutLikeAButton) {
    const QImage img =
        shot(make("TAPBUTTON", "105,&Select", 0, QRect(20, 20, 90, 22)), "tapbutton_bitmap");
    EXPECT_GT(count(img, inside(img), coloured), 5);
}

TEST_F(ControlsPaintTest, ShadeFrameLooks) {
    const QRect r(10, 10, 120, 80);
    const QImage in = shot(make("ShadeFrame", "I", 0, r), "shadeframe_in");
    EXPECT_EQ(at(in, 50, 0), kShadow);
    EXPECT_EQ(at(in, 0, 40), kShadow);
    EXPECT_EQ(at(in, 50, 79), kWhite);
    EXPECT_EQ(at(in, 119, 40), kWhite);
    EXPECT_EQ(at(in, 50, 40), kMagenta);

    const QImage out = shot(make("ShadeFrame", "O", 0, r.translated(140, 0)), "shadeframe_out");
    EXPECT_EQ(at(out, 50, 0), kWhite);
    EXPECT_EQ(at(out, 0, 40), kWhite);
    EXPECT_EQ(at(out, 50, 79), kShadow);
    EXPECT_EQ(at(out, 119, 40), kShadow);
    EXPECT_EQ(at(out, 50, 40), kMagenta);

    const QImage none =
        shot(make("ShadeFrame", "X,Nothing", 0, r.translated(0, 90)), "shadeframe_none");
    EXPECT_EQ(count(none, none.rect(), [](QColor c) { return c != kMagenta; }), 0);
}

TEST_F(ControlsPaintTest, GroupFrameIsEtchedBelowItsCaption) {
    QWidget* group = make("ShadeFrame", "A,Placement", 0, QRect(10, 10, 200, 90));
    const QImage img = shot(group, "shadeframe_group");
    const int q = QFontMetrics(group->font()).height() / 4;
    const int w = img.width();
    const int h = img.height();
    EXPECT_EQ(at(img, 150, q + 1), kShadow);
    EXPECT_EQ(at(img, 150, q + 2), kWhite);
    EXPECT_EQ(at(img, 1, h / 2), kShadow);
    EXPECT_EQ(at(img, 2, h / 2), kWhite);
    EXPECT_EQ(at(img, 150, h - 3), kShadow);
    EXPECT_EQ(at(img, 150, h - 2), kWhite);
    EXPECT_EQ(at(img, w - 3, h / 2), kShadow);
    EXPECT_EQ(at(img, w - 2, h / 2), kWhite);
    EXPECT_EQ(at(img, 0, h / 2), kMagenta);
    EXPECT_EQ(at(img, 100, h / 2), kMagenta);
    // The caption in dark blue, on the face colour that breaks the frame.
    const QRect caption(10, 0, 80, QFontMetrics(group->font()).height() + 1);
    EXPECT_GT(count(img, caption, [](QColor c) { return c == QColor(0, 0, 128); }), 10);
    EXPECT_GT(count(img, caption, [](QColor c) { return c == kFace; }), 10);
}

TEST_F(ControlsPaintTest, DescriptionLineIsAPaleYellowSunkenBox) {
    QWidget* line = make("TEXTDISPL", "Harbour at dawn", 0, QRect(10, 10, 200, 22));
    const QImage img = shot(line, "textdispl");
    EXPECT_EQ(at(img, 0, 0), kMagenta);
    EXPECT_EQ(at(img, 50, 1), kShadow);
    EXPECT_EQ(at(img, 1, 10), kShadow);
    EXPECT_EQ(at(img, 50, 20), kWhite);
    EXPECT_EQ(at(img, 198, 10), kWhite);
    EXPECT_EQ(at(img, 190, 10), QColor(255, 255, 128));
    EXPECT_GT(count(img, QRect(3, 3, 100, 16), [](QColor c) { return c == kBlack; }), 20);

    // Right-aligned with the right style bit; a new text repaints.
    QWidget* right = make("TEXTDISPL", "Hafen", SS_RIGHT, QRect(10, 40, 200, 22));
    sendPictMessage(right, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>("Port"));
    const QImage r = shot(right, "textdispl_right");
    const auto black = [](QColor c) { return c == kBlack; };
    EXPECT_EQ(count(r, QRect(3, 3, 100, 16), black), 0);
    EXPECT_GT(count(r, QRect(150, 3, 47, 16), black), 10);
}

TEST_F(ControlsPaintTest, TextPanelTakesColoursStylesAndBoldMarker) {
    QWidget* panel = make("ADVTEXTDISPL", "Seconds", 0x10 | 0x1 | 0x8, QRect(10, 10, 120, 24));
    sendPictMessage(panel, PM_BACKCOLOR, 1, 0x0000FF00);
    sendPictMessage(panel, PM_TEXTCOLOR, 0, 0x000000FF);
    const QImage img = shot(panel, "advtextdispl_colours");
    EXPECT_EQ(at(img, 60, 0), kShadow);
    EXPECT_EQ(at(img, 60, 23), kWhite);
    EXPECT_EQ(at(img, 4, 12), QColor(0, 255, 0));
    EXPECT_GT(count(img, inside(img), [](QColor c) { return c == QColor(255, 0, 0); }), 10);

    // Bit 0x200 wins over the colour sent.
    sendPictMessage(panel, PM_BACKCOLOR, 0, 0x00FF0000);
    QWidget* yellow = make("ADVTEXTDISPL", "x", 0x20 | 0x200 | 0x100, QRect(140, 10, 60, 24));
    EXPECT_EQ(at(shot(yellow, "advtextdispl_raised"), 30, 12), QColor(255, 255, 128));

    const char* text = "Select the galleries to be deleted.";
    QWidget* bold =
        make("ADVTEXTDISPL", "b,Select the galleries to be deleted.", 0, QRect(10, 40, 300, 40));
    QWidget* normal = make("ADVTEXTDISPL", text, 0, QRect(10, 90, 300, 40));
    const QImage b = shot(bold, "advtextdispl_bold");
    const QImage n = shot(normal, "advtextdispl_normal");
    const auto black = [](QColor c) { return c == kBlack; };
    EXPECT_GT(count(b, b.rect(), black), count(n, n.rect(), black) * 11 / 10);
    // Without a box style the panel leaves its background alone.
    EXPECT_EQ(at(n, n.width() - 2, n.height() - 2), kMagenta);
}

TEST_F(ControlsPaintTest, TextPanelTakesADialogFontUnlessSmallOrTheParentsOwn) {
    const auto black = [](QColor c) { return c == kBlack; };
    const auto inkOf = [&](unsigned style, const QFont& font, const char* name) {
        QWidget* panel = make("ADVTEXTDISPL", "Pieces", style, QRect(10, 10, 200, 40));
        sendPictMessage(panel, WM_SETFONT, reinterpret_cast<std::uintptr_t>(&font), 1);
        const QImage img = shot(panel, name);
        delete panel;
        return count(img, img.rect(), black);
    };
    QFont large = dialog.font();
    large.setPixelSize(24);
    large.setBold(true);
    const QFont none;
    const int plain = inkOf(0, dialog.font(), "advtextdispl_parent_font");
    EXPECT_GT(inkOf(0, large, "advtextdispl_large_font"), plain * 2);
    const int small = inkOf(0x400, none, "advtextdispl_small");
    EXPECT_EQ(inkOf(0x400, large, "advtextdispl_small_keeps_font"), small);
}

TEST_F(ControlsPaintTest, PreviewDrawsAFocusRectangleWhileFocused) {
    QWidget* preview = make("ANIDSPWND", "", 0, QRect(10, 10, 60, 40));
    const auto black = [](QColor c) { return c == kBlack; };
    EXPECT_EQ(count(shot(preview, "anidspwnd"), QRect(0, 0, 60, 40), black), 0);
    ASSERT_TRUE(activate(dialog));
    preview->setFocus();
    const QImage focused = shot(preview, "anidspwnd_focused");
    EXPECT_EQ(at(focused, 0, 0), kBlack);
    EXPECT_EQ(at(focused, 1, 0), kMagenta);
    EXPECT_EQ(at(focused, 2, 0), kBlack);
    EXPECT_EQ(at(focused, 59, 20), kBlack);
}

TEST_F(ControlsPaintTest, BitmapDisplayShowsItsResource) {
    QWidget* question = make("BitmapDisplay", "QUESTION", 0x2, QRect(10, 10, 60, 60));
    const QImage img = shot(question, "bitmapdisplay_question");
    EXPECT_GT(count(img, img.rect(), [](QColor c) { return c.blue() > 200 && c.red() < 80; }), 10);

    QWidget* numbered = make("BitmapDisplay", "201", 0x2, QRect(80, 10, 60, 60));
    EXPECT_EQ(numbered->size(), QSize(16, 16));
    sendPictMessage(numbered, PM_SETBITMAP, 107, 0);
    const QImage ok = shot(numbered, "bitmapdisplay_107");
    EXPECT_GT(count(ok, ok.rect(), [](QColor c) { return c.green() > 2 * c.red() + 40; }), 5);
}

TEST_F(ControlsPaintTest, EveryButtonBitmapIsDrawn) {
    for (int number : {105, 107, 108, 109, 110, 111, 200, 201, 202}) {
        const QImage icon = pictBitmap(number).toImage();
        ASSERT_EQ(icon.size(), QSize(16, 16)) << number;
        int opaque = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                opaque += icon.pixelColor(x, y).alpha() > 128 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 20) << number;
        EXPECT_LT(opaque, 250) << number;
    }
    EXPECT_TRUE(pictBitmap(4711).isNull());
    EXPECT_TRUE(pictBitmap(0).isNull());
}

TEST_F(ControlsPaintTest, SampleDialogForReview) {
    dialog.resize(330, 170);
    make("ShadeFrame", "A,Picture", 0, QRect(8, 6, 314, 72));
    make("TEXTDISPL", "Harbour at dawn", 0, QRect(18, 28, 200, 20));
    make("BitmapDisplay", "QUESTION", 0x2, QRect(270, 26, 40, 40));
    make("XBOTTON", "110,Info &Picture", 0, QRect(18, 50, 100, 22));
    make("XBOTTON", "109,Info &Artist", 0, QRect(124, 50, 100, 22));
    make("XBOTTON", "107,&OK", BS_DEFPUSHBUTTON, QRect(8, 88, 76, 24));
    make("XBOTTON", "108,&Cancel", 0, QRect(90, 88, 76, 24));
    make("XBOTTON", "111,&Help", 0, QRect(172, 88, 76, 24));
    make("XBOTTON", "105,&Select Picture", 0, QRect(8, 118, 120, 24));
    make("XBOTTON", "200,&Unlock and move", 0, QRect(134, 118, 140, 24));
    make("XBOTTON", "201,&Move to locked", 0, QRect(8, 144, 130, 24));
    QWidget* off = make("XBOTTON", "202,Cancel", 0, QRect(144, 144, 76, 24));
    off->setEnabled(false);
    QPalette pal = dialog.palette();
    pal.setColor(QPalette::Window, kFace);
    dialog.setPalette(pal);
    const QImage img = shot(&dialog, "sample_dialog");
    EXPECT_EQ(img.size(), QSize(330, 170));
}

}  // namespace
