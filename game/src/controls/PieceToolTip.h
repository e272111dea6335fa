#pragma once

#include <QString>
#include <QWidget>

namespace controls {

// A small one-line text box over the workspace: the messages about pieces
// ("This piece is locked and can't be moved!") appear in it at the pointer.
class PieceToolTip : public QWidget {
    Q_OBJECT
  public:
    // Sized to the text plus 10 by 8 pixels (100 by 17 without text); hidden
    // until show().
    PieceToolTip(QWidget* parent, const QString& text);

    const QString& text() const { return text_; }
    // Puts the upper-left corner at p (parent coordinates), moved left and up
    // as far as needed to stay inside the parent, but never beyond 0.
    void placeAt(const QPoint& p);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

}  // namespace controls
