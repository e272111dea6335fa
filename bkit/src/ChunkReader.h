#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "BKIT32.h"

namespace bkit {

// Reads long stretches of a wave file in pieces, calling the caller's reading
// callback after each piece. While it reads, the engine's pump stays out
// (reading() is true) so the callback may call back into the library.
class ChunkReader {
  public:
    static constexpr std::size_t kPieceBytes = 8000;

    void setCallback(WAVECALLBACK callback, std::intptr_t first, std::intptr_t second);
    // Takes the callback out of service until resume (a wave being started
    // must not call out).
    void suspend() { ++suspended_; }
    void resume() { --suspended_; }
    bool reading() const { return reading_; }

    // Reads up to bytes from offset of file into into; returns the bytes read.
    std::size_t read(std::FILE* file, long offset, std::uint8_t* into, std::size_t bytes);

  private:
    WAVECALLBACK callback_ = nullptr;
    std::intptr_t first_ = 0;
    std::intptr_t second_ = 0;
    int suspended_ = 0;
    bool reading_ = false;
};

}  // namespace bkit
