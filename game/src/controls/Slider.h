#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace controls {

// The window class "Slider": a thumb on a wedge-shaped track that picks a
// whole number between a minimum and a maximum (16-bit unsigned each). Every
// change of the position redraws the thumb and emits command() with the
// control id, which stands for the command message to the parent.
class Slider : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kClassName = "Slider";

    // Messages of the numbered interface.
    static constexpr unsigned kSetPosition = 0x465;  // wParam: position; result 1 or 0
    static constexpr unsigned kGetPosition = 0x466;
    static constexpr unsigned kSetRange = 0x467;  // lParam: minimum | maximum << 16
    static constexpr unsigned kGetRange = 0x468;  // result: minimum | maximum << 16
    static constexpr unsigned kHScroll = 0x114;   // wParam: 1 line down, 0 line up
    static constexpr unsigned kVScroll = 0x115;

    // Style bits. Vertical wins when both directions are given.
    static constexpr unsigned kStyleVertical = 0x1;
    static constexpr unsigned kStyleHorizontal = 0x2;
    static constexpr unsigned kStyleRangeFromText = 0x8;  // text "min,max,pos"

    Slider(int id, unsigned style, const QString& text, QWidget* parent = nullptr);

    int controlId() const { return id_; }
    bool horizontal() const { return (style_ & kStyleHorizontal) != 0; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int position() const { return pos_; }
    bool dragging() const { return (state_ & kDragging) != 0; }

    // Accepted (true) only within minimum..maximum.
    bool setPosition(int position);
    // Refused (false) when maximum < minimum or either is outside 0..65535;
    // otherwise the position becomes the minimum.
    bool setRange(int minimum, int maximum);
    void lineDown();  // one step towards the maximum
    void lineUp();    // one step towards the minimum

    // The numbered interface; unknown messages answer 0.
    std::intptr_t sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    // Geometry along the track, in pixels of the widget.
    QRect trackRect() const;
    QRect thumbRect() const;
    int trackStart() const;
    int trackLength() const;
    // The position for a thumb centred at the given coordinate along the track.
    int positionAt(int centre) const;
    // Leading edge of the thumb for the current position.
    int thumbOffset() const;

  signals:
    void command(int id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    static constexpr unsigned kDragging = 0x1;

    void readText(const QString& text);
    void changePosition(int position);
    int along(const QPoint& p) const { return horizontal() ? p.x() : p.y(); }
    int thumbLength() const;
    int thumbBreadth() const;
    void drawTrack(QPainter& painter) const;
    void drawThumb(QPainter& painter) const;

    int id_;
    unsigned style_;
    int min_ = 0;
    int max_ = 9;
    int pos_ = 5;
    unsigned state_ = 0;
    int dragCentre_ = 0;  // thumb centre while dragging
};

}  // namespace controls
