#pragma once

#include <string>

namespace platform {

// Replaces the file at path with data: a temporary file beside it is written,
// flushed and renamed over the old one, so a failure or crash at any point
// leaves either the old or the new content, never a mixture. Returns false
// (old file untouched) when that fails.
bool replaceFileAtomically(const std::string& path, const std::string& data);

// The whole content of path; false when it exists but cannot be read. A
// missing file reads as empty and sets *missing.
bool readWholeFile(const std::string& path, std::string& data, bool* missing);

}  // namespace platform
