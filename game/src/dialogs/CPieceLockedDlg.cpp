#include "dialogs/CPieceLockedDlg.h"

#include <QKeyEvent>
#include <QLabel>

#include "platform/MessageBox.h"

namespace dialogs {

CPieceLockedDlg::CPieceLockedDlg(QWidget* parent)
    : CGameDialog(kResourceId, QStringLiteral("Piece is locked"), parent) {
    setCursor(Qt::ArrowCursor);
    setClientSize(300, 170);
    QLabel* text = addLabel(-1,
                            QStringLiteral("The piece you are moving would cover a locked "
                                           "piece. What do you want to do?"),
                            QRect(12, 10, 276, 36), Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    addButton(kUnlockAndMove, QStringLiteral("200,&Unlock and move"), QRect(12, 54, 276, 30), true);
    addButton(kMoveToLocked, QStringLiteral("201,&Move to locked"), QRect(12, 90, 276, 30));
    addButton(IDCANCEL, QStringLiteral("202,Cancel"), QRect(12, 126, 276, 30));
}

void CPieceLockedDlg::onCommand(int id) {
    if (id == kUnlockAndMove || id == kMoveToLocked) {
        done(id);
        return;
    }
    CGameDialog::onCommand(id);
}

void CPieceLockedDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showHelp(kHelpId);
        return;
    }
    CGameDialog::keyPressEvent(event);
}

}  // namespace dialogs
