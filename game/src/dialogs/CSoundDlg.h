#pragma once

#include "dialogs/CGameDialog.h"
#include "sound/CSoundOptions.h"

class QCheckBox;

namespace dialogs {

// The Sound dialog (resource 150): the player's sound switches. The event
// boxes are enabled only while "Sound enabled" is checked; checking one plays
// its sound once as a preview. "&Use" hands the boxes to the sound options,
// "&Save as Defaults" also stores them, Cancel leaves the options alone.
class CSoundDlg : public CGameDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 150;
    static constexpr unsigned kHelpId = help::kSoundHelp;
    static constexpr int kEnabled = 1128;
    static constexpr int kSaveAsDefaults = 1015;
    static constexpr int kHelp = 3;

    CSoundDlg(CSoundOptions& options, SoundSettingsIo io, QWidget* parent = nullptr);

    // The switches as the boxes show them.
    SoundSwitches shownSwitches() const;
    QCheckBox* box(int id) const;

    void onCommand(int id) override;

  private:
    void buildLayout();
    void showSwitches(const SoundSwitches& s);
    void updateEventBoxes();
    void preview(int id, bool checked);

    CSoundOptions& options_;
    SoundSettingsIo io_;
};

}  // namespace dialogs
