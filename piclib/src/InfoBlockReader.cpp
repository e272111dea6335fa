#include "InfoBlockReader.h"

#include "PictureInfo.h"

namespace piclib {

InfoBlockReader::InfoBlockReader(PictureInfo& info, const std::vector<std::uint8_t>& block)
    : info_(info), cursor_(block.data(), block.size()), blockStart_(info.infoOffset_) {}

bool InfoBlockReader::read() {
    std::uint32_t pictureOffset = 0;
    if (!cursor_.read32(pictureOffset) || pictureOffset >= blockStart_) {
        return false;
    }
    info_.pictureOffset_ = pictureOffset;
    const bool fixedRead = readFixedElements();
    readLaterElements(fixedRead);
    return true;
}

bool InfoBlockReader::readFixedElements() {
    PictureFields& f = info_.fields_;
    if (!cursor_.readText(f.textA) || !cursor_.readText(f.pictureTopic) ||
        !cursor_.readText(f.artistTopic) || !cursor_.readText(f.helpFile) ||
        !cursor_.read16(f.logoHorizontal) || !cursor_.read16(f.logoVertical) ||
        !cursor_.read16(f.logoEnabled) || !cursor_.read32(f.logoColour) ||
        !cursor_.read16(f.logoHorizontalMargin)) {
        return false;
    }
    f.logoVerticalMargin = f.logoHorizontalMargin;
    return cursor_.readText(f.longEnglish);
}

void InfoBlockReader::readLaterElements(bool allowed) {
    PictureFields& f = info_.fields_;
    const bool fixedRead = allowed && more() && cursor_.readText(f.shortEnglish) && more() &&
                           cursor_.readU16(f.displayOption) && more() &&
                           cursor_.readText(f.textB) && more() &&
                           cursor_.read16(f.logoVerticalMargin);
    const bool others = fixedRead && more() && cursor_.readText(f.shortFrench) &&
                        cursor_.readText(f.shortSpanish) && cursor_.readText(f.shortGerman) &&
                        cursor_.readText(f.longFrench) && cursor_.readText(f.longGerman) &&
                        cursor_.readText(f.longSpanish);
    if (!others) {
        f.shortFrench = f.shortSpanish = f.shortGerman = f.shortEnglish;
        f.longFrench = f.longGerman = f.longSpanish = f.longEnglish;
    }
    const bool italian =
        others && more() && cursor_.readText(f.shortItalian) && cursor_.readText(f.longItalian);
    if (!italian) {
        f.shortItalian = f.shortEnglish;
        f.longItalian = f.longEnglish;
        return;
    }
    if (more()) {
        readPreview();
    }
}

void InfoBlockReader::readPreview() {
    std::uint32_t previewEnd = 0;
    if (!cursor_.read32(previewEnd) || previewEnd < 1) {
        return;
    }
    constexpr std::size_t kHeaderBytes = platform::BitmapInfoHeader::kBytes;
    if (cursor_.remaining() < kHeaderBytes) {
        return;
    }
    const platform::BitmapInfoHeader header = platform::BitmapInfoHeader::read(cursor_.here());
    if (header.compression != 0) {
        return;
    }
    // The bitmap may not reach past its stated end nor past the trailer.
    const std::uint64_t start = blockStart_ + static_cast<std::uint64_t>(cursor_.position());
    const std::uint64_t limit = std::min<std::uint64_t>(
        previewEnd,
        blockStart_ + static_cast<std::uint64_t>(cursor_.position() + cursor_.remaining()));
    if (limit <= start) {
        return;
    }
    const std::uint8_t* begin = cursor_.here();
    auto dib = platform::PackedDib::fromBlock({begin, begin + (limit - start)});
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
