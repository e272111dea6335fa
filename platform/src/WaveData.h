#pragma once

#include <SDL.h>

#include <string>
#include <vector>

namespace platform {

// The samples of one wave file as the file holds them.
struct WaveData {
    SDL_AudioFormat format = AUDIO_S16SYS;
    Uint8 channels = 1;
    int frequency = 22050;
    std::vector<Uint8> bytes;
};

// Reads a RIFF wave file. Returns false when the file is missing or is not a
// wave file SDL can decode; out is then unchanged.
bool loadWave(const std::string& path, WaveData& out);

// Converts the samples to the sample format, channel count and rate of the device.
// Returns false when no conversion exists.
bool convertWave(const WaveData& in, const SDL_AudioSpec& device, std::vector<Uint8>& out);

}  // namespace platform
