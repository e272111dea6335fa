#include "bkit/WaveCollectionFile.h"

#include <algorithm>
#include <cctype>

#include "WaveRecord.h"

namespace bkit {

void writeDirectoryEntry(platform::ByteWriter& out, const std::string& name, std::uint32_t offset,
                         std::int32_t size) {
    std::uint8_t field[kDirectoryNameBytes] = {};
    const std::size_t n = std::min(name.size(), kDirectoryNameBytes - 1);
    for (std::size_t i = 0; i < n; ++i) {
        field[i] = static_cast<std::uint8_t>(std::toupper(static_cast<unsigned char>(name[i])));
    }
    out.bytes(field);
    out.u32(offset);
    out.i32(size);
}

std::vector<std::uint8_t> buildWaveCollection(const std::vector<CollectedWave>& waves,
                                              std::uint32_t bytesPerSecond, std::string* error) {
    const auto refuse = [&](const std::string& why) {
        if (error != nullptr) {
            *error = why;
        }
        return std::vector<std::uint8_t>{};
    };
    const std::uint32_t b = std::max(bytesPerSecond & ~3u, 4u);
    platform::ByteWriter directory;
    platform::ByteWriter body;
    directory.i32(static_cast<std::int32_t>(waves.size()));
    const std::size_t bodyStart = 4 + kDirectoryEntryBytes * waves.size();
    for (const CollectedWave& w : waves) {
        if (w.name.empty() || w.name.size() >= kDirectoryNameBytes) {
            return refuse("name must have 1 to 19 characters: " + w.name);
        }
        if (w.data.size() < 2 || w.data.size() > 0x7FFFFFFFu) {
            return refuse("no sample data: " + w.name);
        }
        const auto length = static_cast<std::uint32_t>(w.data.size());
        writeDirectoryEntry(directory, w.name, static_cast<std::uint32_t>(bodyStart + body.size()),
                            static_cast<std::int32_t>(length));
        WaveRecord r;
        r.bufferLength = length;
        r.totalLength = length;
        r.lengthCopy = length;
        r.duration = length / b * 1000;
        r.seconds = length / b;
        r.setName(w.name.c_str());
        writeWaveRecord(body, r);
        body.bytes(w.data);
    }
    std::vector<std::uint8_t> file = directory.take();
    file.insert(file.end(), body.bytes().begin(), body.bytes().end());
    return file;
}

}  // namespace bkit
