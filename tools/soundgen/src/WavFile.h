#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Synth.h"

namespace soundgen {

// The bytes of a RIFF wave file: 16-bit PCM, mono, kSampleRate, every field
// little-endian. Samples beyond [-1, 1] are clipped.
std::vector<std::uint8_t> encodeWav(const Signal& samples);

// Writes the whole event sound bank into folder (created when missing), one
// file per sound. Returns false, with a message in error, when a file could
// not be written.
bool writeSoundBank(const std::string& folder, std::string& error);

}  // namespace soundgen
