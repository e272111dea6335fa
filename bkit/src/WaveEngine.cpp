#include "WaveEngine.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <cstring>

#include "InstanceMixer.h"
#include "SampleMix.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/RiffWave.h"
#include "platform/WindowMessage.h"

namespace bkit {
namespace {

constexpr unsigned kTimerMs = 250;

QEvent::Type wakeType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// Receives the wake-ups of the engine in its thread's Qt event loop.
class SoundWatcher : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() != wakeType()) {
            return QObject::event(e);
        }
        WaveEngine::instance().processMessages();
        return true;
    }
};

}  // namespace

WaveEngine& WaveEngine::instance() {
    static WaveEngine engine;
    return engine;
}

WaveEngine::~WaveEngine() {
    closing_ = true;
    timer_.reset();
    device_.close();
    wakeTarget_ = nullptr;
    if (mainFile_ != nullptr) {
        std::fclose(mainFile_);
    }
}

void WaveEngine::createWatcher() {
    watcher_ = true;
    if (QCoreApplication::instance() != nullptr) {
        qtWatcher_ = std::make_unique<SoundWatcher>();
        wakeTarget_ = qtWatcher_.get();
    }
    timer_ = std::make_unique<platform::MultimediaTimer>(kTimerMs, [this] {
        if (idle_) {
            post(SW_REFILL, nullptr);
        }
    });
}

void WaveEngine::destroyWatcher() {
    timer_.reset();
    closeDevice();
    wakeTarget_ = nullptr;
    qtWatcher_.reset();
    slots_.clear();
    watcher_ = false;
}

int WaveEngine::playWave(const char* file) {
    ended_ = false;
    idle_ = false;
    adding_ = false;
    queued_ = 0;
    if (!watcher_) {
        createWatcher();
    }
    closing_ = false;
    platform::RiffWave wave;
    if (!openMain(file, wave)) {
        return 0;
    }
    closeDevice();
    bufferBytes_ = wave.format.avgBytesPerSec & ~3u;
    blockAlign_ = wave.format.blockAlign;
    buildRing();
    if (!device_.open(wave.format, [this](std::uintptr_t index) { onDone(index); })) {
        closeMain();
        return 0;
    }
    for (int i = 0; i < kRing; ++i) {
        ring_[i].startPosition = static_cast<std::uint32_t>(i) * bufferBytes_;
    }
    DebugStr("Playing Wave");
    pump();
    return 0;
}

bool WaveEngine::openMain(const char* file, platform::RiffWave& wave) {
    closeMain();
    if (file == nullptr) {
        return false;
    }
    std::FILE* f = std::fopen(platform::resolvePath(file).c_str(), "rb");
    if (f == nullptr) {
        return false;
    }
    const platform::RiffResult result = platform::readRiffWave(f, wave);
    if (result == platform::RiffResult::notPcm) {
        MessageBoxA(nullptr, "The file is not a PCM file.", "Error", MB_ICONEXCLAMATION);
    }
    if (result != platform::RiffResult::ok || !platform::WaveOut::supports(wave.format) ||
        std::fseek(f, static_cast<long>(wave.dataOffset), SEEK_SET) != 0) {
        std::fclose(f);
        return false;
    }
    mainFile_ = f;
    mainLeft_ = wave.dataSize;
    return true;
}

void WaveEngine::buildRing() {
    for (RingBuffer& b : ring_) {
        b.samples.assign(bufferBytes_ / 2, 0);
        b.tag = 1;
        b.done = true;
        b.free = true;
        b.startPosition = 0;
    }
    current_ = 0;
    nextToMix_ = -1;
    ringExists_ = true;
}

void WaveEngine::pump() {
    if (refilling_ || idle_ || adding_ || !ringExists_) {
        return;
    }
    refilling_ = true;
    if (queued_ == 0) {
        rebase();
    }
    bool notifyMarked = false;
    for (int k = 0; k < kRing && !idle_ && !closing_; ++k) {
        RingBuffer& b = ring_[current_];
        if (!b.free || !b.done) {
            break;
        }
        refill(b, notifyMarked);
    }
    refilling_ = false;
}

