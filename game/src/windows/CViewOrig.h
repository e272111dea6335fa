#pragma once

#include <QWidget>

#include <functional>

namespace windows {

// The original picture: the picture the puzzle was cut from, stretched over
// the window by the image library. The window opens at half the picture's
// width and height; without a picture it shows its background alone.
class CViewOrig : public QWidget {
    Q_OBJECT
  public:
    // The image library's display option set for the picture in this window.
    static constexpr int kDisplayOption = 25;

    // slot: the picture's image-library slot (-1 for none). onClose gets
    // closeMessage when the window closes (it is then destroyed).
    CViewOrig(int slot, int closeMessage, std::function<void(int)> onClose, QWidget* parent);

    // Another picture (or none) is shown from now on.
    void setSlot(int slot);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int slot_;
    int closeMessage_;
    std::function<void(int)> onClose_;
};

}  // namespace windows
