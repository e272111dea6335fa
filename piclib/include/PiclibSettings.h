#pragma once

#include "PIXPICK32_export.h"

namespace piclib {

// Forgets the cached language letter and Gallery.ini path, so that they are
// read again from the settings on next use, and lets the missing-galleries
// dialog appear again (for a program or test that changes the configuration
// while it runs).
PIXPICK32_EXPORT void resetConfiguration();

}  // namespace piclib
