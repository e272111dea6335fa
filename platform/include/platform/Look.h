#pragma once

#include "platform_export.h"

class QApplication;

namespace platform {

// Gives the application the classic light-grey look: Fusion style with a grey
// (192, 192, 192) window palette and black text. Always succeeds.
PLATFORM_EXPORT bool applyClassicLook(QApplication& app);

}  // namespace platform
