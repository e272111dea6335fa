#include "windows/CStatusDlg.h"

#include <QKeyEvent>

#include "PictControls.h"
#include "help/HelpContext.h"
#include "platform/MessageBox.h"

namespace windows {

namespace {

constexpr int kLabelWidth = 76;
constexpr int kFieldWidth = 84;
constexpr int kRowHeight = 20;
constexpr int kMargin = 6;
// ADVTEXTDISPL styles: right-aligned text in a sunken box.
constexpr unsigned kFieldStyle = 0x2 | 0x8 | 0x10;
constexpr unsigned kLabelStyle = 0x8;

struct Row {
    int id;
    const char* label;
};
constexpr Row kRows[] = {{CStatusDlg::kTime, "Time:"},
                         {CStatusDlg::kPieces, "Pieces left:"},
                         {CStatusDlg::kBonus, "Bonus:"},
                         {CStatusDlg::kErrors, "Errors:"},
                         {CStatusDlg::kTotal, "Total:"}};

}  // namespace

CStatusDlg::CStatusDlg(std::function<void(int)> post, QWidget* parent)
    : dialogs::CGameDialog(kResourceId, QStringLiteral("Status"), parent), post_(std::move(post)) {
    setModal(false);
    setAttribute(Qt::WA_ShowWithoutActivating);  // the game window keeps the keyboard
    setProperty("helpContext", help::screenContext(help::kStatusWindowHelp));
    int y = kMargin;
    for (const Row& row : kRows) {
        addPictControl("ADVTEXTDISPL", QString::fromLatin1(row.label), kLabelStyle,
                       QRect(kMargin, y, kLabelWidth, kRowHeight));
        addPictControl("ADVTEXTDISPL", QString(), kFieldStyle,
                       QRect(kMargin + kLabelWidth, y, kFieldWidth, kRowHeight), row.id);
        y += kRowHeight + 2;
    }
    setClientSize(2 * kMargin + kLabelWidth + kFieldWidth, y + kMargin - 2);
}

void CStatusDlg::setField(int id, const QString& text) {
    texts_[id] = text;
    if (QWidget* c = control(id)) {
        const QByteArray bytes = text.toUtf8();
        piclib::sendPictMessage(c, piclib::WM_SETTEXT, 0,
                                reinterpret_cast<std::intptr_t>(bytes.constData()));
    }
}

void CStatusDlg::clearFields() {
    for (const Row& row : kRows) {
        setField(row.id, QString());
    }
}

// The close box and Escape hide the window; the owner hears of it.
void CStatusDlg::onCommand(int id) {
    if (id != IDCANCEL) {
        return;
    }
    hide();
    if (post_) {
        post_(kClosed);
    }
}

void CStatusDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showHelp(help::kStatusWindowHelp);
        return;
    }
    dialogs::CGameDialog::keyPressEvent(event);
}

}  // namespace windows
