#include "help/HelpContext.h"

#include <QDir>
#include <QString>

#include "commands/CommandIds.h"
#include "settings/IniStore.h"

namespace help {

const std::vector<HelpTopic>& helpTopics() {
    static const std::vector<HelpTopic> topics = {
        {kHowToPlay, kScreensWindow, "How to Play"},
        {kIndex, kScreensWindow, "Index"},
        {kCommands, kScreensWindow, "Commands"},
        {kMenusGeneral, kMenusWindow, "Menus"},
        {kMenusGame, kMenusWindow, "Game menu"},
        {kMenusPlay, kMenusWindow, "Play menu"},
        {kMenusView, kMenusWindow, "View menu"},
        {kMenusOptions, kMenusWindow, "Options menu"},
        {kMenusInformation, kMenusWindow, "Information menu"},
        {kMenusHelp, kMenusWindow, "Help menu"},
        {screenContext(kPieceLockedHelp), kScreensWindow, "Piece is locked"},
        {screenContext(kPieceSizeHelp), kScreensWindow, "Piece Size and Placement"},
        {screenContext(kPreferencesHelp), kScreensWindow, "Preferences"},
        {screenContext(kSoundHelp), kScreensWindow, "Sound"},
        {screenContext(kResultsHelp), kScreensWindow, "Congratulations"},
        {screenContext(kHighScoresHelp), kScreensWindow, "Hall of Fame"},
        {screenContext(kStatusWindowHelp), kScreensWindow, "Status window"},
        {screenContext(kOriginalWindowHelp), kScreensWindow, "Original window"},
        {screenContext(kOverviewWindowHelp), kScreensWindow, "Overview window"},
        {kPictureSelection, kScreensWindow, "Choosing a picture file"},
        {kPictureSelection + kGalleryBrowserOffset, kScreensWindow, "Choosing a picture"},
    };
    return topics;
}

unsigned menuContextFor(int id) {
    switch (id) {
        case cmd::kOriginal:
        case cmd::kOverview:
        case cmd::kMenuBar:
        case cmd::kNormalSize:
        case cmd::kZoomIn:
        case cmd::kZoomOut:
        case cmd::kStatus:
        case cmd::kToolBar:
        case cmd::kStatusBar:
            return kMenusView;
        case cmd::kPreferences:
        case cmd::kBackgroundColor:
        case cmd::kBeginner:
        case cmd::kNovice:
        case cmd::kStandard:
        case cmd::kExpert:
        case cmd::kSound:
            return kMenusOptions;
        case cmd::kNewGame:
        case cmd::kSaveAs:
        case cmd::kExit:
        case cmd::kSave:
        case cmd::kRestore:
        case cmd::kHighScores:
            return kMenusGame;
        case cmd::kStart:
        case cmd::kPause:
        case cmd::kAutoAssemble:
            return kMenusPlay;
        case cmd::kAboutPuzzle:
        case cmd::kAboutArtist:
        case cmd::kOtherGames:
            return kMenusInformation;
        case cmd::kAbout:
        case cmd::kHelpIndex:
        case cmd::kHelpUsing:
        case cmd::kHelpContents:
        case cmd::kHowToPlay:
        case cmd::kCommandsHelp:
        case cmd::kHelpSearch:
            return kMenusHelp;
        default:
            return kMenusGeneral;
    }
}

std::string applicationHelpFile() {
    const QString dir = QString::fromStdString(ProgramDirectory());
    return QDir::cleanPath(dir + "../share/tessella/help/TESSELLA.HLP").toStdString();
}

}  // namespace help
