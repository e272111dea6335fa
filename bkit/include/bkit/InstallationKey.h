#pragma once

#include <string>

#include "BKIT32_export.h"

namespace bkit {

// The registry key under which the installation in dir (with its trailing
// separator; empty for the current directory) records its settings folder:
// the fixed prefix and the "Location" value of the "Registry" section of
// dir's Orbis.inf ("Location" when the file or value is missing). The
// program's first start registers under the key this library reads, so both
// always take it from here.
BKIT32_EXPORT std::string installationKey(const std::string& dir);

}  // namespace bkit
