#include "WaveData.h"

#include <cstddef>
#include <cstdio>

#include "platform/Paths.h"
#include "platform/RiffWave.h"

namespace platform {

bool loadWave(const std::string& path, WaveData& out) {
    // A pipe or device named as a sound would block or never end.
    if (!fileExists(path)) {
        return false;
    }
    // Every chunk size is checked against the file first: SDL takes a lying
    // data size at its word and reserves gigabytes for a file of a few bytes.
    std::FILE* raw = std::fopen(path.c_str(), "rb");
    if (raw == nullptr) {
        return false;
    }
    RiffWave layout;
    const RiffResult shape = readRiffWave(raw, layout);
    std::fclose(raw);
    if (shape == RiffResult::unreadable) {
        return false;
    }
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    SDL_AudioSpec format{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // freesrc = 1: SDL closes the file whether or not the load succeeds.
    if (SDL_LoadWAV_RW(file, 1, &format, &buffer, &length) == nullptr) {
        return false;
    }
    out.format = format.format;
    out.channels = format.channels;
    out.frequency = format.freq;
    out.bytes.assign(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    return true;
}

bool convertWave(const WaveData& in, const SDL_AudioSpec& device, std::vector<Uint8>& out) {
    SDL_AudioCVT cvt{};
    const int needed = SDL_BuildAudioCVT(&cvt, in.format, in.channels, in.frequency, device.format,
                                         device.channels, device.freq);
    if (needed < 0) {
        return false;
    }
    out = in.bytes;
    if (needed == 0 || out.empty()) {
        return true;
    }
    // The conversion works in place and needs len_mult times the input size.
    out.resize(out.size() * static_cast<std::size_t>(cvt.len_mult));
    cvt.buf = out.data();
    cvt.len = static_cast<int>(in.bytes.size());
    if (SDL_ConvertAudio(&cvt) != 0) {
        return false;
    }
    out.resize(static_cast<std::size_t>(cvt.len_cvt));
    return true;
}

}  // namespace platform
