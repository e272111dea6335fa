#include "PictControls.h"

namespace piclib {

PictCommandEvent::PictCommandEvent(int controlId) : QEvent(eventType()), id(controlId) {}

QEvent::Type PictCommandEvent::eventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace piclib
