#pragma once

#include "dialogs/CGameDialog.h"

namespace dialogs {

// Saving? (resource 137): asked before an unsaved game would be lost. The
// result is the button's id: 1 save, 1142 don't save, 2 cancel.
class CSavingDlg : public CGameDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 137;
    static constexpr int kDontSave = 1142;
    static constexpr int kText = 1143;

    explicit CSavingDlg(QWidget* parent = nullptr);

    void onCommand(int id) override;
};

}  // namespace dialogs
