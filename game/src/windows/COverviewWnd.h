#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "platform/Surface.h"
#include "windows/OverviewCanvas.h"
#include "windows/WindowHost.h"

class QAction;
class QHBoxLayout;
class QRubberBand;
class QTimer;

namespace sprites {
class Sprite;
}

namespace windows {

class OpeningAnimation;
class OverviewClient;

// The overview: the whole table drawn small in a window of its own, with a
// zoom menu of two bitmap items. Groups can be picked up, carried and dropped
// in it as on the table. Its place and zoom level are kept in the settings
// (OverwiewPosition "left,top,level") from one opening to the next.
class COverviewWnd : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMenuResource = 130;
    static constexpr int kZoomOut = 40038;
    static constexpr int kZoomIn = 40039;
    static constexpr int kZoomOutBitmap = 134;
    static constexpr int kZoomInBitmap = 132;
    static constexpr int kZoomOutGreyed = 2191;
    static constexpr int kZoomInGreyed = 2190;
    static constexpr const char* kAllocationError = "Internal Error on allocating a Bitmap";

    // The picture scaled to width x height; a null surface when it cannot
    // be made. By default the image library makes it from the picture's slot
    // (the picture bitmap stretched when there is no slot).
    using PictureSource = std::function<platform::Surface(int width, int height)>;
    static PictureSource& pictureSource();

    COverviewWnd(WindowHost host, int closeMessage, QWidget* parent);
    ~COverviewWnd() override;

    // Reads the stored place and level, builds the overview and shows it,
    // with the opening animation from the cursor. False (nothing shown, the
    // allocation error reported) when the bitmaps cannot be made.
    bool open(const QPoint& cursor);

    // The three redraws the workspace asks for.
    void redraw();
    void redraw(const sprites::Sprite& s);
    void redraw(const platform::Rect& table);
    // The workspace's held group moved: it is drawn at its new place.
    void heldMoved();

    void zoomOut();
    void zoomIn();
    int level() const { return level_; }
    const OverviewCanvas& canvas() const { return canvas_; }
    QWidget* client() const;
    QAction* zoomAction(int id) const;
    bool captured() const { return captured_; }

    // Mouse input of the client area (overview pixels).
    void clientMove(const QPoint& at, Qt::MouseButtons buttons);
    void clientPress(const QPoint& at);
    void clientRelease(const QPoint& at);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QAction* addZoomItem(QHBoxLayout* items, int id, int bitmap, int greyed);
    bool build();
    void rebuild(int level);
    void updateZoomItems();
    void startAnimation(const QPoint& cursor);
    void animationTick();
    QPoint tablePoint(const QPoint& at) const;
    void releaseCapture();
    void show(const platform::Rect& overviewArea);

    WindowHost host_;
    int closeMessage_;
    int level_;
    OverviewCanvas canvas_;
    OverviewClient* client_;
    QAction* zoomOut_;
    QAction* zoomIn_;
    bool captured_ = false;
    std::unique_ptr<OpeningAnimation> animation_;
    std::vector<QRubberBand*> outlines_;  // one per step, owned here
    QTimer* animationTimer_;
    int animationTick_ = 0;
};

}  // namespace windows
