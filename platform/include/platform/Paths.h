#pragma once

#include <string>

#include "platform_export.h"

namespace platform {

// The directory separator of this platform.
constexpr char kSeparator = '/';

// Turns a stored path into one of this platform: '\' becomes '/', and a drive
// letter ("C:") at the start is dropped.
PLATFORM_EXPORT std::string nativePath(const std::string& stored);

// Finds an existing file or directory for a stored path: the exact name when it
// exists, otherwise each component looked up without regard to letter case.
// Returns the native path of what was found, or nativePath(stored) when
// nothing matches.
PLATFORM_EXPORT std::string resolvePath(const std::string& stored);

PLATFORM_EXPORT bool fileExists(const std::string& path);
PLATFORM_EXPORT bool directoryExists(const std::string& path);

// Full path of the running program, and of the shared library that holds
// the given address (for "the module's directory").
PLATFORM_EXPORT std::string executablePath();
PLATFORM_EXPORT std::string modulePathOf(const void* addressInModule);

}  // namespace platform
