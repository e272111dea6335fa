#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <string>

#include "TempDir.h"
#include "TestApp.h"
#include "platform/Help.h"
#include "platform/HelpViewer.h"

namespace {

using platform::HelpViewer;

const char* const kGameHelp = R"(<html><head><title>Tessella Help</title>
<meta name="keywords" content="scoring;Locked pieces;zoom"></head><body>
<h1 id="contents">Contents</h1><p><a href="#1501">Commands</a></p>
<h2 id="2">How to Play</h2><p>Drag pieces together.</p>
<h2 id="1501">Commands</h2><p>Locked pieces stay in place.</p>
<div id="131073"><h3>Preferences dialog</h3><p>Scoring depends on the level.</p></div>
<p id="ROSE_ARTIST">The artist.</p>
</body></html>)";

class HelpTest : public testing::Test {
  protected:
    void SetUp() override {
        testApp();
        dir_.write("Help/TESSELLA.HLP", kGameHelp);
        dir_.write(
            "Help/Other.hlp",
            R"(<html><body><h1 id="contents">Other</h1><p id="ROSE">Rose</p></body></html>)");
        file_ = dir_.file("help/tessella.hlp");
    }
    void TearDown() override { WinHelpA(nullptr, nullptr, HELP_QUIT, 0); }

    int help(const std::string& file, unsigned command, std::uintptr_t data = 0) {
        return WinHelpA(nullptr, file.c_str(), command, data);
    }
    static std::uintptr_t text(const char* s) { return reinterpret_cast<std::uintptr_t>(s); }

    TempDir dir_;
    std::string file_;
};

TEST_F(HelpTest, ContextOpensTheTopicWithThatNumber) {
    ASSERT_EQ(help(file_, HELP_CONTEXT, 1501), 1);
    HelpViewer* viewer = HelpViewer::find("");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("1501"));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Tessella Help"));
    EXPECT_TRUE(viewer->currentFile().endsWith(QStringLiteral("Help/TESSELLA.HLP")));
    ASSERT_EQ(help(file_, HELP_CONTEXT, 0x20001), 1);
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("131073"));
    ASSERT_EQ(help(file_, HELP_CONTEXT, 999), 1);
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("contents"));
    ASSERT_EQ(help(file_, HELP_CONTEXT, 2), 1);
    ASSERT_EQ(help(file_, HELP_CONTENTS), 1);
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("contents"));
}

TEST_F(HelpTest, ContextScrollsItsTopicIntoView) {
    std::string html = "<html><body><h1 id=\"contents\">Top</h1>";
    for (int i = 0; i < 200; ++i) {
        html += "<p>filler</p>";
    }
    dir_.write("long.hlp", html + "<h2 id=\"900\">Far down</h2><p>end</p></body></html>");
    ASSERT_EQ(help(dir_.file("long.hlp"), HELP_CONTEXT, 900), 1);
    QScrollBar* bar = HelpViewer::find("")->browser()->verticalScrollBar();
    EXPECT_GT(bar->value(), bar->maximum() / 2);
    ASSERT_EQ(help(dir_.file("long.hlp"), HELP_CONTENTS), 1);
    EXPECT_LT(bar->value(), bar->maximum() / 10);
}

TEST_F(HelpTest, EachWindowNameHasOneViewerThatIsReused) {
    ASSERT_EQ(help(file_ + ">Screens", HELP_CONTEXT, 2), 1);
    HelpViewer* screens = HelpViewer::find("Screens");
    ASSERT_NE(screens, nullptr);
    ASSERT_EQ(help(file_ + ">Menus", HELP_CONTEXT, 1501), 1);
    HelpViewer* menus = HelpViewer::find("menus");
    ASSERT_NE(menus, nullptr);
    EXPECT_NE(screens, menus);
    ASSERT_EQ(help(file_ + ">Screens", HELP_CONTEXT, 1501), 1);
    EXPECT_EQ(HelpViewer::find("Screens"), screens);
    EXPECT_EQ(screens->currentTopic(), QStringLiteral("1501"));
    EXPECT_EQ(HelpViewer::find(""), nullptr);
    EXPECT_EQ(help(file_, HELP_QUIT), 1);
    EXPECT_EQ(HelpViewer::find("Screens"), nullptr);
    EXPECT_EQ(HelpViewer::find("Menus"), nullptr);
}

