#pragma once

#include <string>
#include <string_view>

#include "platform_export.h"

namespace platform {

// Replaces the file at path with data: a hidden temporary file beside it
// (".name.XXXXXX") is written, flushed and renamed over the old one, so a
// failure or crash at any point leaves either the old or the new content,
// never a mixture, and nothing the player sees in a file list. Temporary
// files of the same name that a killed writer left more than a minute ago
// are removed. Returns false (old file untouched) when that fails.
PLATFORM_EXPORT bool replaceFileAtomically(const std::string& path, std::string_view data);

// The whole content of path; false when it exists but cannot be read. A
// missing file reads as empty and sets *missing.
PLATFORM_EXPORT bool readWholeFile(const std::string& path, std::string& data, bool* missing);

}  // namespace platform
