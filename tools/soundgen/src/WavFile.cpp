#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "SoundBank.h"
#include "platform/ByteWriter.h"

namespace soundgen {

namespace {

void putTag(platform::ByteWriter& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.u8(static_cast<std::uint8_t>(tag[i]));
    }
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const Signal& samples) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    platform::ByteWriter out;
    putTag(out, "RIFF");
    out.u32(36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    out.u32(16);
    out.u16(1);  // PCM
    out.u16(kChannels);
    out.u32(kSampleRate);
    out.u32(kSampleRate * kChannels * kBytesPerSample);
    out.u16(kChannels * kBytesPerSample);
    out.u16(8 * kBytesPerSample);
    putTag(out, "data");
    out.u32(dataSize);
    for (double v : samples) {
        out.i16(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0)));
    }
    return out.take();
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