TEST_F(HelpTest, MissingFileGivesZeroAndOpensNothing) {
    EXPECT_EQ(help(dir_.file("nothere.hlp"), HELP_CONTEXT, 2), 0);
    EXPECT_EQ(help(dir_.file("nothere.hlp>Screens"), HELP_CONTENTS), 0);
    EXPECT_EQ(WinHelpA(nullptr, nullptr, HELP_CONTENTS, 0), 0);
    EXPECT_EQ(help(dir_.path(), HELP_CONTENTS), 0);
    EXPECT_EQ(HelpViewer::find(""), nullptr);
    EXPECT_EQ(HelpViewer::find("Screens"), nullptr);
}

TEST_F(HelpTest, JumpIdOpensTheNamedFileAtTheTopic) {
    ASSERT_EQ(help(file_, HELP_CONTENTS), 1);
    ASSERT_EQ(help(file_, HELP_COMMAND, text(R"(JumpID("OTHER.HLP","ROSE"))")), 1);
    HelpViewer* viewer = HelpViewer::find("");
    EXPECT_TRUE(viewer->currentFile().endsWith(QStringLiteral("Other.hlp")));
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("ROSE"));
    ASSERT_EQ(help(file_, HELP_COMMAND, text(R"( jumpid ( "tessella.hlp" , 'rose_artist' ) )")), 1);
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("ROSE_ARTIST"));
    ASSERT_EQ(help(file_, HELP_COMMAND, text(R"(JI("Other.hlp>Menus","ROSE"))")), 1);
    EXPECT_EQ(HelpViewer::find("Menus")->currentTopic(), QStringLiteral("ROSE"));
    EXPECT_EQ(help(file_, HELP_COMMAND, text(R"(JumpID("nothere.hlp","ROSE"))")), 0);
    EXPECT_EQ(help(file_, HELP_COMMAND, text("JumpID(\"Other.hlp\")")), 0);
    EXPECT_EQ(help(file_, HELP_COMMAND, text("Exec(\"rm\")")), 0);
    EXPECT_EQ(help(file_, HELP_COMMAND, 0), 0);
}

TEST_F(HelpTest, KeywordSearchFiltersHeadingsAndMetaKeywords) {
    ASSERT_EQ(help(file_, HELP_PARTIALKEY, text("")), 1);
    HelpViewer* viewer = HelpViewer::find("");
    EXPECT_EQ(viewer->keywords(),
              QStringList({"Commands", "Contents", "How to Play", "Locked pieces",
                           "Preferences dialog", "scoring", "zoom"}));
    EXPECT_EQ(viewer->keywords("co"), QStringList({"Commands", "Contents", "scoring"}));
    QDialog* dialog = viewer->keywordDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    auto* key = dialog->findChild<QLineEdit*>("key");
    auto* list = dialog->findChild<QListWidget*>("keywords");
    ASSERT_NE(key, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 7);
    key->setText("PIECES");
    ASSERT_EQ(list->count(), 1);
    dialog->findChild<QPushButton*>("display")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("1501"));
}

TEST_F(HelpTest, KeywordsLeadToTheirTopics) {
    ASSERT_EQ(help(file_, HELP_PARTIALKEY, text("how to")), 1);
    HelpViewer* viewer = HelpViewer::find("");
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("2"));
    EXPECT_TRUE(viewer->showKeyword("scoring"));
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("131073"));
    EXPECT_TRUE(viewer->showKeyword("zoom"));
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("contents"));
    EXPECT_FALSE(viewer->showKeyword("unknown"));
}

TEST_F(HelpTest, LinksMoveBetweenTopicsAndHelpOnHelpNeedsNoFile) {
    ASSERT_EQ(help(file_, HELP_CONTENTS), 1);
    HelpViewer* viewer = HelpViewer::find("");
    emit viewer->browser()->anchorClicked(QUrl("#1501"));
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("1501"));
    emit viewer->browser()->anchorClicked(QUrl("other.HLP#ROSE"));
    EXPECT_TRUE(viewer->currentFile().endsWith(QStringLiteral("Other.hlp")));
    EXPECT_EQ(viewer->currentTopic(), QStringLiteral("ROSE"));
    ASSERT_EQ(help(dir_.file("nothere.hlp>Screens"), HELP_HELPONHELP), 1);
    HelpViewer* screens = HelpViewer::find("Screens");
    ASSERT_NE(screens, nullptr);
    EXPECT_TRUE(screens->browser()->toPlainText().contains(QStringLiteral("Search for Help on")));
}

}  // namespace
