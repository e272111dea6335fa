#include "WaveRecord.h"

#include <algorithm>
#include <cstring>

namespace bkit {
namespace {

constexpr std::uint32_t kNoStreamFile = 0xFFFFFFFFu;

}  // namespace

void writeWaveRecord(platform::ByteWriter& out, const WaveRecord& r) {
    out.u32(0);  // data address
    out.u32(r.bufferLength);
    out.u32(0);  // bytes recorded
    out.u32(0);  // buffer tag
    out.u32(r.flags);
    for (int i = 0; i < 7; ++i) {
        out.u32(0);  // loops, two reserved, next, ring index, start position, play id
    }
    out.u32(0);  // position
    out.u32(0);  // owns data
    out.u32(0);  // notify window
    out.u32(r.looped);
    out.u32(0);  // spare
    for (int i = 0; i < 5; ++i) {
        out.u32(0);  // notify message and wParam, callback arguments, callback
    }
    out.u32(r.endTime);
    out.u32(r.lengthCopy);
    out.u32(r.free);
    out.u32(r.peak);
    out.u32(r.duration);
    out.u32(kNoStreamFile);
    out.u32(r.totalLength);
    out.u32(0);  // stream position
    out.u32(r.loaded);
    out.u32(r.dataOffset);
    out.u32(0);  // sample block
    out.u32(r.chunkReads);
    out.u32(r.seconds);
    out.bytes({reinterpret_cast<const std::uint8_t*>(r.name.data()), r.name.size()});
}

bool readWaveRecord(platform::ByteReader& in, WaveRecord& r) {
    const std::size_t start = in.position();
    const auto at = [&](std::size_t offset) {
        in.seek(start + offset);
        return in.u32();
    };
    r.bufferLength = at(4);
    r.flags = at(16);
    r.looped = at(60);
    r.endTime = at(88);
    r.lengthCopy = at(92);
    r.free = at(96);
    r.peak = at(100);
    r.duration = at(104);
    r.totalLength = at(112);
    r.loaded = at(120);
    r.dataOffset = at(124);
    r.chunkReads = at(132);
    r.seconds = at(136);
    const auto name = in.bytes(kNameBytes);
    if (!in.ok() || std::find(name.begin(), name.end(), 0) == name.end()) {
        return false;
    }
    std::copy(name.begin(), name.end(), r.name.begin());
    return true;
}

}  // namespace bkit

void WaveRecord::reset() {
    position = 0;
    notifyWindow = nullptr;
    callback = nullptr;
    lengthCopy = bufferLength;
}

void WaveRecord::setName(const char* text) {
    name.fill(0);
    if (text != nullptr) {
        std::strncpy(name.data(), text, name.size() - 1);
    }
}
