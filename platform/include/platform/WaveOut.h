#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

#include "platform/RiffWave.h"
#include "platform_export.h"

namespace platform {

// A wave-output device on SDL audio. The caller queues buffers it keeps
// owning; the device plays them in order and reports each finished one by
// its tag from the audio thread. The byte position counts bytes played since
// the device was opened or reset; it stands still while nothing is queued.
// With SDL_AUDIODRIVER=disk, what is played lands in the file named by
// SDL_DISKAUDIOFILE (SDL_DISKAUDIODELAY sets the milliseconds per device
// buffer, so tests may play faster than real time).
class PLATFORM_EXPORT WaveOut {
  public:
    // Runs on the audio thread, or on the thread that calls reset; it must
    // only signal its owner and must not call back into the device.
    using DoneCallback = std::function<void(std::uintptr_t tag)>;

    WaveOut() = default;
    ~WaveOut();
    WaveOut(const WaveOut&) = delete;
    WaveOut& operator=(const WaveOut&) = delete;

    // Whether open would accept the format (16-bit PCM only).
    static bool supports(const WaveFormat& format);
    // Opens the default device, playing at once. False when the format is
    // refused or no device can be opened.
    bool open(const WaveFormat& format, DoneCallback done);
    bool isOpen() const { return device_ != 0; }
    // Drops every queued buffer without reporting it and closes the device.
    void close();

    // Queues bytes (a whole number of sample frames) that stay valid until
    // reported done. False when the device is not open.
    bool write(const std::uint8_t* data, std::size_t bytes, std::uintptr_t tag);
    // Stops, reports every queued buffer as done and sets the position to 0.
    void reset();
    // Makes sure the device is playing (it plays from open on).
    void restart();
    std::uint32_t position() const { return position_.load(); }

    // Left channel in the low 16 bits, right in the high 16 bits; 0xFFFF is
    // full volume. Kept across open and close.
    std::uint32_t volume() const { return volume_.load(); }
    void setVolume(std::uint32_t volume) { volume_ = volume; }

    // Held while the caller writes into buffers that are already queued, so
    // the audio thread never reads a half-written sample.
    void lock() { queueMutex_.lock(); }
    void unlock() { queueMutex_.unlock(); }

  private:
    struct Queued {
        const std::uint8_t* data;
        std::size_t bytes;
        std::uintptr_t tag;
    };

    static void fill(void* self, std::uint8_t* stream, int length);
    void play(std::uint8_t* stream, std::size_t length);
    void copyScaled(std::uint8_t* to, const std::uint8_t* from, std::size_t bytes,
                    std::size_t& sample) const;

    std::uint32_t device_ = 0;
    DoneCallback done_;
    int channels_ = 1;
    std::mutex queueMutex_;
    std::deque<Queued> queue_;
    std::size_t offset_ = 0;  // bytes of the front buffer already played
    std::atomic<std::uint32_t> position_{0};
    std::atomic<std::uint32_t> volume_{0xFFFFFFFFu};
};

}  // namespace platform
