#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/PackedDib.h"

namespace bkit {

// The blocks behind PackedDib handles. A handle is the address of its block
// (header, colour table, rows); the block always has room for a colour table
// of 256 entries, so remapping to a larger palette grows it in place and the
// address stays valid. Only handles that came from here are worked on.
class DibStore {
  public:
    struct Block {
        std::unique_ptr<std::uint8_t[]> bytes;
        std::size_t size = 0;
        std::size_t capacity = 0;
        bool owned = true;  // false: a resource's bitmap, kept for the process
    };

    static DibStore& instance();

    // Copies a decoded bitmap into a new block; returns its address.
    std::uint8_t* adopt(const platform::PackedDib& dib, bool owned);
    Block* find(const void* handle);
    // Releases an owned block; a resource's bitmap stays.
    void release(const void* handle);
    // The bitmap resource at a Qt resource path, decoded once per process;
    // null when there is none or it is malformed.
    std::uint8_t* resource(const std::string& path);

  private:
    std::unordered_map<const void*, Block> blocks_;
    std::map<std::string, std::uint8_t*> resources_;
};

}  // namespace bkit
