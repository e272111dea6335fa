#include "GalleryGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "../controls/ControlLook.h"
#include "DibImage.h"

namespace piclib {
namespace {

// Width of the area a thumbnail without a stored position is centred in.
constexpr int kCentredWidth = 110;
constexpr int kMinimumCell = 16;

QColor colourOf(std::uint32_t colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

// The gallery's title font; the default one is the classic small face.
QFont titleFont(const GalleryFont& f) {
    if (f.faceName.empty() || f.faceName == "MS Sans Serif") {
        return look::sansSerif(f.height > 0 ? f.height : 7, f.weight >= 700);
    }
    QFont font(QString::fromStdString(f.faceName));
    font.setPixelSize(std::max<int>(8, std::abs(f.height)));
    font.setBold(f.weight >= 700);
    font.setItalic((f.flags[0] & 0xFF) != 0);
    font.setUnderline((f.flags[1] & 0xFF) != 0);
    font.setStrikeOut((f.flags[2] & 0xFF) != 0);
    return font;
}

}  // namespace

GalleryGrid::GalleryGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, look::kFace);
    palette.setColor(QPalette::Base, look::kFace);
    viewport()->setPalette(palette);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
}

void GalleryGrid::setGallery(GalleryFile gallery, char language) {
    gallery_ = std::move(gallery);
    language_ = language;
    offsets_ = gallery_.pictureOffsets();
    items_.assign(offsets_.size(), Item{});
    selectedCell_ = normalCell_ = QImage();
    if (const auto first = gallery_.firstEntry()) {
        selectedCell_ = imageOfDib(gallery_.thumbnail(*first));
        if (const auto second = gallery_.nextEntry(*first)) {
            normalCell_ = imageOfDib(gallery_.thumbnail(*second));
        }
    }
    cell_ = normalCell_.isNull() ? QSize(120, 112)
                                 : normalCell_.size().expandedTo({kMinimumCell, kMinimumCell});
    font_ = titleFont(gallery_.header().font);
    titleColour_ = colourOf(gallery_.header().titleColour);
    selected_ = -1;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    viewport()->update();
}

GalleryGrid::Item& GalleryGrid::item(int i) {
    Item& it = items_[static_cast<std::size_t>(i)];
    if (!it.read) {
        it.read = true;
        it.entry = gallery_.entryAt(offsets_[static_cast<std::size_t>(i)]);
        if (it.entry) {
            it.thumbnail = imageOfDib(gallery_.thumbnail(*it.entry));
        }
    }
    return it;
}

const std::optional<GalleryEntry>& GalleryGrid::entry(int i) {
    static const std::optional<GalleryEntry> none;
    return i >= 0 && i < count() ? item(i).entry : none;
}

int GalleryGrid::columns() const {
    return std::max(1, viewport()->width() / cell_.width());
}

int GalleryGrid::firstVisibleRow() const {
    return verticalScrollBar()->value();
}

void GalleryGrid::updateScrollRange() {
    const int rows = (count() + columns() - 1) / columns();
    const int visible = std::max(1, viewport()->height() / cell_.height());
    verticalScrollBar()->setRange(0, std::max(0, rows - visible));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
}

void GalleryGrid::select(int i) {
    if (count() == 0) {
        return;
    }
    if (i < 0 || i >= count()) {
        i = 0;
    }
    const int row = i / columns();
    const int visible = std::max(1, viewport()->height() / cell_.height());
    if (row < firstVisibleRow()) {
        verticalScrollBar()->setValue(row);
    } else if (row >= firstVisibleRow() + visible) {
        verticalScrollBar()->setValue(row - visible + 1);
    }
    if (i != selected_) {
        selected_ = i;
        viewport()->update();
        emit selectionChanged(i);
    }
}

int GalleryGrid::indexAt(const QPoint& point) const {
    const int column = point.x() / cell_.width();
    if (column >= columns() || point.x() < 0 || point.y() < 0) {
        return -1;
    }
    const int row = point.y() / cell_.height() + firstVisibleRow();
    const int i = row * columns() + column;
    return i < count() ? i : -1;
}

void GalleryGrid::paintCell(QPainter& p, int index, const QRect& cell) {
    const QImage& background = index == selected_ ? selectedCell_ : normalCell_;
    if (!background.isNull()) {
        p.drawImage(cell.topLeft(), background);
    }
    Item& it = item(index);
    if (!it.entry) {
        return;
    }
    const GalleryEntry& e = *it.entry;
    if (!it.thumbnail.isNull()) {
        const int x = e.thumbnailLeft != 0 ? e.thumbnailLeft
                                           : (kCentredWidth - it.thumbnail.width()) / 2 +
                                                 (cell.width() - kCentredWidth) / 2;
        p.drawImage(cell.topLeft() + QPoint(x, e.thumbnailTop), it.thumbnail);
    }
    const auto& r = e.titleRectangle;
    const QRect title = r[2] > r[0] && r[3] > r[1]
                            ? QRect(QPoint(r[0], r[1]), QPoint(r[2] - 1, r[3] - 1))
                            : QRect(0, cell.height() - 20, cell.width(), 18);
    p.setPen(titleColour_);
    // A title wider than its rectangle ends in an ellipsis rather than
    // running into the neighbouring cells.
    const QString text = p.fontMetrics().elidedText(QString::fromUtf8(e.title(language_)),
                                                    Qt::ElideRight, title.width());
    p.drawText(title.translated(cell.topLeft()), Qt::AlignCenter | Qt::TextSingleLine, text);
}

void GalleryGrid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.setFont(font_);
    const int cols = columns();
    const int firstRow = firstVisibleRow();
    const int rows = viewport()->height() / cell_.height() + 1;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < cols; ++column) {
            const int i = (firstRow + row) * cols + column;
            if (i >= count()) {
                return;
            }
            paintCell(p, i, QRect(QPoint(column * cell_.width(), row * cell_.height()), cell_));
        }
    }
}

void GalleryGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void GalleryGrid::mousePressEvent(QMouseEvent* event) {
    const int i = indexAt(event->position().toPoint());
    if (i >= 0) {
        select(i);
    }
    setFocus();
}

void GalleryGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int i = indexAt(event->position().toPoint());
    if (i >= 0) {
        select(i);
        emit activated(i);
    }
}

void GalleryGrid::keyPressEvent(QKeyEvent* event) {
    const int cols = columns();
    const int page = std::max(1, viewport()->height() / cell_.height()) * cols;
    const int at = std::max(selected_, 0);
    int to = at;
    switch (event->key()) {
        case Qt::Key_Left:
            to = at - 1;
            break;
        case Qt::Key_Right:
            to = at + 1;
            break;
        case Qt::Key_Up:
            to = at - cols;
            break;
        case Qt::Key_Down:
            to = at + cols;
            break;
        case Qt::Key_PageUp:
            to = at - page;
            break;
        case Qt::Key_PageDown:
            to = at + page;
            break;
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = count() - 1;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (selected_ >= 0) {
                emit activated(selected_);
            }
            return;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    select(std::clamp(to, 0, std::max(0, count() - 1)));
}

}  // namespace piclib
