#include "dialogs/CPieceSizeDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimerEvent>

#include <algorithm>

#include "PictControls.h"
#include "controls/Slider.h"
#include "dialogs/CSamplePiece.h"
#include "dialogs/CSpaceWarningDlg.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace dialogs {

namespace {

constexpr int kSampleInset = 5;  // the sample area inside frame 1066
constexpr int kMissingSliderPosition = 50;

// Radio buttons of one group never uncheck themselves; placement may end
// with neither on.
void uncheck(QRadioButton* button) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

int showSpaceWarning(QWidget* owner) {
    CSpaceWarningDlg warning(owner);
    return warning.exec();
}

}  // namespace

CPieceSizeDlg::CPieceSizeDlg(const PieceSizeRequest& request, QWidget* parent)
    : CGameDialog(kResourceId, QStringLiteral("Piece Size and Placement"), parent),
      request_(request),
      warning_(showSpaceWarning) {
    buildLayout();
    readSettings();
    timer_.start(kTimerMs, this);
}

void CPieceSizeDlg::buildLayout() {
    setClientSize(384, 258);
    addGroup(QStringLiteral("Size"), QRect(8, 4, 226, 116));
    new controls::Slider(kSlider,
                         controls::Slider::kStyleHorizontal | controls::Slider::kStyleRangeFromText,
                         QStringLiteral("6,60,60"), client());
    slider()->setGeometry(18, 24, 206, 28);
    addLabel(kLargestCount, QString(), QRect(18, 54, 80, 16));
    addLabel(kSmallestCount, QString(), QRect(144, 54, 80, 16), Qt::AlignRight | Qt::AlignVCenter);
    addLabel(1063, QStringLiteral("Pieces:"), QRect(18, 84, 52, 22));
    addPictControl("TEXTDISPL", QString(), piclib::SS_RIGHT, QRect(72, 84, 80, 22), kCount);

    QWidget* frame = addPictControl("ShadeFrame", QStringLiteral("I"), 0,
                                    QRect(242, 10, kFrameSize, kFrameSize), kSampleFrame);
    sample_ = new CSamplePiece(request_.picture, request_.background, frame);
    sample_->setGeometry(kSampleInset, kSampleInset, kFrameSize - 2 * kSampleInset,
                         kFrameSize - 2 * kSampleInset);

    addGroup(QStringLiteral("Placement"), QRect(8, 124, 226, 90));
    anywhere_ =
        addRadio(kAnywhere, QStringLiteral("&Anywhere on Workspace"), QRect(18, 144, 210, 20));
    visibleOnly_ =
        addRadio(kVisibleOnly, QStringLiteral("&Only on Visible Area"), QRect(18, 166, 210, 20));
    reserve_ =
        addCheck(kReserve, QStringLiteral("&Reserve Space for Picture"), QRect(18, 188, 210, 20));

    addButton(IDOK, QStringLiteral("107,&Play"), QRect(8, 224, 86, 26), true);
    addButton(IDCANCEL, QStringLiteral("108,&Cancel"), QRect(100, 224, 86, 26));
    addButton(kSaveAsDefaults, QStringLiteral("-1,&Save as Defaults"), QRect(192, 224, 110, 26));
    addButton(kHelp, QStringLiteral("111,&Help"), QRect(308, 224, 68, 26));
    setHelpButton(kHelp);
}

controls::Slider* CPieceSizeDlg::slider() const {
    return client()->findChild<controls::Slider*>(QString::number(kSlider));
}

// Sizes from the settings and the sample area; MinPieceSize is written back
// at once so the key is always there for the player to change.
void CPieceSizeDlg::readSettings() {
    const int stored = GetIniInt(request_.currentPieceWidth, keys::kPieceSize);
    const int minimum = GetIniInt(keys::kMinPieceSizeDefault, keys::kMinPieceSize);
    WriteIniInt(minimum, keys::kOn, keys::kOff, keys::kMinPieceSize);
    reserve_->setChecked(GetIniInt(0, keys::kThrowPiecesOnPict) != 0);
    anywhere_->setChecked(GetIniInt(0, keys::kThrowPiecesOnTable) != 0);
    visibleOnly_->setChecked(GetIniInt(1, keys::kThrowPiecesOnVisibleArea) != 0);

    const int inner = kFrameSize - kSampleInset;
    largest_ = largestPieceSize(inner, inner, request_.pictureWidth, request_.pictureHeight);
    // A small picture may not reach the stored minimum: the slider then
    // offers its largest size alone rather than an upside-down range.
    smallest_ = std::clamp(minimum, 1, largest_);
    size_ = std::clamp(std::min(stored, largest_), smallest_, largest_);
    controls::Slider* s = slider();
    s->setRange(smallest_, largest_);
    s->setPosition(sliderPositionFor(size_, smallest_, largest_));

    const int w = request_.pictureWidth;
    const int h = request_.pictureHeight;
    findChild<QLabel*>(QString::number(kLargestCount))
        ->setText(QString::number((w / largest_) * (h / largest_)));
    findChild<QLabel*>(QString::number(kSmallestCount))
        ->setText(QString::number((w / smallest_) * (h / smallest_)));
    grid_ = gridFor(w, h, size_);
    showGrid();
}

