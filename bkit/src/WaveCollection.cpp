#include "WaveCollection.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "WaveEngine.h"
#include "bkit/WaveCollectionFile.h"
#include "platform/Paths.h"
#include "platform/RiffWave.h"

namespace bkit {
namespace {

constexpr std::size_t kLookupChars = 99;
constexpr std::uint32_t kPieceBytes = 20000;

StreamFile openFile(const char* name, long& size) {
    if (name == nullptr) {
        return {};
    }
    std::FILE* f = std::fopen(platform::resolvePath(name).c_str(), "rb");
    if (f == nullptr) {
        return {};
    }
    size = platform::fileSize(f);
    return StreamFile(f, &std::fclose);
}

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool readAt(std::FILE* f, long offset, std::uint8_t* into, std::size_t bytes) {
    return std::fseek(f, offset, SEEK_SET) == 0 && std::fread(into, 1, bytes, f) == bytes;
}

}  // namespace

WaveCollection& WaveCollection::instance() {
    static WaveCollection collection;
    return collection;
}

bool WaveCollection::open(const char* collection, const char* quickLoader) {
    close();
    collection_ = openFile(collection, collectionSize_);
    if (!collection_) {
        return false;
    }
    quick_ = openFile(quickLoader, quickSize_);
    const bool ok = quick_ ? readDirectory(quick_.get(), quickSize_)
                           : readDirectory(collection_.get(), collectionSize_);
    if (!ok) {
        close();
    }
    return ok;
}

bool WaveCollection::readDirectory(std::FILE* file, long size) {
    std::uint8_t raw[4];
    if (size < 4 || !readAt(file, 0, raw, sizeof raw)) {
        return false;
    }
    const std::int32_t count = platform::ByteReader(raw, 4).i32();
    const auto available = static_cast<std::uint64_t>(size - 4) / kDirectoryEntryBytes;
    if (count < 0 || static_cast<std::uint64_t>(count) > available) {
        return false;
    }
    std::vector<std::uint8_t> block(static_cast<std::size_t>(count) * kDirectoryEntryBytes);
    if (!block.empty() && !readAt(file, 4, block.data(), block.size())) {
        return false;
    }
    platform::ByteReader in(block);
    for (std::int32_t i = 0; i < count; ++i) {
        const auto name = in.bytes(kDirectoryNameBytes);
        const auto end = std::find(name.begin(), name.end(), 0);
        if (end == name.end()) {
            return false;
        }
        Entry e;
        e.name = upper(std::string(name.begin(), end));
        e.offset = in.u32();
        e.size = in.i32();
        entries_.push_back(std::move(e));
    }
    return in.ok();
}

void WaveCollection::close() {
    entries_.clear();
    collection_.reset();
    quick_.reset();
}

const WaveCollection::Entry* WaveCollection::find(const char* name) const {
    if (name == nullptr) {
        return nullptr;
    }
    const std::string wanted = upper(std::string(name, strnlen(name, kLookupChars)));
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& e) { return e.name == wanted; });
    return it == entries_.end() ? nullptr : &*it;
}

std::int32_t WaveCollection::sizeOf(const char* name) const {
    const Entry* e = find(name);
    return e != nullptr ? e->size : 0;
}

bool WaveCollection::readStored(const Entry& entry, Stored& out) const {
    std::FILE* file = quick_ ? quick_.get() : collection_.get();
    const long size = quick_ ? quickSize_ : collectionSize_;
    std::uint8_t raw[kWaveRecordBytes];
    if (entry.offset > static_cast<std::uint64_t>(size) ||
        kWaveRecordBytes > static_cast<std::uint64_t>(size) - entry.offset ||
        !readAt(file, static_cast<long>(entry.offset), raw, sizeof raw)) {
        return false;
    }
    platform::ByteReader in(raw, sizeof raw);
    if (!readWaveRecord(in, out.record)) {
        return false;
    }
    out.length = out.record.bufferLength & ~1u;
    out.dataOffset = quick_ ? out.record.dataOffset
                            : entry.offset + static_cast<std::uint32_t>(kWaveRecordBytes);
    const auto end = static_cast<std::uint64_t>(out.dataOffset) + out.length;
    return out.length != 0 && end <= static_cast<std::uint64_t>(collectionSize_);
}

bool WaveCollection::readData(std::uint32_t offset, std::uint8_t* into, std::uint32_t bytes) const {
    for (std::uint32_t done = 0; done < bytes;) {
        const std::uint32_t piece = std::min(kPieceBytes, bytes - done);
        if (!readAt(collection_.get(), static_cast<long>(offset + done), into + done, piece)) {
            return false;
        }
        done += piece;
        DispatchSoundMessages();
    }
    return true;
}

WaveRecord* WaveCollection::load(const char* name) {
    const Entry* entry = find(name);
    if (entry == nullptr) {
        return nullptr;
    }
    DispatchSoundMessages();
    Stored stored;
    if (!readStored(*entry, stored)) {
        return nullptr;
    }
    const std::uint32_t b = WaveEngine::instance().bufferBytes();
    const std::uint32_t held = std::min(stored.length, b);
    auto wave = std::make_unique<WaveRecord>(stored.record);
    if (stored.length <= b) {
        auto block = std::make_shared<SampleBlock>(held / 2);
        allocated_ += held;
        char text[160];
        std::snprintf(text, sizeof text, "Alloc on WavesData: %ld --> %ld %s\n",
                      static_cast<long>(allocated_), static_cast<long>(held), name);
        DebugStr(text);
        if (!readData(stored.dataOffset, reinterpret_cast<std::uint8_t*>(block->data()), held)) {
            return nullptr;
        }
        wave->samples = std::move(block);
    }
    wave->bufferLength = held;
    wave->flags = kHeaderDone;
    wave->reset();
    wave->duration = held / b * 1000;
    wave->streamFile = held < stored.length ? collection_ : nullptr;
    wave->loaded = held;
    wave->totalLength = stored.length;
    wave->dataOffset = stored.dataOffset;
    wave->setName(name);
    return wave.release();
}

bool WaveCollection::saveQuickLoader(const char* file) {
    if (!collection_ || file == nullptr) {
        return false;
    }
    const std::uint32_t b = WaveEngine::instance().bufferBytes();
    const auto bodyStart = static_cast<std::uint32_t>(4 + kDirectoryEntryBytes * entries_.size());
    platform::ByteWriter directory;
    platform::ByteWriter body;
    directory.i32(static_cast<std::int32_t>(entries_.size()));
    for (const Entry& e : entries_) {
        Stored stored;
        if (!readStored(e, stored)) {
            return false;
        }
        writeDirectoryEntry(directory, e.name, bodyStart + static_cast<std::uint32_t>(body.size()),
                            e.size);
        stored.record.dataOffset = stored.dataOffset;
        writeWaveRecord(body, stored.record);
        if (stored.length <= b) {
            std::vector<std::uint8_t> data(stored.length);
            if (!readData(stored.dataOffset, data.data(), stored.length)) {
                return false;
            }
            body.bytes(data);
        }
    }
    std::FILE* out = std::fopen(platform::nativePath(file).c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written =
        std::fwrite(directory.bytes().data(), 1, directory.size(), out) == directory.size() &&
        std::fwrite(body.bytes().data(), 1, body.size(), out) == body.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace bkit
