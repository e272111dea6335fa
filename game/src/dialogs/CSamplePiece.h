#pragma once

#include <QWidget>

#include <memory>

#include "platform/Surface.h"

namespace sprites {
class Sprite;
}

namespace dialogs {

// The sample piece of the Piece Size and Placement dialog (window 9999): one
// piece of the current size, cut from the middle of a 3 x 3 grid, shown from
// the loaded picture on the workspace colour. Without a picture it shows the
// colour alone.
class CSamplePiece : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWindowId = 9999;

    // picture may be null; it must outlive the window and is only read. background is a
    // colour reference (0x00BBGGRR).
    CSamplePiece(platform::Surface* picture, unsigned background, QWidget* parent);
    ~CSamplePiece() override;

    // A new piece is cut at the next paint.
    void setPieceSize(int width, int height);
    int pieceWidth() const { return pieceWidth_; }
    int pieceHeight() const { return pieceHeight_; }
    // What the last paint showed.
    const platform::Surface& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void cutSample();
    void compose();

    platform::Surface* picture_;  // only read
    unsigned background_;
    int pieceWidth_ = 0;
    int pieceHeight_ = 0;
    bool sizeChanged_ = true;
    std::unique_ptr<sprites::Sprite> sprite_;
    platform::Surface image_;
};

}  // namespace dialogs
