#include "dialogs/CSamplePiece.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "cutting/PieceCutter.h"
#include "sprites/Sprite.h"

namespace dialogs {

namespace {

constexpr int kGrid = 3;  // the sample is the middle piece of a 3 x 3 cut

}  // namespace

CSamplePiece::CSamplePiece(platform::Surface* picture, unsigned background, QWidget* parent)
    : QWidget(parent), picture_(picture), background_(background) {
    setObjectName(QString::number(kWindowId));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CSamplePiece::~CSamplePiece() = default;

void CSamplePiece::setPieceSize(int width, int height) {
    if (width == pieceWidth_ && height == pieceHeight_) {
        return;
    }
    pieceWidth_ = width;
    pieceHeight_ = height;
    sizeChanged_ = true;
    update();
}

// The cut is seeded with the piece size, so one size always shows one shape.
// The 3 x 3 grid is laid over the middle of the picture; the picture itself is
// not touched.
void CSamplePiece::cutSample() {
    sizeChanged_ = false;
    sprite_.reset();
    if (picture_ == nullptr || picture_->isNull() || pieceWidth_ <= 0 || pieceHeight_ <= 0) {
        return;
    }
    std::srand(static_cast<unsigned>(pieceWidth_ * 1000 + pieceHeight_));
    const cutting::PieceCutter cutter(pieceWidth_, pieceHeight_, kGrid, kGrid);
    const cutting::PieceMask* mask = cutter.mask(1, 1);
    const cutting::MaskBox box = cutter.maskBox(1, 1);
    const int originX = (picture_->width() - kGrid * pieceWidth_) / 2;
    const int originY = (picture_->height() - kGrid * pieceHeight_) / 2;
    const cutting::MaskBits bits{
        mask->words(), mask->wordsPerRow(), mask->width(), mask->height(), 0, 0};
    const sprites::CellRect cell{pieceWidth_, pieceHeight_, pieceWidth_, pieceHeight_};
    sprite_ = sprites::Sprite::create(picture_, originX + box.left, originY + box.top, box.width,
                                      box.height, cell, &bits);
}

void CSamplePiece::compose() {
    if (sizeChanged_) {
        cutSample();
    }
    image_ = platform::Surface(width(), height(), platform::pixelFromColorRef(background_));
    if (sprite_) {
        sprite_->drawTo(image_, (width() - sprite_->width) / 2, (height() - sprite_->height) / 2);
    }
}

// One transfer of the composed picture, so the piece never flickers.
void CSamplePiece::paintEvent(QPaintEvent*) {
    compose();
    const QImage view(reinterpret_cast<const uchar*>(image_.bits()), image_.width(),
                      image_.height(), image_.bytesPerLine(), QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, view);
}

}  // namespace dialogs
