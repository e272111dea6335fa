#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform_export.h"

namespace platform {

// The "fmt " chunk of a wave file (the fields every PCM writer fills).
struct WaveFormat {
    std::uint16_t formatTag = 1;  // 1 = PCM
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSec = 22050;
    std::uint32_t avgBytesPerSec = 44100;
    std::uint16_t blockAlign = 2;
    std::uint16_t bitsPerSample = 16;

    // Signed 16-bit PCM whose block and rate fields agree with each other,
    // with 1 to 8 channels at a rate up to 384 kHz: the only data the wave
    // engine handles.
    PLATFORM_EXPORT bool isPcm16() const;
};

// Where the samples of a RIFF WAVE file lie.
struct RiffWave {
    WaveFormat format;
    std::uint32_t dataOffset = 0;  // file offset of the first sample byte
    std::uint32_t dataSize = 0;    // bytes of sample data, never 0
};

enum class RiffResult {
    ok,
    unreadable,  // not RIFF WAVE, a missing or empty chunk, a size past its parent
    notPcm,      // a "fmt " chunk whose format tag is not 1
};

// Walks the chunks of a RIFF WAVE file from its start: the "WAVE" form, its
// "fmt " chunk (at least 16 bytes) and its "data" chunk. Every chunk size is
// checked against the file's real size, so a lying size is refused rather
// than trusted. The file position afterwards is unspecified.
PLATFORM_EXPORT RiffResult readRiffWave(std::FILE* file, RiffWave& out);

// Size in bytes of an open file, or -1.
PLATFORM_EXPORT long fileSize(std::FILE* file);

}  // namespace platform
