#include "InstanceMixer.h"

#include <algorithm>

#include "SampleMix.h"

namespace bkit {
namespace {

// Loads the chunk of a streamed instance that holds its position.
bool fetchChunk(WaveRecord& w, ChunkReader& reader) {
    const std::size_t capacity = w.samples->size() * 2;
    const std::size_t want = std::min<std::size_t>(capacity, w.totalLength - w.position);
    auto* into = reinterpret_cast<std::uint8_t*>(w.samples->data());
    const std::size_t got =
        reader.read(w.streamFile.get(), static_cast<long>(w.dataOffset) + w.position, into, want);
    ++w.chunkReads;
    w.loaded += static_cast<std::uint32_t>(got);
    w.chunkStart = w.position;
    w.chunkBytes = static_cast<std::uint32_t>(got & ~std::size_t{1});
    return w.chunkBytes != 0;
}

// The instance's samples from its position on: start and count.
bool source(WaveRecord& w, ChunkReader& reader, const std::int16_t*& from, std::size_t& count) {
    if (!w.samples) {
        return false;
    }
    if (!w.streamFile) {
        const std::size_t held = std::min<std::size_t>(w.totalLength, w.samples->size() * 2);
        from = w.samples->data() + w.position / 2;
        count = w.position < held ? (held - w.position) / 2 : 0;
        return count != 0;
    }
    if ((w.position < w.chunkStart || w.position >= w.chunkStart + w.chunkBytes) &&
        !fetchChunk(w, reader)) {
        return false;
    }
    from = w.samples->data() + (w.position - w.chunkStart) / 2;
    count = (w.chunkStart + w.chunkBytes - w.position) / 2;
    return true;
}

}  // namespace

void mixInstance(WaveRecord& w, std::int16_t* buffer, std::size_t from, std::size_t to,
                 ChunkReader& reader) {
    std::size_t at = from;
    while (at < to) {
        if (w.position >= w.totalLength) {
            if (w.looped == 0) {
                return;
            }
            w.position = 0;
        }
        const std::int16_t* samples = nullptr;
        std::size_t count = 0;
        if (!source(w, reader, samples, count)) {
            return;
        }
        count = std::min(count, to - at);
        mixSaturating(buffer + at, samples, count);
        at += count;
        w.position += static_cast<std::uint32_t>(count * 2);
    }
}

}  // namespace bkit
