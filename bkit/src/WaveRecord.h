#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "BKIT32.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace bkit {

// Sample data of a loaded wave, shared by the loaded record and every
// instance that plays it: the samples live until the last holder lets go.
using SampleBlock = std::vector<std::int16_t>;
using StreamFile = std::shared_ptr<std::FILE>;

constexpr std::size_t kWaveRecordBytes = 200;
constexpr std::size_t kNameBytes = 60;  // 59 characters and the terminator
constexpr std::uint32_t kHeaderDone = 1;
constexpr std::uint32_t kFullPeak = 128;

}  // namespace bkit

// A loaded wave or a playing instance of one. Stored in collection files as
// 200 bytes (see readWaveRecord); in memory the addresses are real pointers
// and never go into a file.
struct WaveRecord {
    std::uint32_t bufferLength = 0;  // bytes held in memory
    std::uint32_t flags = bkit::kHeaderDone;
    std::uint32_t playId = 0;
    std::uint32_t position = 0;  // bytes mixed so far
    HWND notifyWindow = nullptr;
    std::uint32_t looped = 0;
    std::uint32_t notifyMessage = 0;
    std::uintptr_t notifyWParam = 0;
    std::intptr_t callbackFirst = 0;
    std::intptr_t callbackSecond = 0;
    WAVECALLBACK callback = nullptr;
    std::uint32_t endTime = 0;  // millisecond clock; all ones when looped
    std::uint32_t lengthCopy = 0;
    std::uint32_t free = 0;
    std::uint32_t peak = bkit::kFullPeak;
    std::uint32_t duration = 0;   // milliseconds
    bkit::StreamFile streamFile;  // null: all samples are in memory
    std::uint32_t totalLength = 0;
    std::uint32_t loaded = 0;
    std::uint32_t dataOffset = 0;  // file offset of the first sample byte
    std::shared_ptr<bkit::SampleBlock> samples;
    std::uint32_t chunkReads = 0;
    std::uint32_t seconds = 0;
    std::array<char, bkit::kNameBytes> name{};
    // Streamed instances: the wave byte held at samples[0] and the bytes held.
    std::uint32_t chunkStart = 0;
    std::uint32_t chunkBytes = 0;

    // Position, notify window and callback 0, length copy = buffer length.
    void reset();
    // Copies at most 59 characters.
    void setName(const char* text);
};

namespace bkit {

// The stored record: little-endian 32-bit fields at fixed offsets (buffer
// length 4, header flags 16, looped 60, end time 88, duration 104, stream
// file 108 (-1), total length 112, data offset 124, seconds 136, name 140).
// Fields that hold addresses or runtime state are stored as 0. Reading
// refuses a name without its terminator.
void writeWaveRecord(platform::ByteWriter& out, const WaveRecord& record);
bool readWaveRecord(platform::ByteReader& in, WaveRecord& record);

}  // namespace bkit
