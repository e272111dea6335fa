#include "cutting/ByteWriter.h"

namespace cutting {

void ByteWriter::i16(std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    bytes_.push_back(static_cast<std::uint8_t>(u & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(u >> 8));
}

void ByteWriter::i32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes_.push_back(static_cast<std::uint8_t>((u >> shift) & 0xFF));
    }
}

}  // namespace cutting
