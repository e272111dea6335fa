#pragma once

#include <QPixmap>
#include <QWidget>

namespace controls {

// The window class "BITMAPSHOW": shows the program's bitmap resource numbered
// control id + 1000, unscaled, at its upper-left corner.
class BitmapShow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kClassName = "BITMAPSHOW";
    static constexpr int kResourceOffset = 1000;

    BitmapShow(int id, QWidget* parent = nullptr);

    // Null when the program has no such bitmap.
    const QPixmap& bitmap() const { return bitmap_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap bitmap_;
};

// The program's bitmap resource of that number (":/bitmaps/<number>.png"), or
// a null pixmap.
QPixmap loadBitmapResource(int number);

}  // namespace controls
