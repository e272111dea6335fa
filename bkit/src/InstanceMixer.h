#pragma once

#include <cstddef>
#include <cstdint>

#include "ChunkReader.h"
#include "WaveRecord.h"

namespace bkit {

// Mixes a memory-wave instance into samples [from, to) of an output buffer,
// from the instance's position on: an unlooped instance stops at its end, a
// looped one starts again from its beginning. A streamed instance reads the
// chunk it needs from its file. Advances the instance's position by the
// bytes mixed.
void mixInstance(WaveRecord& wave, std::int16_t* buffer, std::size_t from, std::size_t to,
                 ChunkReader& reader);

}  // namespace bkit
