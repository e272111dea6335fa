// The view's Options commands: the Preferences and Sound dialogs. Both hold the
// game clock while they are open, so time spent in them is not play time.

#include "CClockHold.h"
#include "CJigsawApp.h"
#include "CJigsawView.h"
#include "dialogs/CPreferencesDlg.h"
#include "dialogs/CSoundDlg.h"
#include "platform/MessageBox.h"

void CJigsawView::showPreferences() {
    CJigsawApp* app = CJigsawApp::instance();
    if (app == nullptr) {
        return;
    }
    CClockHold hold;
    dialogs::CPreferencesDlg dialog(app->prefs, this);
    const int result = dialog.exec();
    session_.clock.Correct(hold);
    if (result != IDCANCEL) {
        applyPreferencesToPuzzle();
    }
}

// A puzzle on the table follows the placement preferences at once.
void CJigsawView::applyPreferencesToPuzzle() {
    CJigsawApp* app = CJigsawApp::instance();
    Puzzle* puzzle = session_.puzzle();
    if (app == nullptr || puzzle == nullptr || !puzzle->store) {
        return;
    }
    sprites::SpriteStore& store = *puzzle->store;
    store.moveAsideOn = static_cast<std::int16_t>(app->prefs.moveAside != 0);
    store.groupThreshold = static_cast<std::int16_t>(app->prefs.smallPieceLimit);
    store.placementFlags =
        static_cast<std::int16_t>((app->prefs.onTopOnMove ? sprites::SpriteStore::kOnMove : 0) |
                                  (app->prefs.onTopOnSnap ? sprites::SpriteStore::kOnSnap : 0));
}

void CJigsawView::showSoundOptions() {
    CClockHold hold(&soundDialogBusy_);
    dialogs::CSoundDlg dialog(sounds_, SoundSettingsIo::iniStore(), this);
    dialog.exec();
    session_.clock.Correct(hold);
}
