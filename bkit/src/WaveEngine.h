#pragma once

#include <QObject>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "BKIT32.h"
#include "ChunkReader.h"
#include "SlotTable.h"
#include "platform/MultimediaTimer.h"
#include "platform/WaveOut.h"

namespace bkit {

// Messages of the engine's watcher (its hidden window of old).
constexpr unsigned SW_REFILL = 0x466;
constexpr unsigned SW_FREE_RECORD = 0x467;

// The process's wave engine: the main wave streamed through a ring of five
// one-second buffers on the wave-output device, memory-wave instances mixed
// into them. All sample work runs on the thread that called PlayWave; the
// device's and the timer's threads only post messages and update the ring's
// atomic state.
class WaveEngine {
  public:
    static constexpr int kRing = 5;
    static constexpr std::uint32_t kAheadBytes = 12000;

    static WaveEngine& instance();

    int playWave(const char* file);
    int playDifferentWave(const char* file);
    int exitSound();
    void stopPlayingMainWave();
    int setMainPeak(int peak);
    void setMainWaveNotifyWindow(HWND window, unsigned message, std::uintptr_t wParam);
    int dispatchMessages();
    // The watcher's window procedure over every waiting message.
    void processMessages();

    // One second of output in bytes (2024 before the first main wave).
    std::uint32_t bufferBytes() const { return bufferBytes_; }
    ChunkReader& reader() { return reader_; }
    SlotTable& table() { return slots_; }
    // Mixes a new instance into the buffers already queued, 12,000 bytes past
    // the device position, and sets its end time.
    void startOnRing(WaveRecord& wave);
    // Zeroes the samples of the five ring buffers.
    void silenceRing();

  private:
    struct RingBuffer {
        std::vector<std::int16_t> samples;
        std::atomic<std::uint32_t> tag{1};  // 1 free, 0 queued, 4 queued with the main wave's end
        std::atomic<bool> done{true};
        std::atomic<bool> free{true};
        std::atomic<std::uint32_t> startPosition{0};
    };
    struct Message {
        unsigned id;
        WaveRecord* record;
    };

    WaveEngine() = default;
    ~WaveEngine();

    static int next(int index) { return (index + 1) % kRing; }
    void createWatcher();
    void destroyWatcher();
    bool openMain(const char* file, platform::RiffWave& wave);
    void buildRing();
    void pump();
    void refill(RingBuffer& buffer, bool& notifyMarked);
    void rebase();
    bool mix(RingBuffer& buffer);
    void endInstance(int slot);
    void addToQueued(WaveRecord& wave);
    std::size_t readMain(std::int16_t* into, std::size_t bytes);
    void onDone(std::uintptr_t index);
    void post(unsigned id, WaveRecord* record);
    void closeDevice();
    void closeMain();
    void restoreVolume();

    platform::WaveOut device_;
    std::unique_ptr<platform::MultimediaTimer> timer_;
    // Set when the engine's thread runs a Qt event loop: woken there on new messages.
    std::unique_ptr<QObject> qtWatcher_;
    std::atomic<QObject*> wakeTarget_{nullptr};
    bool watcher_ = false;
    std::FILE* mainFile_ = nullptr;
    std::uint32_t mainLeft_ = 0;  // bytes of the main wave not yet read

    std::array<RingBuffer, kRing> ring_;
    bool ringExists_ = false;
    int current_ = 0;
    std::atomic<int> nextToMix_{-1};
    std::atomic<int> queued_{0};
    std::uint32_t bufferBytes_ = 2024;
    std::uint32_t blockAlign_ = 2;

    std::uint32_t savedVolume_ = 0;
    bool volumeSaved_ = false;
    std::int64_t lastVolume_ = -1;  // none set yet

    std::mutex notifyMutex_;  // the main-wave notify target is also read by the device thread
    HWND mainNotifyWindow_ = nullptr;
    unsigned mainNotifyMessage_ = 0;
    std::uintptr_t mainNotifyWParam_ = 0;

    std::mutex messagesMutex_;
    std::deque<Message> messages_;

    std::atomic<bool> closing_{false};
    std::atomic<bool> idle_{false};
    bool ended_ = false;
    bool adding_ = false;
    bool mixing_ = false;
    bool refilling_ = false;
    bool switching_ = false;

    SlotTable slots_;
    ChunkReader reader_;
};

}  // namespace bkit
