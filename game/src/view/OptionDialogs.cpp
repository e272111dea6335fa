#include "view/OptionDialogs.h"

#include <QColorDialog>

#include "app/CJigsawApp.h"
#include "dialogs/CPreferencesDlg.h"
#include "dialogs/CSoundDlg.h"
#include "model/CClockHold.h"
#include "model/GameSession.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/PackedValues.h"
#include "settings/SettingsKeys.h"
#include "sound/CSoundOptions.h"
#include "sprites/SpriteStore.h"
#include "view/GameFlowHost.h"

OptionDialogs::OptionDialogs(GameFlowHost& host) : host_(host), session_(host.session()) {}

void OptionDialogs::showPreferences() {
    CJigsawApp* app = CJigsawApp::instance();
    if (app == nullptr) {
        return;
    }
    int result = IDCANCEL;
    {
        const CClockHold hold;
        dialogs::CPreferencesDlg dialog(app->prefs, host_.widget());
        result = dialog.exec();
    }
    if (result != IDCANCEL) {
        applyPreferencesToPuzzle();
    }
}

// A puzzle on the table follows the placement preferences at once.
void OptionDialogs::applyPreferencesToPuzzle() {
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

void OptionDialogs::showSoundOptions() {
    const CClockHold hold(host_.dialogBusyFlag());
    dialogs::CSoundDlg dialog(host_.soundOptions(), SoundSettingsIo::iniStore(), host_.widget());
    dialog.exec();
}

OptionDialogs::ColourChooser& OptionDialogs::colourChooser() {
    static ColourChooser chooser = [](std::uint32_t& colour, QWidget* owner) {
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

void OptionDialogs::chooseBackground() {
    const CClockHold hold;
    COLORREF colour = host_.background();
    if (colourChooser()(colour, host_.widget())) {
        host_.setBackground(colour);
        if (CJigsawApp* app = CJigsawApp::instance()) {
            app->background = colour;
        }
        WriteIniString(FormatColour(colour).c_str(), keys::kBackground, keys::kOptions);
        if (sprites::SpriteStore* store = session_.store()) {
            store->setBackgroundColour(colour);
        }
        host_.redrawAll();
    }
}
