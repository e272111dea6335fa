#pragma once

#include "dialogs/CGameDialog.h"

namespace dialogs {

// Piece is locked (resource 164): the player dropped a piece onto a locked
// one. The result is 1170 unlock and move, 1169 move onto the locked piece,
// or 2 cancel. F1 opens its help.
class CPieceLockedDlg : public CGameDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 164;
    static constexpr unsigned kHelpId = help::kPieceLockedHelp;
    static constexpr int kUnlockAndMove = 1170;
    static constexpr int kMoveToLocked = 1169;

    explicit CPieceLockedDlg(QWidget* parent = nullptr);

    void onCommand(int id) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dialogs
