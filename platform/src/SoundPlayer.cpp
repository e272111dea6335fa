#include "SoundPlayer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "WaveData.h"
#include "platform/Paths.h"
#include "platform/Sound.h"

namespace platform {

namespace {

// The format asked of the device. Rate and channel count may differ on the
// real device; the sample format stays 16-bit so silence is 0.
constexpr int kDeviceRate = 44100;
constexpr Uint8 kDeviceChannels = 2;
constexpr Uint16 kDeviceFrames = 1024;  // about 23 ms per callback

}  // namespace

SoundPlayer& SoundPlayer::instance() {
    static SoundPlayer player;
    return player;
}

SoundPlayer::~SoundPlayer() {
    stop();
}

int SoundPlayer::play(const std::string& path, unsigned flags) {
    const bool async = (flags & SND_ASYNC) != 0;
    const bool loop = (flags & SND_LOOP) != 0;
    if (loop && !async) {
        return 0;
    }
    std::unique_lock control(control_);
    if ((flags & SND_NOSTOP) != 0 && isPlaying()) {
        return 0;
    }
    WaveData wave;
    if (!loadWave(path, wave) || !openDevice()) {
        return 0;
    }
    std::vector<Uint8> samples;
    if (!convertWave(wave, spec_, samples)) {
        return 0;
    }
    const std::uint64_t generation = start(std::move(samples), loop);
    // The last samples handed to the device are heard about two callbacks later.
    const auto tail = std::chrono::milliseconds(2000 * spec_.samples / spec_.freq);
    control.unlock();
    if (!async) {
        waitUntilPlayed(generation, tail);
    }
    return 1;
}

void SoundPlayer::stop() {
    std::lock_guard control(control_);
    closeDevice();
}

bool SoundPlayer::isPlaying() {
    std::lock_guard lock(mix_);
    return playing_;
}

bool SoundPlayer::openDevice() {
    if (device_ != 0) {
        return true;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kDeviceChannels;
    wanted.samples = kDeviceFrames;
    wanted.callback = &SoundPlayer::fill;
    wanted.userdata = this;
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &spec_,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                                SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    {
        std::lock_guard lock(mix_);
        silence_ = spec_.silence;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SoundPlayer::closeDevice() {
    if (device_ != 0) {
        // Returns once the audio thread has ended.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    std::lock_guard lock(mix_);
    samples_.clear();
    position_ = 0;
    playing_ = false;
    ++generation_;
    played_.notify_all();
}

std::uint64_t SoundPlayer::start(std::vector<Uint8> samples, bool loop) {
    std::lock_guard lock(mix_);
    samples_ = std::move(samples);
    position_ = 0;
    looping_ = loop;
    playing_ = !samples_.empty();
    ++generation_;
    played_.notify_all();
    return generation_;
}

void SoundPlayer::waitUntilPlayed(std::uint64_t generation, std::chrono::milliseconds tail) {
    std::unique_lock lock(mix_);
    played_.wait(lock, [&] { return !playing_ || generation_ != generation; });
    const bool completed = generation_ == generation;
    lock.unlock();
    if (completed) {
        std::this_thread::sleep_for(tail);
    }
}

void SDLCALL SoundPlayer::fill(void* player, Uint8* stream, int length) {
    static_cast<SoundPlayer*>(player)->mix(stream, length);
}

void SoundPlayer::mix(Uint8* stream, int length) {
    std::lock_guard lock(mix_);
    std::size_t done = 0;
    const auto total = static_cast<std::size_t>(length);
    while (done < total && playing_) {
        const std::size_t count = std::min(total - done, samples_.size() - position_);
        std::memcpy(stream + done, samples_.data() + position_, count);
        done += count;
        position_ += count;
        if (position_ == samples_.size()) {
            position_ = 0;
            if (!looping_) {
                playing_ = false;
                played_.notify_all();
            }
        }
    }
    std::memset(stream + done, silence_, total - done);
}

}  // namespace platform

int sndPlaySoundA(const char* file, unsigned flags) {
    auto& player = platform::SoundPlayer::instance();
    if (file == nullptr) {
        player.stop();
        return 1;
    }
    return player.play(platform::resolvePath(file), flags);
}
