// The view's Options commands: the Preferences and Sound dialogs and the
// background colour. Each holds the game clock while it is open, so time
// spent in it is not play time.

#include <QColorDialog>

#include "app/CJigsawApp.h"
#include "dialogs/CPreferencesDlg.h"
#include "dialogs/CSoundDlg.h"
#include "model/CClockHold.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/PackedValues.h"
#include "settings/SettingsKeys.h"
#include "view/CJigsawView.h"

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

CJigsawView::ColourChooser& CJigsawView::colourChooser() {
    static ColourChooser chooser = [](COLORREF& colour, QWidget* owner) {
        const QColor chosen = QColorDialog::getColor(
            QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)), owner);
        if (!chosen.isValid()) {
            return false;
        }
        colour = RGB(chosen.red(), chosen.green(), chosen.blue());
        return true;
    };
    return chooser;
}

// Background Color: the table's colour, kept in the settings.
void CJigsawView::chooseBackground() {
    CClockHold hold;
    COLORREF colour = background_;
    if (colourChooser()(colour, this)) {
        background_ = colour;
        if (CJigsawApp* app = CJigsawApp::instance()) {
            app->background = colour;
        }
        WriteIniString(FormatColour(colour).c_str(), keys::kBackground, keys::kOptions);
        if (sprites::SpriteStore* store = session_.store()) {
            store->setBackgroundColour(colour);
        }
        redrawAll();
    }
    session_.clock.Correct(hold);
}
