#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "SoundBank.h"

namespace soundgen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const Signal& samples) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putTag(out, "RIFF");
    put32(out, 36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * kChannels * kBytesPerSample);
    put16(out, kChannels * kBytesPerSample);
    put16(out, 8 * kBytesPerSample);
    putTag(out, "data");
    put32(out, dataSize);
    for (double v : samples) {
        const long level = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(out, static_cast<std::uint32_t>(level) & 0xFFFF);
    }
    return out;
}

bool writeSoundBank(const std::string& folder, std::string& error) {
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    for (const GeneratedSound& sound : makeSoundBank()) {
        const std::filesystem::path path = std::filesystem::path(folder) / sound.fileName;
        const std::vector<std::uint8_t> bytes = encodeWav(sound.samples);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

}  // namespace soundgen
