#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace piclib {

// Writes data to a temporary file beside path, then renames it over path, so
// a failed write leaves the old file intact. False when anything fails.
bool writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& data);

}  // namespace piclib
