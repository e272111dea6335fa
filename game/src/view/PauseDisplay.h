#pragma once

#include <QFont>
#include <QSize>

class QPainter;

// The word "Pause" drawn three times over the paused table (light grey, a
// dark grey shadow and red between), turning by 2 degrees per timer tick.
class PauseDisplay {
  public:
    void Advance();
    void Reset() { m_angle = 0; }
    void Paint(QPainter& painter, const QSize& client) const;
    // Bold italic monospace, characters w - w / 8 wide and twice that high,
    // w = (client width / 2) / 5.
    static QFont Font(const QSize& client);

  private:
    int m_angle = 0;  // degrees
};
