#pragma once

#include "dialogs/CGameDialog.h"
#include "settings/Preferences.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace dialogs {

// The Preferences dialog (resource 101): the program-wide play options. It
// edits the preferences it is given: "&Use" takes every value, "&Save as
// Defaults" stores them first (keeping the stored scoring switch) and then
// takes them as "&Use" does, Cancel leaves them alone. After a close other
// than Cancel the caller hands the new values to a puzzle on the table.
class CPreferencesDlg : public CGameDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 101;
    static constexpr unsigned kHelpId = help::kPreferencesHelp;
    static constexpr int kSaveAsDefaults = 1074;
    static constexpr int kHelp = 1210;
    static constexpr int kLimitEdit = 1007;
    static constexpr int kLowestLimit = 3;
    static constexpr int kHighestLimit = 8;

    CPreferencesDlg(Preferences& prefs, QWidget* parent = nullptr);

    void onCommand(int id) override;

  private:
    void buildLayout();
    void showValues(const Preferences& p);
    // The dialog's values over the current ones; false after the range
    // message when the threshold is not a whole number of 3 to 8.
    bool readValues(Preferences& p);
    void updateLimitEdit();
    QCheckBox* check(int id) const;
    bool use();

    Preferences& prefs_;
    QLineEdit* limit_ = nullptr;
    QButtonGroup* priority_ = nullptr;
};

}  // namespace dialogs