void WaveEngine::refill(RingBuffer& b, bool& notifyMarked) {
    std::size_t got = 0;
    const bool wasEnded = ended_;
    if (ended_) {
        std::fill(b.samples.begin(), b.samples.end(), 0);
        idle_ = true;
    } else {
        got = readMain(b.samples.data(), bufferBytes_);
        std::fill(b.samples.begin() + static_cast<std::ptrdiff_t>(got / 2), b.samples.end(), 0);
        attenuate(b.samples.data(), got / 2, 1);
        ended_ = mainLeft_ == 0;
        idle_ = got == 0;
    }
    if (mix(b)) {
        idle_ = false;
    }
    std::uint32_t tag = 0;
    if (ended_ && !wasEnded && !notifyMarked) {
        std::lock_guard lock(notifyMutex_);
        if (mainNotifyWindow_ != nullptr) {
            tag = 4;
            notifyMarked = true;
        }
    }
    b.tag = tag;
    if (idle_) {
        return;
    }
    b.free = false;
    b.done = false;
    ++queued_;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(b.samples.data());
    if (!device_.write(bytes, bufferBytes_, static_cast<std::uintptr_t>(current_))) {
        DebugStr("Wavewritefailed\n");
    }
    current_ = next(current_);
}

std::size_t WaveEngine::readMain(std::int16_t* into, std::size_t bytes) {
    const std::size_t want = std::min<std::size_t>(bytes, mainLeft_);
    const std::size_t got = mainFile_ != nullptr ? std::fread(into, 1, want, mainFile_) : 0;
    mainLeft_ = got < want ? 0 : mainLeft_ - static_cast<std::uint32_t>(got);
    return got & ~std::size_t{1};
}

void WaveEngine::rebase() {
    int index = current_;
    for (int i = 0; i < kRing; ++i) {
        ring_[index].startPosition = static_cast<std::uint32_t>(i) * bufferBytes_;
        index = next(index);
    }
    nextToMix_ = current_;
    device_.reset();
}

bool WaveEngine::mix(RingBuffer& b) {
    if (adding_ || closing_) {
        return false;
    }
    mixing_ = true;
    bool any = false;
    const std::uint32_t now = platform::timeGetTime();
    for (int s = SlotTable::kFirst; s < slots_.highWater(); ++s) {
        WaveRecord* w = slots_.at(s);
        if (w == nullptr) {
            continue;
        }
        any = true;
        if (w->looped == 0 && static_cast<std::int32_t>(now - w->endTime) >= 0) {
            endInstance(s);
            continue;
        }
        mixInstance(*w, b.samples.data(), 0, b.samples.size(), reader_);
    }
    mixing_ = false;
    return any;
}

void WaveEngine::endInstance(int slot) {
    std::unique_ptr<WaveRecord> w = slots_.take(slot);
    if (w->notifyWindow != nullptr) {
        PostMessageA(w->notifyWindow, w->notifyMessage, w->notifyWParam, 0);
    }
    if (w->callback != nullptr) {
        w->callback(w->callbackFirst, w->callbackSecond);
    }
    w->position = 0;
    post(SW_FREE_RECORD, w.release());
}

void WaveEngine::startOnRing(WaveRecord& w) {
    adding_ = true;
    w.position = 0;
    const bool wasIdle = idle_.exchange(false);
    if (wasIdle && queued_ == 0 && ringExists_) {
        rebase();
        device_.restart();
    } else if (ringExists_) {
        addToQueued(w);
    }
    const std::uint32_t seconds = w.totalLength / bufferBytes_ + 1;
    w.endTime = w.looped != 0 ? 0xFFFFFFFFu : platform::timeGetTime() + seconds * 1000;
    adding_ = false;
}

void WaveEngine::addToQueued(WaveRecord& w) {
    const int first = nextToMix_;
    if (first < 0) {
        return;
    }
    DebugStr("Adding\n");
    std::int64_t offset = static_cast<std::int64_t>(device_.position()) -
                          ring_[first].startPosition.load() + kAheadBytes;
    offset = std::max<std::int64_t>(offset, 0);
    int index = first;
    while (offset >= bufferBytes_) {
        index = next(index);
        offset -= bufferBytes_;
    }
    offset -= offset % blockAlign_;
    if (w.streamFile) {
        DebugStr("Playing qvmioWave ");
    }
    std::lock_guard lock(device_);
    for (int k = 0; k < kRing && !closing_; ++k) {
        RingBuffer& b = ring_[index];
        if (b.free) {
            break;
        }
        const std::size_t from = k == 0 ? static_cast<std::size_t>(offset / 2) : 0;
        mixInstance(w, b.samples.data(), from, b.samples.size(), reader_);
        if (w.looped == 0 && w.position >= w.totalLength) {
            break;
        }
        index = next(index);
    }
}

