#pragma once

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

// The process's one sound: a wave converted to the device format, played by
// SDL's audio thread from a callback. The device is opened by the first play
// and stays open until stop, so sounds in quick succession start at once.
class SoundPlayer {
  public:
    static SoundPlayer& instance();

    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Same flags and result as sndPlaySoundA; path is already resolved.
    int play(const std::string& path, unsigned flags);
    // Silences the sound and closes the device.
    void stop();

  private:
    SoundPlayer() = default;

    bool isPlaying();
    bool openDevice();
    void closeDevice();
    std::uint64_t start(std::vector<Uint8> samples, bool loop);
    void waitUntilPlayed(std::uint64_t generation, std::chrono::milliseconds tail);

    static void SDLCALL fill(void* player, Uint8* stream, int length);
    void mix(Uint8* stream, int length);

    // Serialises the calls of the program's threads: opening, closing and
    // starting never overlap. Never taken by the audio thread.
    std::mutex control_;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};

    // The mixing state, guarded by mix_: the only data the audio thread reads
    // or writes. samples_ is in the device format; position_ counts bytes.
    std::mutex mix_;
    std::condition_variable played_;
    std::vector<Uint8> samples_;
    std::size_t position_ = 0;
    bool looping_ = false;
    bool playing_ = false;
    Uint8 silence_ = 0;
    // Grows with every start and stop, so a synchronous caller can tell that
    // its sound was replaced.
    std::uint64_t generation_ = 0;
};

}  // namespace platform
