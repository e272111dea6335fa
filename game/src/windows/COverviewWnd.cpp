#include "windows/COverviewWnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "controls/CFramedDialog.h"
#include "help/HelpContext.h"
#include "imagelib.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/PackedValues.h"
#include "settings/SettingsKeys.h"
#include "sprites/SpriteStore.h"
#include "windows/OpeningAnimation.h"
#include "windows/ZoomMenuBitmaps.h"

namespace windows {

// The client area: shows the overview bitmap and hands the mouse to the
// window.
class OverviewClient : public QWidget {
  public:
    explicit OverviewClient(COverviewWnd* owner) : QWidget(owner), owner_(owner) {
        setObjectName(QStringLiteral("overviewClient"));
        setMouseTracking(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const platform::Surface& bitmap = owner_->canvas().bitmap();
        if (bitmap.isNull()) {
            return;
        }
        QPainter painter(this);
        const QImage image(reinterpret_cast<const uchar*>(bitmap.bits()), bitmap.width(),
                           bitmap.height(), bitmap.bytesPerLine(), QImage::Format_RGB32);
        painter.drawImage(0, 0, image);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        owner_->clientMove(e->position().toPoint(), e->buttons());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            owner_->clientPress(e->position().toPoint());
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            owner_->clientRelease(e->position().toPoint());
        }
    }