void CPieceSizeDlg::showGrid() {
    countText_ = QStringLiteral("%1 ").arg(grid_.columns * grid_.rows);
    const QByteArray text = countText_.toUtf8();
    piclib::sendPictMessage(control(kCount), piclib::WM_SETTEXT, 0,
                            reinterpret_cast<std::intptr_t>(text.constData()));
    sample_->setPieceSize(grid_.pieceWidth, grid_.pieceHeight);
}

int CPieceSizeDlg::sliderPosition() const {
    const controls::Slider* s = slider();
    return s != nullptr ? s->position() : kMissingSliderPosition;
}

void CPieceSizeDlg::tick() {
    const int size = sizeForSliderPosition(sliderPosition(), smallest_, largest_);
    if (size == size_) {
        return;
    }
    size_ = size;
    const PieceGrid grid = gridFor(request_.pictureWidth, request_.pictureHeight, size_);
    const bool changed =
        grid.pieceWidth != grid_.pieceWidth || grid.pieceHeight != grid_.pieceHeight;
    grid_ = grid;
    if (changed) {
        showGrid();
    }
}

void CPieceSizeDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId()) {
        tick();
        return;
    }
    CGameDialog::timerEvent(event);
}

void CPieceSizeDlg::play() {
    const int position = sliderPosition();
    placement_ = {reserve_->isChecked(), anywhere_->isChecked(), visibleOnly_->isChecked()};
    timer_.stop();
    if (placement_.visibleOnly) {
        placement_.anywhere = false;
        uncheck(anywhere_);
        if (spaceIsShort(request_.pictureWidth, request_.pictureHeight, request_.visibleWidth,
                         request_.visibleHeight, placement_.reserveForPicture)) {
            const int answer = warning_(this);
            if (answer == IDOK) {
                // Scatter everywhere: neither placement button stays on.
                placement_.visibleOnly = false;
                uncheck(visibleOnly_);
            } else if (answer != CSpaceWarningDlg::kAsChosen) {
                timer_.start(kTimerMs, this);
                return;
            }
        }
    }
    finalSize_ = sizeForSliderPosition(position, smallest_, largest_);
    const int w = request_.pictureWidth;
    const int h = request_.pictureHeight;
    if (finalSize_ < 1 || w / finalSize_ == 0 || h / finalSize_ == 0) {
        finalSize_ = 1;
    }
    finalGrid_ = finalGridFor(w, h, finalSize_);
    done(IDOK);
}

void CPieceSizeDlg::saveAsDefaults() {
    const int size = sizeForSliderPosition(sliderPosition(), smallest_, largest_);
    WriteIniInt(size, keys::kOn, keys::kOff, keys::kPieceSize);
    WriteIniInt(reserve_->isChecked() ? 1 : 0, keys::kOn, keys::kOff, keys::kThrowPiecesOnPict);
    WriteIniInt(anywhere_->isChecked() ? 1 : 0, keys::kOn, keys::kOff, keys::kThrowPiecesOnTable);
    WriteIniInt(visibleOnly_->isChecked() ? 1 : 0, keys::kOn, keys::kOff,
                keys::kThrowPiecesOnVisibleArea);
}

void CPieceSizeDlg::onCommand(int id) {
    switch (id) {
        case IDOK:
            play();
            break;
        case kSaveAsDefaults:
            saveAsDefaults();
            play();
            break;
        case kHelp:
            showHelp(kHelpId);
            break;
        default:
            CGameDialog::onCommand(id);
    }
}

void CPieceSizeDlg::done(int result) {
    timer_.stop();
    CGameDialog::done(result);
}

}  // namespace dialogs
