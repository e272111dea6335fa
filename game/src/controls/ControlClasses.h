#pragma once

#include <QString>

class QWidget;

namespace controls {

// Caption of the framework's own message boxes.
inline constexpr const char* kFrameworkCaption = "Tessella";

// Makes a window of a registered class: id, style bits, window text, parent.
using ControlFactory = QWidget* (*)(int id, unsigned style, const QString& text, QWidget* parent);

// The process-wide table of window classes by name. A class stays known for
// the life of the process; making a name known again with the same factory
// succeeds, with another factory it is refused, as the window system refuses
// a second class of one name.
class ControlClasses {
  public:
    static bool registerClass(const QString& name, ControlFactory factory);
    static bool isRegistered(const QString& name);
    // A window of the named class, or null when the class is unknown.
    static QWidget* create(const QString& name, int id, unsigned style, const QString& text,
                           QWidget* parent);
};

// Makes "Slider" and "MicroScroll" known; 0 when either is refused.
int RegisterSliderClasses();
// Makes "NAMESLIST" and "BITMAPSHOW" known; each refusal shows "Class
// registration failed!" and the rest goes on.
void RegisterProgramClasses(QWidget* owner);

}  // namespace controls
