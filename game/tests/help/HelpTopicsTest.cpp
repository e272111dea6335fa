#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <set>

#include "DialogTestSupport.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "dialogs/CPieceLockedDlg.h"
#include "dialogs/CPieceSizeDlg.h"
#include "dialogs/CPreferencesDlg.h"
#include "dialogs/CSoundDlg.h"
#include "help/HelpCommands.h"
#include "help/HelpContext.h"
#include "platform/HelpViewer.h"
#include "scores/CHighScoreDlg.h"
#include "scores/CResultDlg.h"
#include "settings/Preferences.h"
#include "sound/CSoundOptions.h"

namespace {

const std::string kShippedHelp = TESSELLA_SOURCE_DIR "/data/help/TESSELLA.HLP";

// The topic the help viewer shows after the program's own kind of help call:
// the context's topic when the file has it, else the file's contents.
std::string shownTopic(const std::string& file, const char* window, unsigned context) {
    if (WinHelpA(nullptr, (file + window).c_str(), HELP_CONTEXT, context) != 1) {
        return "<file not shown>";
    }
    const platform::HelpViewer* viewer =
        platform::HelpViewer::find(QString::fromLatin1(window).mid(1));
    return viewer != nullptr ? viewer->currentTopic().toStdString() : "<no viewer>";
}

const help::HelpTopic* findTopic(unsigned context) {
    for (const help::HelpTopic& topic : help::helpTopics()) {
        if (topic.context == context) {
            return &topic;
        }
    }
    return nullptr;
}

// The plain text of every topic of the help file, by id: from the element
// that carries the id to the next element that carries one.
std::map<QString, QString> topicTexts(const std::string& path) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression idRe(QStringLiteral(R"re(<[a-zA-Z][^>]*\sid="([^"]*)")re"));
    static const QRegularExpression tags(QStringLiteral("<[^>]*>|\\s+"));
    std::vector<std::pair<QString, qsizetype>> starts;
    for (auto it = idRe.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        starts.emplace_back(match.captured(1), match.capturedStart());
    }
    std::map<QString, QString> texts;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].second : html.size();
        QString text = html.mid(starts[i].second, end - starts[i].second);
        texts[starts[i].first] = text.replace(tags, QStringLiteral(" ")).simplified();
    }
    return texts;
}

class HelpTopicsTest : public DialogTest {
  protected:
    void TearDown() override {
        platform::HelpViewer::closeAll();
        DialogTest::TearDown();
    }

