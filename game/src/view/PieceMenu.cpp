#include "view/PieceMenu.h"

#include "sprites/SpriteStore.h"

namespace {

void addCommand(QMenu& menu, const char* text, int id) {
    QAction* action = menu.addAction(QString::fromLatin1(text));
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    action->setData(id);
}

}  // namespace

void PieceMenu::Fill(QMenu& menu, const sprites::Sprite& group) {
    if (group.locked != 0) {
        addCommand(menu, "&Unlock", kUnlock);
    } else {
        addCommand(menu, "&Lock", kLock);
    }
    addCommand(menu, "&Assist", kAssist);
    addCommand(menu, "Send to &back", kSendToBack);
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
