#include <algorithm>
#include <new>

#include "BKIT32.h"
#include "SampleMix.h"
#include "WaveCollection.h"
#include "WaveEngine.h"
#include "platform/Paths.h"
#include "platform/RiffWave.h"
#include "platform/WindowMessage.h"

namespace bkit {
namespace {

std::uint32_t nextPlayId = 1;

// A wave file's samples, quartered, in a new loaded record; null on any
// missing chunk, other data than 16-bit PCM, empty data or short read.
std::unique_ptr<WaveRecord> loadWaveFile(const char* file) {
    if (file == nullptr) {
        return nullptr;
    }
    const StreamFile f(std::fopen(platform::resolvePath(file).c_str(), "rb"), [](std::FILE* p) {
        if (p != nullptr) {
            std::fclose(p);
        }
    });
    if (!f) {
        return nullptr;
    }
    DispatchSoundMessages();
    platform::RiffWave wave;
    if (platform::readRiffWave(f.get(), wave) != platform::RiffResult::ok ||
        !wave.format.isPcm16() || std::fseek(f.get(), wave.dataOffset, SEEK_SET) != 0) {
        return nullptr;
    }
    DispatchSoundMessages();
    const std::uint32_t length = wave.dataSize & ~1u;
    const std::uint32_t b = WaveEngine::instance().bufferBytes();
    auto block = std::make_shared<SampleBlock>(length / 2);
    auto* bytes = reinterpret_cast<std::uint8_t*>(block->data());
    for (std::uint32_t done = 0; done < length;) {
        const std::uint32_t piece = std::min(b, length - done);
        if (std::fread(bytes + done, 1, piece, f.get()) != piece) {
            return nullptr;
        }
        done += piece;
        DispatchSoundMessages();
    }
    attenuate(block->data(), block->size(), 2);
    auto record = std::make_unique<WaveRecord>();
    record->samples = std::move(block);
    record->bufferLength = length;
    record->reset();
    record->duration = length / b * 1000;
    record->totalLength = length;
    record->setName(file);
    return record;
}

// Starts an instance of a loaded wave; returns its play id.
std::uint32_t startInstance(std::unique_ptr<WaveRecord> w, bool looped, const char* debugText) {
    WaveEngine& engine = WaveEngine::instance();
    const std::uint32_t b = engine.bufferBytes();
    engine.reader().suspend();
    const std::uint32_t id = nextPlayId++;
    w->playId = id;
    w->looped = looped ? 1 : 0;
    w->peak = kFullPeak;
    w->loaded = 0;
    w->chunkReads = 0;
    w->seconds = w->totalLength / b;
    if (w->streamFile) {
        w->samples = std::make_shared<SampleBlock>(b / 2);
        w->chunkStart = 0;
        w->chunkBytes = 0;
    }
    w->free = 0;
    engine.startOnRing(*w);
    engine.table().put(std::move(w));
    DebugStr(debugText);
    DispatchSoundMessages();
    engine.reader().resume();
    return id;
}

std::uint32_t playMemoryWave(WaveRecord* wave, bool looped) {
    if (wave == nullptr) {
        return 0;
    }
    DispatchSoundMessages();
    try {
        return startInstance(std::make_unique<WaveRecord>(*wave), looped, "MemoryWave");
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

WaveRecord* playingInstance(std::uint32_t id) {
    SlotTable& table = WaveEngine::instance().table();
    const int slot = id != 0 ? table.find(id) : -1;
    return slot >= 0 ? table.at(slot) : nullptr;
}

}  // namespace
}  // namespace bkit

using bkit::WaveCollection;
using bkit::WaveEngine;

extern "C" {

WaveRecord* LoadWave(const char* file) {
    try {
        return bkit::loadWaveFile(file).release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

int AddWave(const char* file) {
    try {
        auto wave = bkit::loadWaveFile(file);
        if (!wave) {
            return 0;
        }
        wave->playId = 0;
        wave->free = 1;
        WaveEngine::instance().startOnRing(*wave);
        WaveEngine::instance().table().put(std::move(wave));
        DebugStr("FileWave");
        DispatchSoundMessages();
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

std::uint32_t PlayMemoryWave(WaveRecord* wave) {
    return bkit::playMemoryWave(wave, false);
}

std::uint32_t PlayMemoryWaveLooped(WaveRecord* wave) {
    return bkit::playMemoryWave(wave, true);
}

int StopPlayingMemoryWave(std::uint32_t id, int silence) {
    if (id == 0) {
        return 0;
    }
    bkit::SlotTable& table = WaveEngine::instance().table();
    const int slot = table.find(id);
    if (slot >= 0) {
        table.take(slot);
    }
    if (silence != 0 && table.empty()) {
        WaveEngine::instance().silenceRing();
    }
    return 0;
}

// Instances hold their own reference to the samples, so the loaded record
// can go at once.
void FreeMemoryWave(WaveRecord* wave) {
    delete wave;
}

std::intptr_t SetNotifyWindow(std::uint32_t id, HWND window, unsigned message,
                              std::uintptr_t wParam) {
    WaveRecord* w = bkit::playingInstance(id);
    if (w == nullptr) {
        return PostMessageA(window, message, wParam, 0);
    }
    w->notifyWindow = window;
    w->notifyMessage = message;
    w->notifyWParam = wParam;
    return reinterpret_cast<std::intptr_t>(window);
}

void SetNotifyCallBack(std::uint32_t id, WAVECALLBACK callback, std::intptr_t first,
                       std::intptr_t second) {
    WaveRecord* w = bkit::playingInstance(id);
    if (w == nullptr) {
        if (callback != nullptr) {
            callback(first, second);
        }
        return;
    }
    w->callback = callback;
    w->callbackFirst = first;
    w->callbackSecond = second;
}

int SetWaveCollection(const char* collection, const char* quickLoader) {
    return WaveCollection::instance().open(collection, quickLoader) ? 1 : 0;
}

void CloseWaveCollection(void) {
    WaveCollection::instance().close();
}

std::int32_t QueryCollectedWaveSize(const char* name) {
    return WaveCollection::instance().sizeOf(name);
}

WaveRecord* LoadCollectedWave(const char* name) {
    try {
        return WaveCollection::instance().load(name);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

int SaveQuickLoader(const char* file) {
    try {
        return WaveCollection::instance().saveQuickLoader(file) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

void SetReadingCallback(WAVECALLBACK callback, std::intptr_t first, std::intptr_t second) {
    WaveEngine::instance().reader().setCallback(callback, first, second);
}
}
