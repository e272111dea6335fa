#pragma once

#include "dialogs/CGameDialog.h"

namespace dialogs {

// Insufficient Space on Visible Area (resource 187), asked by the Piece Size
// and Placement dialog. Result 1 scatters the pieces everywhere, 1150 keeps
// the choice as made, 2 (Escape, close box) goes back to the choice.
class CSpaceWarningDlg : public CGameDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 187;
    static constexpr int kAsChosen = 1150;

    explicit CSpaceWarningDlg(QWidget* parent = nullptr);

    void onCommand(int id) override;
};

}  // namespace dialogs
