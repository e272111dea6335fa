#include "HelpContext.h"

#include <QDir>
#include <QString>

#include "CommandIds.h"
#include "IniStore.h"

namespace help {

unsigned menuContextFor(int id) {
    using namespace cmd;
    switch (id) {
        case kOriginal:
        case kOverview:
        case kMenuBar:
        case kNormalSize:
        case kZoomIn:
        case kZoomOut:
        case kStatus:
        case kToolBar:
        case kStatusBar:
            return kMenusView;
        case kPreferences:
        case kBackgroundColor:
        case kBeginner:
        case kNovice:
        case kStandard:
        case kExpert:
        case kSound:
            return kMenusOptions;
        case kNewGame:
        case kSaveAs:
        case kExit:
        case kSave:
        case kRestore:
        case kHighScores:
            return kMenusGame;
        case kStart:
        case kPause:
        case kAutoAssemble:
            return kMenusPlay;
        case kAboutPuzzle:
        case kAboutArtist:
        case kOtherGames:
            return kMenusInformation;
        case kAbout:
        case kHelpIndex:
        case kHelpUsing:
        case kHelpContents:
        case kHowToPlay:
        case kCommandsHelp:
        case kHelpSearch:
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
