#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "WaveRecord.h"

namespace bkit {

// The open wave collection: its directory (names upper-cased), the
// collection file and, when given, the quick loader that indexes it.
class WaveCollection {
  public:
    static WaveCollection& instance();

    void forgetDirectory() { entries_.clear(); }
    // Opens both files and reads the directory from the quick loader if one
    // is given, else from the collection. A directory whose count or entries
    // do not fit the file, or a name without its terminator, is refused.
    bool open(const char* collection, const char* quickLoader);
    void close();
    std::int32_t sizeOf(const char* name) const;
    // A new loaded wave: whole when it fits one output buffer, else streamed
    // from the collection while it plays. Null when unknown or malformed.
    WaveRecord* load(const char* name);
    bool saveQuickLoader(const char* file);

  private:
    struct Entry {
        std::string name;
        std::uint32_t offset = 0;
        std::int32_t size = 0;
    };
    struct Stored {
        WaveRecord record;
        std::uint32_t length = 0;      // sample bytes, even
        std::uint32_t dataOffset = 0;  // in the collection file
    };

    const Entry* find(const char* name) const;
    bool readDirectory(std::FILE* file, long size);
    bool readStored(const Entry& entry, Stored& out) const;
    bool readData(std::uint32_t offset, std::uint8_t* into, std::uint32_t bytes) const;

    std::vector<Entry> entries_;
    StreamFile collection_;
    StreamFile quick_;
    long collectionSize_ = 0;
    long quickSize_ = 0;
    std::uint64_t allocated_ = 0;  // bytes of samples loaded, for the debug text
};

}  // namespace bkit
