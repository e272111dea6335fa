#include "GalleryWriter.h"

#include <algorithm>

#include "AtomicFile.h"
#include "platform/ByteWriter.h"
#include "platform/PackedDib.h"

namespace piclib {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;

// A text in a fixed field: cut so that its terminating zero fits, then
// zero-filled.
void putText(platform::ByteWriter& out, const std::string& text, std::size_t field) {
    const std::size_t n = std::min(text.size(), field - 1);
    out.bytes({reinterpret_cast<const std::uint8_t*>(text.data()), n});
    for (std::size_t i = n; i < field; ++i) {
        out.u8(0);
    }
}

// Exactly n bytes of block, zero-filled when it is shorter.
void putBlock(platform::ByteWriter& out, const std::vector<std::uint8_t>& block, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        out.u8(i < block.size() ? block[i] : 0);
    }
}

template <std::size_t N>
void putShorts(platform::ByteWriter& out, const std::array<std::int16_t, N>& values) {
    for (const std::int16_t v : values) {
        out.i16(v);
    }
}

void putHeader(platform::ByteWriter& out, const GalleryHeader& h, std::uint32_t firstEntry) {
    out.u8('P');
    out.u8('Z');
    putText(out, h.version, 10);
    putText(out, h.description, 500);
    putShorts(out, h.rectangleA);
    out.u32(h.titleColour);
    out.u32(firstEntry);
    putShorts(out, h.rectangleB);
    putText(out, h.font.faceName, 60);
    for (const std::int16_t v :
         {h.font.height, h.font.width, h.font.escapement, h.font.orientation, h.font.weight}) {
        out.i16(v);
    }
    for (const std::uint16_t v : h.font.flags) {
        out.u16(v);
    }
    putBlock(out, h.rest, GalleryHeader::kRestBytes);
}

void putEntry(platform::ByteWriter& out, const GalleryEntry& e, std::uint32_t next) {
    out.u32(next);
    out.u32(e.kept);
    putText(out, e.titles[0], 30);
    for (const std::string& d : e.descriptions) {
        putText(out, d, 190);
    }
    for (std::size_t i = 1; i < e.titles.size(); ++i) {
        putText(out, e.titles[i], 30);
    }
    putText(out, e.pictureName, 255);
    putText(out, e.pictureDirectory, 200);
    putBlock(out, e.further, GalleryEntry::kFurtherBytes);
    putShorts(out, e.titleRectangle);
    out.i16(e.keptWord);
    out.i16(e.thumbnailLeft);
    out.i16(e.thumbnailTop);
    putBlock(out, e.tail, GalleryEntry::kTailBytes);
}

}  // namespace

std::vector<std::uint8_t> bitmapFileImage(const std::vector<std::uint8_t>& dib) {
    platform::ByteWriter out;
    const platform::PackedDib parsed = platform::PackedDib::fromBlock(dib);
    if (parsed.isNull()) {
        return {};
    }
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<std::uint32_t>(kFileHeaderBytes + dib.size()));
    out.u16(0);
    out.u16(0);
    out.u32(static_cast<std::uint32_t>(kFileHeaderBytes + parsed.pixelOffset()));
    out.bytes(dib);
    return out.take();
}

std::vector<std::uint8_t> GalleryWriter::bytes() const {
    std::vector<const Item*> items{&selectedCell, &normalCell};
    for (const Item& p : pictures) {
        items.push_back(&p);
    }
    std::vector<std::vector<std::uint8_t>> images;
    for (const Item* item : items) {
        images.push_back(bitmapFileImage(item->thumbnail));
    }
    const std::size_t indexBytes = withIndex ? 4 + 4 * pictures.size() : 0;
    std::vector<std::uint32_t> offsets;
    std::size_t at = GalleryHeader::kBytes + indexBytes;
    for (const auto& image : images) {
        offsets.push_back(static_cast<std::uint32_t>(at));
        at += GalleryEntry::kBytes + image.size();
    }
    platform::ByteWriter out;
    putHeader(out, header, withIndex ? offsets.front() : 0);
    if (withIndex) {
        out.u32(static_cast<std::uint32_t>(pictures.size()));
        for (std::size_t i = 2; i < offsets.size(); ++i) {
            out.u32(offsets[i]);
        }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        // The last entry's next offset is 0: the chain ends there.
        putEntry(out, items[i]->entry, i + 1 < offsets.size() ? offsets[i + 1] : 0);
        out.bytes(images[i]);
    }
    return out.take();
}

bool GalleryWriter::write(const std::string& path) const {
    return writeFileAtomically(path, bytes());
}

}  // namespace piclib
