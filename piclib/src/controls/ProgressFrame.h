#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

class QPainter;

namespace piclib {

// A thin frame with a label, a percentage and a growing bar, shown while a
// picture is read. It draws into its own off-screen image and copies to the
// screen only what changed, so that a progress function may report many
// times a second; a repeated percentage draws nothing.
class ProgressFrame : public QWidget {
    Q_OBJECT
  public:
    // Null, after the message "Unable to Create Frame", without a parent.
    static ProgressFrame* create(const QRect& rect, QWidget* parent);

    void setRange(long minimum, long maximum);
    void setLabel(const QString& label) { label_ = label; }
    // Draws the value's percentage; false when nothing needed drawing.
    bool draw(long value);
    // The percentage a value stands for: 0 below the range, 100 at or past
    // its end.
    int percentOf(long value) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ProgressFrame(const QRect& rect, QWidget* parent);
    void clearAll(QPainter& p);

    QImage image_;
    QFont font_;
    QString label_;
    long minimum_ = 0;
    long maximum_ = 100;
    int lastPercent_ = 0;
    int barEnd_ = 0;
    bool fullRedraw_ = true;
};

}  // namespace piclib
