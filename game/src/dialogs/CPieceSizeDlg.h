#pragma once

#include <QBasicTimer>

#include <functional>

#include "dialogs/CGameDialog.h"
#include "dialogs/PieceGeometry.h"
#include "platform/Surface.h"

class QCheckBox;
class QRadioButton;

namespace controls {
class Slider;
}

namespace dialogs {

class CSamplePiece;

// What the Start command hands to the dialog.
struct PieceSizeRequest {
    int pictureWidth = 0;
    int pictureHeight = 0;
    int visibleWidth = 0;  // the view's client area
    int visibleHeight = 0;
    int currentPieceWidth = 60;            // the size offered when none is stored
    unsigned background = 0xFF0000;        // workspace colour, 0x00BBGGRR
    platform::Surface* picture = nullptr;  // the loaded picture, only read
};

// Where the pieces are thrown when the game starts. Neither placement flag
// set means anywhere on the workspace, after the space warning.
struct PlacementChoice {
    bool reserveForPicture = false;
    bool anywhere = false;
    bool visibleOnly = false;
    bool operator==(const PlacementChoice&) const = default;
};

// The Piece Size and Placement dialog (resource 107): a slider from few large
// pieces to many small ones, the piece count, a live sample piece, and where
// the pieces go. "&Play" (and "&Save as Defaults") check that the visible
// area can take the pieces and close with the final grid.
class CPieceSizeDlg : public CGameDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 107;
    static constexpr unsigned kHelpId = help::kPieceSizeHelp;
    static constexpr int kSlider = 1201;
    static constexpr int kCount = 1007;
    static constexpr int kLargestCount = 1152;   // under the slider's left end
    static constexpr int kSmallestCount = 1151;  // under its right end
    static constexpr int kAnywhere = 1147;
    static constexpr int kVisibleOnly = 1148;
    static constexpr int kReserve = 1149;
    static constexpr int kSaveAsDefaults = 1015;
    static constexpr int kHelp = 1210;
    static constexpr int kSampleFrame = 1066;
    static constexpr int kTimerMs = 100;
    static constexpr int kFrameSize = 134;  // frame 1066, square

    // The warning's answer: 1 scatter everywhere, 1150 as chosen, 2 back.
    using WarningFunction = std::function<int(QWidget* owner)>;

    CPieceSizeDlg(const PieceSizeRequest& request, QWidget* parent = nullptr);

    // Tests answer the space warning themselves.
    void setWarningFunction(WarningFunction warning) { warning_ = std::move(warning); }

    int smallestSize() const { return smallest_; }
    int largestSize() const { return largest_; }
    int currentSize() const { return size_; }
    const PieceGrid& currentGrid() const { return grid_; }
    const QString& countText() const { return countText_; }
    bool timerRunning() const { return timer_.isActive(); }
    controls::Slider* slider() const;
    CSamplePiece* sample() const { return sample_; }

    // After "&Play": the placement and the grid to cut.
    const PlacementChoice& placement() const { return placement_; }
    int finalSize() const { return finalSize_; }
    const PieceGrid& finalGrid() const { return finalGrid_; }

    // One tick of the 100 ms timer: follows the slider.
    void tick();
    void onCommand(int id) override;

  protected:
    void timerEvent(QTimerEvent* event) override;
    void done(int result) override;

  private:
    void buildLayout();
    void readSettings();
    void showGrid();
    void play();
    void saveAsDefaults();
    int sliderPosition() const;

    PieceSizeRequest request_;
    WarningFunction warning_;
    QBasicTimer timer_;
    int smallest_ = 23;
    int largest_ = 1;
    int size_ = 0;
    PieceGrid grid_;
    QString countText_;
    QRadioButton* anywhere_ = nullptr;
    QRadioButton* visibleOnly_ = nullptr;
    QCheckBox* reserve_ = nullptr;
    CSamplePiece* sample_ = nullptr;
    PlacementChoice placement_;
    int finalSize_ = 0;
    PieceGrid finalGrid_;
};

}  // namespace dialogs
