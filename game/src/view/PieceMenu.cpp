#include "view/PieceMenu.h"

#include <QCoreApplication>
#include <QStatusTipEvent>

#include "sprites/SpriteStore.h"

namespace {

// A highlighted command's prompt goes to the widget the menu was opened for,
// and from there to the frame's status bar (the menu, a window of its own,
// would keep it).
void addCommand(QMenu& menu, const char* text, int id, const char* prompt = nullptr) {
    QAction* action = menu.addAction(QString::fromLatin1(text));
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    action->setData(id);
    if (prompt != nullptr) {
        action->setStatusTip(QString::fromLatin1(prompt));
        QObject::connect(action, &QAction::hovered, &menu,
                         [&menu, action] { action->showStatusText(menu.parentWidget()); });
    }
}

}  // namespace

void PieceMenu::Fill(QMenu& menu, const sprites::Sprite& group) {
    if (group.locked != 0) {
        addCommand(menu, "&Unlock", kUnlock, "Unlock piece");
    } else {
        addCommand(menu, "&Lock", kLock, "Lock piece at current position");
    }
    addCommand(menu, "&Assist", kAssist, "Find a neighboring piece and snap");
    addCommand(menu, "Send to &back", kSendToBack);
    // The prompt goes when the menu does.
    QObject::connect(&menu, &QMenu::aboutToHide, &menu, [&menu] {
        QStatusTipEvent cleared{QString()};
        if (menu.parentWidget() != nullptr) {
            QCoreApplication::sendEvent(menu.parentWidget(), &cleared);
        }
    });
}

int PieceMenu::ToggleLock(sprites::SpriteStore& store, sprites::Sprite* group) {
    group->locked = group->locked != 0 ? 0 : 1;
    group->paintBevel();
    if (group->locked != 0) {
        store.sendToBack(group);
        return kLockSound;
    }
    return kUnlockSound;
}

QPoint PieceMenu::Origin(const QPoint& cursor, const QSize& menuSize, int roomToTheRight) {
    constexpr int kRightEdgeBand = 70;
    constexpr int kAbove = 3;
    const int left = roomToTheRight < kRightEdgeBand ? cursor.x() - menuSize.width()
                                                     : cursor.x() - menuSize.width() / 2;
    return {left, cursor.y() - kAbove};
}
