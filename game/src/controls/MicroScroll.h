#pragma once

#include <QTimer>
#include <QWidget>

namespace controls {

// The window class "MicroScroll": two arrow buttons, one above the other.
// Holding one down scrolls once at once, again after 400 ms and then every
// 50 ms until it is released; each step emits scroll() with the scroll code
// (0 line up, 1 line down), standing for the scroll message to the parent.
class MicroScroll : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kClassName = "MicroScroll";
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 50;

    MicroScroll(int id, QWidget* parent = nullptr);

    int controlId() const { return id_; }
    // The arrow held down: 0 up, 1 down, -1 none.
    int held() const { return held_; }

  signals:
    void scroll(int id, int code);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void repeat();
    void drawArrow(QPainter& painter, const QRect& r, bool up, bool pressed) const;

    int id_;
    int held_ = -1;
    QTimer timer_;
};

}  // namespace controls
