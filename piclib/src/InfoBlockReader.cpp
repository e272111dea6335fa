#include "InfoBlockReader.h"

#include "PictureInfo.h"
#include "platform/DibDecoder.h"

namespace piclib {

InfoBlockReader::InfoBlockReader(PictureInfo& info, const std::vector<std::uint8_t>& block)
    : info_(info), cursor_(block.data(), block.size()), blockStart_(info.infoOffset_) {}

bool InfoBlockReader::read() {
    std::uint32_t pictureOffset = 0;
    if (!read32(pictureOffset) || pictureOffset >= blockStart_) {
        return false;
    }
    info_.pictureOffset_ = pictureOffset;
    const bool fixedRead = readFixedElements();
    readLaterElements(fixedRead);
    return true;
}

bool InfoBlockReader::readFixedElements() {
    PictureFields& f = info_.fields_;
    if (!readText(f.textA) || !readText(f.pictureTopic) || !readText(f.artistTopic) ||
        !readText(f.helpFile) || !read16(f.logoHorizontal) || !read16(f.logoVertical) ||
        !read16(f.logoEnabled) || !read32(f.logoColour) || !read16(f.logoHorizontalMargin)) {
        return false;
    }
    f.logoVerticalMargin = f.logoHorizontalMargin;
    return readText(f.longEnglish);
}

void InfoBlockReader::readLaterElements(bool allowed) {
    PictureFields& f = info_.fields_;
    const bool fixedRead = allowed && more() && readText(f.shortEnglish) && more() &&
                           readU16(f.displayOption) && more() && readText(f.textB) && more() &&
                           read16(f.logoVerticalMargin);
    const bool others = fixedRead && more() && readText(f.shortFrench) &&
                        readText(f.shortSpanish) && readText(f.shortGerman) &&
                        readText(f.longFrench) && readText(f.longGerman) && readText(f.longSpanish);
    if (!others) {
        f.shortFrench = f.shortSpanish = f.shortGerman = f.shortEnglish;
        f.longFrench = f.longGerman = f.longSpanish = f.longEnglish;
    }
    const bool italian = others && more() && readText(f.shortItalian) && readText(f.longItalian);
    if (!italian) {
        f.shortItalian = f.shortEnglish;
        f.longItalian = f.longEnglish;
        return;
    }
    if (more()) {
        readPreview();
    }
}

bool InfoBlockReader::readText(std::string& text) {
    const std::int16_t length = cursor_.i16();
    const auto bytes = cursor_.bytes(length < 1 ? 0 : static_cast<std::size_t>(length));
    if (!cursor_.ok()) {
        return false;  // the field keeps its default
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool InfoBlockReader::read16(std::int16_t& value) {
    value = cursor_.i16();
    return cursor_.ok();
}

bool InfoBlockReader::readU16(std::uint16_t& value) {
    value = cursor_.u16();
    return cursor_.ok();
}

bool InfoBlockReader::read32(std::uint32_t& value) {
    value = cursor_.u32();
    return cursor_.ok();
}

void InfoBlockReader::readPreview() {
    std::uint32_t previewEnd = 0;
    if (!read32(previewEnd) || previewEnd < 1) {
        return;
    }
    // The bitmap may not reach past its stated end nor past the trailer.
    const std::uint64_t start = blockStart_ + static_cast<std::uint64_t>(cursor_.position());
    const std::uint64_t limit = std::min<std::uint64_t>(
        previewEnd, blockStart_ + static_cast<std::uint64_t>(cursor_.size()));
    if (limit <= start) {
        return;
    }
    auto dib = platform::decodeDib(cursor_.bytes(static_cast<std::size_t>(limit - start)));
    if (dib.isNull()) {
        return;
    }
    for (std::uint32_t i = 0; i < dib.colourCount(); ++i) {
        const platform::RgbQuad q = dib.colour(i);
        info_.previewPalette_.push_back((static_cast<std::uint32_t>(q.red) << 16) |
                                        (static_cast<std::uint32_t>(q.green) << 8) | q.blue);
    }
    info_.preview_ = std::move(dib);
}

}  // namespace piclib