  private:
    COverviewWnd* owner_;
};

namespace {

platform::Surface imageLibraryPicture(const WindowHost& host, int width, int height) {
    const int slot = host.imageSlot ? host.imageSlot() : -1;
    if (slot >= 0) {
        platform::Surface* made = IMGCreateBitmap(slot, width, height);
        if (made == nullptr) {
            return {};
        }
        platform::Surface picture = *made;
        IMGFreeBitmap(made);
        return picture;
    }
    const platform::Surface* source = host.picture ? host.picture() : nullptr;
    if (source == nullptr || source->isNull()) {
        return {};
    }
    platform::Surface picture(width, height);
    picture.stretch(picture.bounds(), *source, source->bounds());
    return picture;
}

}  // namespace

COverviewWnd::PictureSource& COverviewWnd::pictureSource() {
    static PictureSource source;
    return source;
}

COverviewWnd::COverviewWnd(WindowHost host, int closeMessage, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      host_(std::move(host)),
      closeMessage_(closeMessage),
      level_(OverviewScale::kInitialLevel),
      client_(new OverviewClient(this)),
      animationTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("overview"));
    setWindowTitle(QStringLiteral("Overview"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Opening it leaves the keyboard with the game window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setProperty("helpContext", help::screenContext(help::kOverviewWindowHelp));
    // The menu: two items drawn from their bitmaps, greyed at the limits.
    auto* menu = new QWidget(this);
    menu->setObjectName(QStringLiteral("menu%1").arg(kMenuResource));
    auto* items = new QHBoxLayout(menu);
    items->setContentsMargins(1, 1, 1, 1);
    items->setSpacing(0);
    zoomOut_ = addZoomItem(items, kZoomOut, kZoomOutBitmap, kZoomOutGreyed);
    zoomIn_ = addZoomItem(items, kZoomIn, kZoomInBitmap, kZoomInGreyed);
    items->addStretch();
    connect(zoomOut_, &QAction::triggered, this, &COverviewWnd::zoomOut);
    connect(zoomIn_, &QAction::triggered, this, &COverviewWnd::zoomIn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu);
    layout->addWidget(client_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    animationTimer_->setInterval(OpeningAnimation::kStepMs);
    connect(animationTimer_, &QTimer::timeout, this, &COverviewWnd::animationTick);
}

COverviewWnd::~COverviewWnd() {
    for (QRubberBand* outline : outlines_) {
        delete outline;
    }
}

QAction* COverviewWnd::addZoomItem(QHBoxLayout* items, int id, int bitmap, int greyed) {
    QIcon icon;
    icon.addPixmap(zoomMenuBitmap(bitmap), QIcon::Normal);
    icon.addPixmap(zoomMenuBitmap(greyed), QIcon::Disabled);
    auto* action = new QAction(icon, QString(), this);
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    action->setToolTip(id == kZoomOut ? QStringLiteral("Zoom out") : QStringLiteral("Zoom in"));
    auto* item = new QToolButton(items->parentWidget());
    item->setDefaultAction(action);
    item->setAutoRaise(true);
    item->setIconSize(zoomMenuBitmap(bitmap).size());
    items->addWidget(item);
    return action;
}

QWidget* COverviewWnd::client() const {
    return client_;
}

QAction* COverviewWnd::zoomAction(int id) const {
    return id == kZoomOut ? zoomOut_ : id == kZoomIn ? zoomIn_ : nullptr;
}

bool COverviewWnd::open(const QPoint& cursor) {
    int stored[3] = {0, 0, level_};
    const int read = ScanNumbers(GetIniString(keys::kOverviewPosition, ""), ',', stored, 3);
    if (read >= 2) {
        move(stored[0], stored[1]);
    }
    if (read >= 3) {
        level_ = stored[2];
    }
    if (!build()) {
        return false;
    }
    QWidget::show();
    startAnimation(cursor);
    return true;
}

// Makes both bitmaps for the current level, draws the table and fits the
// window around it.
bool COverviewWnd::build() {
    const sprites::SpriteStore* store = host_.store ? host_.store() : nullptr;
    const platform::Surface* picture = host_.picture ? host_.picture() : nullptr;
    if (store == nullptr || picture == nullptr) {
        return false;
    }
    const OverviewScale scale(store->workspaceWidth(), store->workspaceHeight(), level_);
    level_ = scale.level();
    const int w = std::max(1, scale.toOverview(picture->width()));
    const int h = std::max(1, scale.toOverview(picture->height()));
    platform::Surface scaled =
        pictureSource() ? pictureSource()(w, h) : imageLibraryPicture(host_, w, h);
    if (!canvas_.build(scale, std::move(scaled), host_.tableColour ? host_.tableColour() : 0)) {
        MessageBeep(MB_OK);
        MessageBoxA(this, kAllocationError, "Tessella", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    updateZoomItems();
    canvas_.redrawAll(*store);
    client_->setFixedSize(canvas_.bitmap().width(), canvas_.bitmap().height());
    client_->update();
    return true;
}

void COverviewWnd::rebuild(int level) {
    const int before = level_;
    level_ = level;
    if (!build()) {
        level_ = before;
        build();
    }
}

void COverviewWnd::updateZoomItems() {
    const OverviewScale* scale = canvas_.scale();
    zoomOut_->setEnabled(scale != nullptr && scale->canZoomOut());
    zoomIn_->setEnabled(scale != nullptr && scale->canZoomIn());
}

void COverviewWnd::zoomOut() {
    if (level_ > 1) {
        rebuild(level_ - 1);
    }
}

void COverviewWnd::zoomIn() {
    const OverviewScale* scale = canvas_.scale();
    if (scale != nullptr && scale->canZoomIn()) {
        rebuild(level_ + 1);
    }
}

void COverviewWnd::redraw() {
    if (const sprites::SpriteStore* store = host_.store ? host_.store() : nullptr) {
        canvas_.redrawAll(*store);
    }
    client_->update();
}

void COverviewWnd::redraw(const sprites::Sprite& s) {
    canvas_.redrawSprite(s);
    client_->update();
}

void COverviewWnd::redraw(const platform::Rect& table) {
    if (const sprites::SpriteStore* store = host_.store ? host_.store() : nullptr) {
        canvas_.redrawArea(*store, table);
    }
    client_->update();
}

void COverviewWnd::heldMoved() {
    const sprites::SpriteStore* store = host_.store ? host_.store() : nullptr;
    if (store == nullptr || store->held() == nullptr) {
        return;
    }
    const sprites::Sprite& held = *store->held();
    show(canvas_.drawHeldAt(*store, held, held.x, held.y));
}

void COverviewWnd::show(const platform::Rect& area) {
    client_->update(QRect(area.left, area.top, area.width(), area.height()));
}

QPoint COverviewWnd::tablePoint(const QPoint& at) const {
    const OverviewScale* scale = canvas_.scale();
    if (scale == nullptr) {
        return at;
    }
    const int x = std::clamp(at.x(), 0, std::max(0, client_->width() - 1));
    const int y = std::clamp(at.y(), 0, std::max(0, client_->height() - 1));
    return {scale->toTable(x), scale->toTable(y)};
}

void COverviewWnd::releaseCapture() {
    if (!captured_) {
        return;
    }
    captured_ = false;
    if (QWidget::mouseGrabber() == client_) {
        client_->releaseMouse();
    }
    redraw();
}

void COverviewWnd::clientMove(const QPoint& at, Qt::MouseButtons buttons) {
    if (!client_->rect().contains(at)) {
        releaseCapture();
        return;
    }
    const sprites::SpriteStore* store = host_.store ? host_.store() : nullptr;
    if (store == nullptr || store->held() == nullptr) {
        return;
    }
    const QPoint table = tablePoint(at);
    if (!captured_) {
        captured_ = true;
        if (host_.repaintTable) {
            host_.repaintTable();
        }
        if (QWidget::mouseGrabber() == nullptr) {
            client_->grabMouse();
        }
    }
    if (!(buttons & Qt::LeftButton)) {
        client_->setCursor(Qt::ArrowCursor);
        if (host_.moveHeld) {
            host_.moveHeld(table.x(), table.y());
        }
        return;
    }
    const sprites::Sprite& held = *store->held();
    show(canvas_.drawHeldAt(*store, held, table.x() - held.grabX, table.y() - held.grabY));
}

void COverviewWnd::clientPress(const QPoint& at) {
    sprites::SpriteStore* store = host_.store ? host_.store() : nullptr;
    if (store == nullptr || !host_.pickUp) {
        return;
    }
    const QPoint table = tablePoint(at);
    if (store->hitTest(table.x(), table.y()) == nullptr || !host_.pickUp(table.x(), table.y())) {
        return;
    }
    if (const sprites::Sprite* held = store->held()) {
        show(canvas_.drawHeldAt(*store, *held, table.x() - held->grabX, table.y() - held->grabY));
    }
}

void COverviewWnd::clientRelease(const QPoint& at) {
    client_->setCursor(Qt::ArrowCursor);
    const sprites::SpriteStore* store = host_.store ? host_.store() : nullptr;
    const bool holding = store != nullptr && store->held() != nullptr;
    const QPoint table = tablePoint(at);
    if (captured_ && QWidget::mouseGrabber() == client_) {
        client_->releaseMouse();
    }
    captured_ = false;
    if (holding && host_.drop) {
        host_.drop(table.x(), table.y());
    }
    redraw();
}

void COverviewWnd::startAnimation(const QPoint& cursor) {
    const QRect to = frameGeometry();
    animation_ = std::make_unique<OpeningAnimation>(
        platform::Rect{cursor.x(), cursor.y(), cursor.x() + 1, cursor.y() + 1},
        platform::Rect{to.left(), to.top(), to.right() + 1, to.bottom() + 1});
    animationTick_ = 0;
    animationTimer_->start();
}

// Each tick draws the next outline and erases the one drawn four ticks ago.
void COverviewWnd::animationTick() {
    ++animationTick_;
    if (const auto step = animation_->drawnAt(animationTick_)) {
        const platform::Rect r = animation_->outline(*step);
        auto* outline = new QRubberBand(QRubberBand::Rectangle);
        outline->setGeometry(r.left, r.top, std::max(1, r.width()), std::max(1, r.height()));
        outline->show();
        outlines_.push_back(outline);
    }
    if (const auto step = animation_->erasedAt(animationTick_)) {
        QRubberBand*& outline = outlines_[static_cast<std::size_t>(*step - 1)];
        delete outline;
        outline = nullptr;
    }
    if (animationTick_ >= animation_->ticks()) {
        animationTimer_->stop();
        outlines_.clear();
    }
}

void COverviewWnd::closeEvent(QCloseEvent* event) {
    releaseCapture();
    const int values[3] = {pos().x(), pos().y(), level_};
    WriteIniString(FormatNumbers(values, 3, ',').c_str(), keys::kOverviewPosition);
    if (host_.post) {
        host_.post(closeMessage_);
    }
    event->accept();
}

void COverviewWnd::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        controls::CFramedDialog::showScreenHelp(this, help::kOverviewWindowHelp);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace windows
