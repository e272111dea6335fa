#pragma once

#include "platform_export.h"

constexpr unsigned SW_SHOW = 5;

// Starts a command line as a separate program without waiting for it. The
// first word is the program (quotes group words); the rest are its arguments.
// Returns a value above 31 when the program was started, as the old call did.
PLATFORM_EXPORT unsigned WinExec(const char* commandLine, unsigned show);
