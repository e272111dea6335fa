#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ByteReader.h"

namespace piclib {

class PictureInfo;

// Reads the information block of a picture file into its record, element by
// element. The first eleven elements are read while their bytes last; the
// later ones only while the read position is still before the trailer. An
// element cut short ends the reading and keeps its default and those of all
// later elements.
class InfoBlockReader {
  public:
    // block holds the bytes from the info offset up to the trailer.
    InfoBlockReader(PictureInfo& info, const std::vector<std::uint8_t>& block);

    // False when the block is unusable (its picture offset lies at or past
    // the block); the record is then left untouched.
    bool read();

  private:
    bool readFixedElements();
    // Elements 12 on (only when allowed, that is when the first eleven were
    // all there); the other languages become copies of English when they are
    // absent.
    void readLaterElements(bool allowed);
    bool more() const { return cursor_.remaining() > 0; }
    // A text: signed 16-bit length n, then n bytes; n below 1 is the empty
    // text. False when the block ends first.
    bool readText(std::string& text);
    bool read16(std::int16_t& value);
    bool readU16(std::uint16_t& value);
    bool read32(std::uint32_t& value);
    void readPreview();

    PictureInfo& info_;
    platform::ByteReader cursor_;
    std::uint32_t blockStart_;
};

}  // namespace piclib
