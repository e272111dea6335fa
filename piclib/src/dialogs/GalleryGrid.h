#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QImage>
#include <optional>
#include <vector>

#include "GalleryFile.h"
#include "PIXPICK32_export.h"

namespace piclib {

// The scrolling grid of a gallery's thumbnails. As many columns as whole
// cells fit in the width; scrolls by rows. Entries and thumbnails are read
// when a cell is first drawn. Click or the arrow, Home, End and page keys
// select; a double-click or Enter takes the selected picture.
class PIXPICK32_EXPORT GalleryGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int selected READ selected)
  public:
    explicit GalleryGrid(QWidget* parent);

    // Shows a gallery (the grid keeps it); language selects the titles. An
    // invalid gallery shows an empty grid.
    void setGallery(GalleryFile gallery, char language);
    const GalleryFile& gallery() const { return gallery_; }
    int count() const { return static_cast<int>(offsets_.size()); }
    // The entry of picture i (read on first use); nothing when it cannot be
    // read.
    const std::optional<GalleryEntry>& entry(int i);

    int selected() const { return selected_; }
    // Selects picture i (out of range: the first) and scrolls it into view.
    void select(int i);
    QSize cellSize() const { return cell_; }
    int columns() const;
    int firstVisibleRow() const;

  signals:
    void selectionChanged(int index);
    void activated(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Item {
        bool read = false;
        std::optional<GalleryEntry> entry;
        QImage thumbnail;
    };

    void updateScrollRange();
    int indexAt(const QPoint& point) const;
    void paintCell(QPainter& p, int index, const QRect& cell);
    Item& item(int i);

    GalleryFile gallery_;
    char language_ = 'E';
    std::vector<std::uint32_t> offsets_;
    std::vector<Item> items_;
    QImage selectedCell_;
    QImage normalCell_;
    QSize cell_{120, 112};
    QFont font_;
    QColor titleColour_;
    int selected_ = -1;
};

}  // namespace piclib
