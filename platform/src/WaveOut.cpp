#include "platform/WaveOut.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr Uint16 kDeviceFrames = 512;

}  // namespace

WaveOut::~WaveOut() {
    close();
}

bool WaveOut::supports(const WaveFormat& format) {
    return format.isPcm16();
}

bool WaveOut::open(const WaveFormat& format, DoneCallback done) {
    if (!supports(format) || isOpen()) {
        return false;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    done_ = std::move(done);
    channels_ = format.channels;
    position_ = 0;
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(format.samplesPerSec);
    wanted.format = AUDIO_S16LSB;
    wanted.channels = static_cast<Uint8>(format.channels);
    wanted.samples = kDeviceFrames;
    wanted.callback = &WaveOut::fill;
    wanted.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void WaveOut::close() {
    if (!isOpen()) {
        return;
    }
    // Returns once the audio thread has ended.
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    std::lock_guard lock(queueMutex_);
    queue_.clear();
    offset_ = 0;
}

bool WaveOut::write(const std::uint8_t* data, std::size_t bytes, std::uintptr_t tag) {
    if (!isOpen()) {
        return false;
    }
    std::lock_guard lock(queueMutex_);
    queue_.push_back({data, bytes, tag});
    return true;
}

void WaveOut::reset() {
    std::deque<Queued> dropped;
    {
        std::lock_guard lock(queueMutex_);
        dropped.swap(queue_);
        offset_ = 0;
        position_ = 0;
    }
    for (const Queued& q : dropped) {
        if (done_) {
            done_(q.tag);
        }
    }
}

void WaveOut::restart() {
    if (isOpen()) {
        SDL_PauseAudioDevice(device_, 0);
    }
}

void WaveOut::fill(void* self, std::uint8_t* stream, int length) {
    static_cast<WaveOut*>(self)->play(stream, static_cast<std::size_t>(length));
}

void WaveOut::play(std::uint8_t* stream, std::size_t length) {
    std::vector<std::uintptr_t> finished;
    std::size_t done = 0;
    {
        std::lock_guard lock(queueMutex_);
        std::size_t sample = 0;
        while (done < length && !queue_.empty()) {
            Queued& front = queue_.front();
            const std::size_t n = std::min(length - done, front.bytes - offset_);
            copyScaled(stream + done, front.data + offset_, n, sample);
            done += n;
            offset_ += n;
            if (offset_ == front.bytes) {
                finished.push_back(front.tag);
                queue_.pop_front();
                offset_ = 0;
            }
        }
        position_ += static_cast<std::uint32_t>(done);
    }
    std::memset(stream + done, 0, length - done);
    for (const std::uintptr_t tag : finished) {
        done_(tag);
    }
}

void WaveOut::copyScaled(std::uint8_t* to, const std::uint8_t* from, std::size_t bytes,
                         std::size_t& sample) const {
    const std::uint32_t v = volume_.load();
    if (v == 0xFFFFFFFFu) {
        std::memcpy(to, from, bytes);
        return;
    }
    const std::uint32_t left = v & 0xFFFFu;
    const std::uint32_t right = v >> 16;
    for (std::size_t i = 0; i + 1 < bytes; i += 2, ++sample) {
        std::int16_t s;
        std::memcpy(&s, from + i, 2);
        const bool isRight = channels_ >= 2 && sample % static_cast<std::size_t>(channels_) == 1;
        s = static_cast<std::int16_t>(s * static_cast<std::int32_t>(isRight ? right : left) /
                                      65535);
        std::memcpy(to + i, &s, 2);
    }
}

}  // namespace platform
