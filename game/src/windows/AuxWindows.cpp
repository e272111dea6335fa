#include "windows/AuxWindows.h"

#include <QCursor>
#include <QScreen>

#include "windows/COverviewWnd.h"
#include "windows/CStatusDlg.h"
#include "windows/CViewOrig.h"

namespace windows {

namespace {

// Where a window first opens: the nth place in a column beside the owner's
// right edge, or over the owner when the screen has no room there.
QPoint besideOwner(const QWidget* owner, int nth) {
    constexpr int kGap = 8;
    constexpr int kRoom = 240;
    constexpr int kRowHeight = 280;
    const QRect frame = owner->window()->frameGeometry();
    const QScreen* screen = owner->screen();
    const bool room =
        screen != nullptr && frame.right() + kGap + kRoom <= screen->availableGeometry().right();
    const int x = room ? frame.right() + kGap : frame.left() + 40;
    return {x, frame.top() + nth * kRowHeight};
}

}  // namespace

AuxWindows::AuxWindows(WindowHost host, QWidget* owner)
    : host_(std::move(host)), owner_(owner), status_(new CStatusDlg(host_.post, owner)) {}

AuxWindows::~AuxWindows() {
    delete original_.data();
    delete overview_.data();
    delete status_.data();
}

CViewOrig* AuxWindows::original() const {
    return original_;
}

COverviewWnd* AuxWindows::overview() const {
    return overview_;
}

CStatusDlg* AuxWindows::status() const {
    return status_;
}

bool AuxWindows::originalShown() const {
    return original_ && original_->isVisible();
}

bool AuxWindows::overviewShown() const {
    return overview_ && overview_->isVisible();
}

bool AuxWindows::statusShown() const {
    return status_ && status_->isVisible();
}

void AuxWindows::toggleOriginal() {
    if (originalShown()) {
        original_->close();
        return;
    }
    const int slot = host_.imageSlot ? host_.imageSlot() : -1;
    original_ = new CViewOrig(slot, kClosedCommand, host_.post, owner_);
    original_->move(besideOwner(owner_, 0));
    original_->show();
    if (host_.post) {
        host_.post(kClosedCommand);
    }
}

void AuxWindows::toggleOverview() {
    if (overviewShown()) {
        overview_->close();
        return;
    }
    auto* overview = new COverviewWnd(host_, kClosedCommand, owner_);
    overview->move(besideOwner(owner_, 1));
    if (!overview->open(QCursor::pos())) {
        delete overview;
        return;
    }
    overview_ = overview;
    if (host_.post) {
        host_.post(kClosedCommand);
    }
}

void AuxWindows::toggleStatus() {
    if (status_ == nullptr) {
        return;
    }
    if (statusShown()) {
        status_->onCommand(2);
        return;
    }
    if (!placed_) {
        status_->move(besideOwner(owner_, 2));
        placed_ = true;
    }
    status_->show();
    if (host_.post) {
        host_.post(kClosedCommand);
    }
}

void AuxWindows::tableChanged() {
    if (overviewShown()) {
        overview_->redraw();
    }
}

void AuxWindows::heldMoved() {
    if (overviewShown()) {
        overview_->heldMoved();
    }
}

void AuxWindows::clockTexts(const QString* time, const QString& pieces) {
    if (!statusShown()) {
        return;
    }
    if (time != nullptr) {
        status_->setField(CStatusDlg::kTime, *time);
    }
    status_->setField(CStatusDlg::kPieces, pieces);
}

void AuxWindows::scoreTexts(int total, int penalty, int bonus) {
    if (!statusShown()) {
        return;
    }
    status_->setField(CStatusDlg::kTotal, QStringLiteral("%1 ").arg(total));
    status_->setField(CStatusDlg::kErrors, QStringLiteral("%1 ").arg(penalty));
    status_->setField(CStatusDlg::kBonus, QStringLiteral("%1 ").arg(bonus));
}

void AuxWindows::closeOverview() {
    if (overview_) {
        overview_->close();
    }
}

void AuxWindows::closeStatus() {
    if (status_) {
        status_->hide();
    }
}

void AuxWindows::puzzleCleared() {
    closeOverview();
    if (status_) {
        status_->clearFields();
    }
}

void AuxWindows::pictureChanged(int slot) {
    if (original_) {
        original_->setSlot(slot);
    }
}

}  // namespace windows
