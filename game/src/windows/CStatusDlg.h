#pragma once

#include <QHash>
#include <QString>

#include <functional>

#include "dialogs/CGameDialog.h"

namespace windows {

// The status window: a modeless dialog (resource 170, "Status") with the
// time, the pieces left, the bonus, the errors and the total. The clock tick
// and the scoring fill its fields while it is shown; its close box (or
// Escape) hides it and posts command 40040 so that the menus follow.
class CStatusDlg : public dialogs::CGameDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 170;
    static constexpr int kTime = 1170;
    static constexpr int kPieces = 1016;
    static constexpr int kBonus = 1014;
    static constexpr int kErrors = 1009;
    static constexpr int kTotal = 1017;
    static constexpr int kClosed = 40040;

    CStatusDlg(std::function<void(int command)> post, QWidget* parent);

    // Sets a field's text ("%d " and the like, as the game formats them).
    void setField(int id, const QString& text);
    QString field(int id) const { return texts_.value(id); }
    // Every field empty (no puzzle).
    void clearFields();

    void onCommand(int id) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void(int)> post_;
    QHash<int, QString> texts_;
};

}  // namespace windows
