#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "BKIT32_export.h"
#include "platform/ByteWriter.h"

namespace bkit {

// Wave collection files (little-endian): a signed 32-bit entry count, then
// that many 28-byte directory entries (name of at most 19 characters with
// its terminator in 20 bytes, file offset of the wave's record, size), then
// for every wave its 200-byte record followed by its sample bytes.
constexpr std::size_t kDirectoryEntryBytes = 28;
constexpr std::size_t kDirectoryNameBytes = 20;

struct CollectedWave {
    std::string name;                // at most 19 characters; stored upper-cased
    std::vector<std::uint8_t> data;  // 16-bit PCM in the main wave's format, as mixed
};

BKIT32_EXPORT void writeDirectoryEntry(platform::ByteWriter& out, const std::string& name,
                                       std::uint32_t offset, std::int32_t size);

// The bytes of a collection holding the waves in order; the directory's size
// field holds each wave's data length. bytesPerSecond (of the main wave the
// collection is made for) sets the records' duration fields. Returns an
// empty block and a reason when a name is empty or too long or a wave has no
// data.
BKIT32_EXPORT std::vector<std::uint8_t> buildWaveCollection(const std::vector<CollectedWave>& waves,
                                                            std::uint32_t bytesPerSecond,
                                                            std::string* error = nullptr);

}  // namespace bkit
