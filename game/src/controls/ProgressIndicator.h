#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace controls {

// The thin frame that shows a label, a percentage and a growing bar while a
// picture is loaded, cut or saved. It draws into an off-screen image of its
// size and repaints only the part that changed, so it can be fed many times
// a second.
class ProgressIndicator : public QWidget {
    Q_OBJECT
  public:
    // A frame over r of parent, or null after the message "Unable to Create
    // Frame" when there is no parent to put it on.
    static ProgressIndicator* create(QWidget* parent, const QRect& r);
    // A frame over the main window's status bar while that is shown, else
    // over a strip along the bottom of view; null when view has no room.
    static ProgressIndicator* createBelow(QWidget* view);

    void setRange(long start, long end);
    void setLabel(const QString& label) { label_ = label; }
    // Shows value against the range: nothing is drawn unless the percentage
    // changed or nothing was drawn yet. Values beyond the end count as the
    // end, values before the start as the start.
    void report(long value);

    int lastPercent() const { return lastPercent_; }
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    ProgressIndicator(QWidget* parent, const QRect& r);
    int percentOf(long value) const;
    void drawText(QPainter& painter, int p, int& textWidth);
    void drawBar(QPainter& painter, int p, int textWidth);

    QImage image_;
    QString label_;
    long start_ = 0;
    long end_ = 100;
    int lastPercent_ = 0;
    int barEnd_ = 0;
    bool firstDraw_ = true;
};

}  // namespace controls