void WaveEngine::silenceRing() {
    std::lock_guard lock(device_);
    for (RingBuffer& b : ring_) {
        std::fill(b.samples.begin(), b.samples.end(), 0);
    }
}

void WaveEngine::onDone(std::uintptr_t index) {
    if (closing_) {
        return;
    }
    --queued_;
    RingBuffer& b = ring_[index];
    if (b.tag == 4) {
        std::lock_guard lock(notifyMutex_);
        if (mainNotifyWindow_ != nullptr) {
            PostMessageA(mainNotifyWindow_, mainNotifyMessage_, mainNotifyWParam_, 0);
            mainNotifyWindow_ = nullptr;
        }
    }
    const int following = next(static_cast<int>(index));
    nextToMix_ = following;
    ring_[following].startPosition = device_.position();
    b.tag = 1;
    b.done = true;
    b.free = true;
    post(SW_REFILL, nullptr);
}

void WaveEngine::post(unsigned id, WaveRecord* record) {
    bool first = false;
    {
        std::lock_guard lock(messagesMutex_);
        first = messages_.empty();
        messages_.push_back({id, record});
    }
    QObject* target = wakeTarget_;
    if (first && target != nullptr) {
        QCoreApplication::postEvent(target, new QEvent(wakeType()));
    }
}

void WaveEngine::processMessages() {
    std::deque<Message> waiting;
    {
        std::lock_guard lock(messagesMutex_);
        waiting.swap(messages_);
    }
    for (const Message& m : waiting) {
        if (m.id == SW_REFILL) {
            pump();
        } else {
            delete m.record;
        }
    }
}

int WaveEngine::dispatchMessages() {
    if (reader_.reading()) {
        return 0;
    }
    pump();
    if (watcher_) {
        processMessages();
    }
    return 0;
}

int WaveEngine::exitSound() {
    closing_ = true;
    timer_.reset();
    ended_ = false;
    restoreVolume();
    device_.reset();
    {
        // Waiting messages are dropped, but the records they carry are released.
        std::lock_guard lock(messagesMutex_);
        for (const Message& m : messages_) {
            delete m.record;
        }
        messages_.clear();
    }
    destroyWatcher();
    for (RingBuffer& b : ring_) {
        b.samples = {};
    }
    ringExists_ = false;
    nextToMix_ = -1;
    queued_ = 0;
    closeMain();
    DebugStr("Close SoundSystem\n");
    return 1;
}

int WaveEngine::playDifferentWave(const char* file) {
    if (switching_) {
        return 0;
    }
    switching_ = true;
    exitSound();
    const int result = playWave(file);
    switching_ = false;
    return result;
}

void WaveEngine::stopPlayingMainWave() {
    mainLeft_ = 0;
    slots_.clear();
    silenceRing();
}

int WaveEngine::setMainPeak(int peak) {
    const auto v = (static_cast<std::uint32_t>(std::clamp(peak, 0, 128)) * 65535u) >> 7;
    char text[32];
    std::snprintf(text, sizeof text, "Volume: %x\n", v);
    const int written = DebugStr(text);
    if (v == lastVolume_) {
        return written;
    }
    if (!volumeSaved_) {
        savedVolume_ = device_.volume();
        volumeSaved_ = true;
    }
    device_.setVolume(v | v << 16);
    lastVolume_ = v;
    return 0;
}

void WaveEngine::setMainWaveNotifyWindow(HWND window, unsigned message, std::uintptr_t wParam) {
    std::lock_guard lock(notifyMutex_);
    mainNotifyWindow_ = window;
    mainNotifyMessage_ = message;
    mainNotifyWParam_ = wParam;
}

void WaveEngine::restoreVolume() {
    if (volumeSaved_) {
        device_.setVolume(savedVolume_);
        lastVolume_ = -1;
    }
}

void WaveEngine::closeDevice() {
    if (device_.isOpen()) {
        // Buffers handed back by the reset belong to a ring that goes away.
        const bool wasClosing = closing_.exchange(true);
        device_.reset();
        device_.close();
        closing_ = wasClosing;
    }
}

void WaveEngine::closeMain() {
    if (mainFile_ != nullptr) {
        std::fclose(mainFile_);
        mainFile_ = nullptr;
    }
    mainLeft_ = 0;
}

}  // namespace bkit
