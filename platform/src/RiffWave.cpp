#include "platform/RiffWave.h"

#include <array>
#include <cstring>

#include "platform/ByteReader.h"

namespace platform {
namespace {

constexpr std::uint32_t kFormatBytes = 16;

struct ChunkHeader {
    std::array<char, 4> id{};
    std::uint32_t size = 0;
};

bool readAt(std::FILE* file, long offset, std::uint8_t* into, std::size_t n) {
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(into, 1, n, file) == n;
}

bool readChunkHeader(std::FILE* file, long offset, ChunkHeader& out) {
    std::uint8_t raw[8];
    if (!readAt(file, offset, raw, sizeof raw)) {
        return false;
    }
    std::memcpy(out.id.data(), raw, 4);
    ByteReader in(raw + 4, 4);
    out.size = in.u32();
    return true;
}

bool is(const ChunkHeader& h, const char* id) {
    return std::memcmp(h.id.data(), id, 4) == 0;
}

WaveFormat parseFormat(const std::uint8_t* raw) {
    ByteReader in(raw, kFormatBytes);
    WaveFormat f;
    f.formatTag = in.u16();
    f.channels = in.u16();
    f.samplesPerSec = in.u32();
    f.avgBytesPerSec = in.u32();
    f.blockAlign = in.u16();
    f.bitsPerSample = in.u16();
    return f;
}

}  // namespace

bool WaveFormat::isPcm16() const {
    return formatTag == 1 && bitsPerSample == 16 && channels >= 1 && channels <= 8 &&
           samplesPerSec >= 1 && samplesPerSec <= 384000 && blockAlign == channels * 2u &&
           avgBytesPerSec == samplesPerSec * blockAlign;
}

long fileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    return std::ftell(file);
}

RiffResult readRiffWave(std::FILE* file, RiffWave& out) {
    const long size = fileSize(file);
    ChunkHeader riff;
    std::uint8_t form[4];
    if (size < 12 || !readChunkHeader(file, 0, riff) || !is(riff, "RIFF") ||
        riff.size > static_cast<std::uint32_t>(size - 8) || riff.size < 4 ||
        !readAt(file, 8, form, 4) || std::memcmp(form, "WAVE", 4) != 0) {
        return RiffResult::unreadable;
    }
    const std::uint64_t end = 8ull + riff.size;
    bool haveFormat = false;
    bool haveData = false;
    std::uint64_t at = 12;
    while (at + 8 <= end && !(haveFormat && haveData)) {
        ChunkHeader chunk;
        if (!readChunkHeader(file, static_cast<long>(at), chunk) || chunk.size > end - at - 8) {
            return RiffResult::unreadable;
        }
        const auto body = static_cast<long>(at + 8);
        if (is(chunk, "fmt ")) {
            std::uint8_t raw[kFormatBytes];
            if (chunk.size < kFormatBytes || !readAt(file, body, raw, kFormatBytes)) {
                return RiffResult::unreadable;
            }
            out.format = parseFormat(raw);
            haveFormat = true;
        } else if (is(chunk, "data")) {
            out.dataOffset = static_cast<std::uint32_t>(body);
            out.dataSize = chunk.size;
            haveData = true;
        }
        at += 8ull + chunk.size + (chunk.size & 1u);
    }
    if (!haveFormat || !haveData || out.dataSize == 0) {
        return RiffResult::unreadable;
    }
    return out.format.formatTag == 1 ? RiffResult::ok : RiffResult::notPcm;
}

}  // namespace platform
