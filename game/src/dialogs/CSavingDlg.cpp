#include "dialogs/CSavingDlg.h"

#include <QLabel>

#include "platform/MessageBox.h"

namespace dialogs {

CSavingDlg::CSavingDlg(QWidget* parent)
    : CGameDialog(kResourceId, QStringLiteral("Saving?"), parent) {
    setClientSize(300, 96);
    QLabel* text = addLabel(kText, QStringLiteral("Game is not saved. Do you want to save?"),
                            QRect(10, 12, 280, 28), Qt::AlignCenter);
    // "MS Sans Serif" with cells 12 pixels high and 8 wide.
    QFont font = text->font();
    font.setPixelSize(12);
    font.setStretch(110);
    text->setFont(font);
    addButton(IDOK, QStringLiteral("-1,&Save Game"), QRect(10, 56, 88, 28), true);
    addButton(kDontSave, QStringLiteral("-1,Don'&t save"), QRect(106, 56, 88, 28));
    addButton(IDCANCEL, QStringLiteral("-1,&Cancel"), QRect(202, 56, 88, 28));
}

void CSavingDlg::onCommand(int id) {
    if (id == kDontSave) {
        done(id);
        return;
    }
    CGameDialog::onCommand(id);
}

}  // namespace dialogs