    // The context of the one help call made since the last look.
    unsigned takeContext() {
        EXPECT_EQ(help_.size(), 1u);
        const unsigned context = help_.empty() ? 0 : static_cast<unsigned>(help_.back().data);
        EXPECT_TRUE(help_.empty() || help_.back().file.ends_with(help::kScreensWindow));
        help_.clear();
        return context;
    }
};

TEST_F(HelpTopicsTest, EveryContextOfTheProgramShowsItsOwnTopicInTheShippedFile) {
    std::set<unsigned> seen;
    for (const std::string& file : {kShippedHelp, help::applicationHelpFile()}) {
        for (const help::HelpTopic& topic : help::helpTopics()) {
            EXPECT_EQ(shownTopic(file, topic.window, topic.context), std::to_string(topic.context))
                << topic.shows << " (" << topic.context << ") in " << file;
            seen.insert(topic.context);
        }
    }
    EXPECT_EQ(seen.size(), help::helpTopics().size()) << "two uses share one context";
}

TEST_F(HelpTopicsTest, EveryTopicOfTheTableExplainsItsSubject) {
    const auto texts = topicTexts(kShippedHelp);
    for (const help::HelpTopic& topic : help::helpTopics()) {
        const auto found = texts.find(QString::number(topic.context));
        ASSERT_NE(found, texts.end()) << topic.shows;
        EXPECT_GE(found->second.size(), 200) << topic.shows << ": " << found->second.toStdString();
    }
    EXPECT_GE(texts.at(QStringLiteral("contents")).size(), 200);
}

// Context-help mode and the Help menu lead to topics of the table, for every
// command the program has, so F1 and Shift+F1 never land on the contents.
TEST_F(HelpTopicsTest, EveryCommandAndHelpMenuEntryLeadsToATopicOfTheTable) {
    HelpCommands commands(nullptr, kShippedHelp);
    std::vector<std::pair<std::string, unsigned>> calls;
    commands.setHelpFunction(
        [&calls](QWidget*, const std::string& file, unsigned command, std::uintptr_t data) {
            if (command == HELP_CONTEXT) {
                calls.emplace_back(file, static_cast<unsigned>(data));
            }
            return 1;
        });
    std::vector<int> ids = {0};  // a click outside menus and tool bar
    for (const CommandInfo& info : commandTable()) {
        ids.push_back(info.id);
    }
    for (const int id : ids) {
        commands.showMenuHelp(id);
        ASSERT_EQ(calls.size(), 1u);
        const help::HelpTopic* topic = findTopic(calls[0].second);
        ASSERT_NE(topic, nullptr) << "command " << id << " context " << calls[0].second;
        EXPECT_STREQ(topic->window, help::kMenusWindow) << "command " << id;
        EXPECT_TRUE(calls[0].first.ends_with(help::kMenusWindow));
        calls.clear();
    }
    for (const int id : {cmd::kHowToPlay, cmd::kCommandsHelp, cmd::kHelpIndex}) {
        ASSERT_TRUE(commands.handle(id, {}));
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_NE(findTopic(calls[0].second), nullptr) << "command " << id;
        calls.clear();
    }
}

TEST_F(HelpTopicsTest, EveryDialogsHelpOpensItsOwnTopic) {
    std::map<std::string, unsigned> opened;

    Preferences prefs;
    dialogs::CPreferencesDlg preferences(prefs);
    preferences.show();
    QTest::keyClick(&preferences, Qt::Key_F1);  // as the Help button
    opened["Preferences"] = takeContext();

    dialogs::PieceSizeRequest request;
    request.pictureWidth = 600;
    request.pictureHeight = 400;
    dialogs::CPieceSizeDlg pieceSize(request);
    pieceSize.show();
    QTest::keyClick(&pieceSize, Qt::Key_F1);  // as the Help button
    opened["Piece Size and Placement"] = takeContext();

    CSoundOptions options([](const char*, unsigned) { return 1; }, [](unsigned) {});
    SoundSettingsIo io;
    io.getInt = [](int def, const char*, const char*) { return def; };
    io.writeInt = [](int, const char*, const char*) {};
    io.getPath = [](const char*, const char* def, const char*) { return std::string(def); };
    dialogs::CSoundDlg sound(options, io);
    sound.show();
    QTest::keyClick(&sound, Qt::Key_F1);  // as the Help button
    opened["Sound"] = takeContext();

    dialogs::CPieceLockedDlg locked;
    locked.show();
    QTest::keyClick(&locked, Qt::Key_F1);
    opened["Piece is locked"] = takeContext();

    HighScoreTable::Io noTable{[](const char*, const char* def) { return std::string(def); },
                               [](const char*, const std::string&) {}};
    std::vector<unsigned> scoreHelp;
    CResultDlg results(true, GameResults{}, nullptr, noTable);
    results.showHelp = [&scoreHelp](unsigned context) { scoreHelp.push_back(context); };
    results.findChild<QPushButton*>(QStringLiteral("2"))->click();
    CHighScoreDlg table(nullptr, noTable);
    table.showHelp = [&scoreHelp](unsigned context) { scoreHelp.push_back(context); };
    table.findChild<QPushButton*>(QString::number(CHighScoreDlg::kHelp))->click();
    ASSERT_EQ(scoreHelp.size(), 2u);
    opened["Congratulations"] = scoreHelp[0];
    opened["Hall of Fame"] = scoreHelp[1];

    std::set<unsigned> distinct;
    for (const auto& [dialog, context] : opened) {
        const help::HelpTopic* topic = findTopic(context);
        ASSERT_NE(topic, nullptr) << dialog << " opens " << context;
        EXPECT_STREQ(topic->shows, dialog.c_str());
        EXPECT_EQ(shownTopic(kShippedHelp, help::kScreensWindow, context), std::to_string(context))
            << dialog;
        distinct.insert(context);
    }
    EXPECT_EQ(distinct.size(), opened.size());

    shownTopic(kShippedHelp, help::kScreensWindow, opened["Piece Size and Placement"]);
    platform::HelpViewer* viewer = platform::HelpViewer::find(QStringLiteral("Screens"));
    ASSERT_NE(viewer, nullptr);
    viewer->grab().save(testOutputDir() + QStringLiteral("/help-piece-size.png"));
}

// The picture selection's two dialogs: the context the program hands over
// and the gallery browser's own (256 further).
TEST_F(HelpTopicsTest, PictureSelectionContextsHaveTopics) {
    EXPECT_EQ(shownTopic(kShippedHelp, help::kScreensWindow, help::kPictureSelection),
              std::to_string(help::kPictureSelection));
    const unsigned browser = help::kPictureSelection + help::kGalleryBrowserOffset;
    EXPECT_EQ(shownTopic(kShippedHelp, help::kScreensWindow, browser), std::to_string(browser));
}

// A number the file does not hold shows the contents, which is how the
// tests above would notice a missing topic.
TEST_F(HelpTopicsTest, UnknownContextFallsBackToTheContents) {
    EXPECT_EQ(shownTopic(kShippedHelp, help::kScreensWindow, 0x2FFFF), "contents");
}

}  // namespace
