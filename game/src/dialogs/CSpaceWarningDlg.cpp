#include "dialogs/CSpaceWarningDlg.h"

#include <QLabel>

#include "platform/MessageBox.h"

namespace dialogs {

CSpaceWarningDlg::CSpaceWarningDlg(QWidget* parent)
    : CGameDialog(kResourceId, QStringLiteral("Insufficient Space on Visible Area"), parent) {
    setClientSize(410, 170);
    addPictControl("BitmapDisplay", QStringLiteral("QUESTION"), 0, QRect(12, 14, 40, 40));
    QLabel* first = addLabel(-1,
                             QStringLiteral("Reserving space for the picture leaves little room "
                                            "to place all the pieces on the visible area. The "
                                            "settings you've chosen will result in many pieces "
                                            "placed on top of one another."),
                             QRect(62, 10, 338, 66), Qt::AlignLeft | Qt::AlignTop);
    first->setWordWrap(true);
    QLabel* second = addLabel(-1,
                              QStringLiteral("We recommend thay you allow for the pieces to be "
                                             "scattered anywhere on the workspace."),
                              QRect(62, 80, 338, 36), Qt::AlignLeft | Qt::AlignTop);
    second->setWordWrap(true);
    addButton(IDOK, QStringLiteral("107,&Yes, scatter them everywhere"), QRect(12, 130, 214, 28),
              true);
    addButton(kAsChosen, QStringLiteral("108,&No, I mean what I said"), QRect(234, 130, 164, 28));
}

void CSpaceWarningDlg::onCommand(int id) {
    if (id == kAsChosen) {
        done(id);
        return;
    }
    CGameDialog::onCommand(id);
}

}  // namespace dialogs
