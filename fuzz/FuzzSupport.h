#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// What the fuzz entry functions share: an application object for the
// readers that need one, and a scratch file for the readers that take a path.
namespace fuzzsupport {

// The bytes of one fuzz input.
using Bytes = std::span<const std::uint8_t>;

// Makes the Qt application on first use, on the offscreen platform and
// without a sound device unless the environment says otherwise.
void ensureApp();

// Writes bytes to the file called name in this process's scratch folder and
// returns its path. The same name is reused for every input.
std::string scratchFile(const std::string& name, Bytes bytes);

}  // namespace fuzzsupport

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
