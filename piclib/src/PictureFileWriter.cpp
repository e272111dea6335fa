#include "PictureFileWriter.h"

#include "AtomicFile.h"
#include "platform/ByteWriter.h"

namespace piclib {
namespace {

constexpr std::size_t kMaxText = 32767;

bool textsFit(const PictureFields& f) {
    for (const std::string* t :
         {&f.textA, &f.pictureTopic, &f.artistTopic, &f.helpFile, &f.longEnglish, &f.shortEnglish,
          &f.textB, &f.shortFrench, &f.shortSpanish, &f.shortGerman, &f.shortItalian, &f.longFrench,
          &f.longGerman, &f.longSpanish, &f.longItalian}) {
        if (t->size() > kMaxText) {
            return false;
        }
    }
    return true;
}

void putText(platform::ByteWriter& sink, const std::string& text) {
    sink.u16(static_cast<std::uint16_t>(text.size()));
    sink.bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

bool wanted(InfoElement last, InfoElement element) {
    return static_cast<int>(element) <= static_cast<int>(last);
}

}  // namespace

std::vector<std::uint8_t> PictureFileWriter::bytes() const {
    if (emblem.empty() || picture.empty() || !textsFit(fields)) {
        return {};
    }
    platform::ByteWriter sink;
    sink.bytes(emblem);
    const auto pictureOffset = static_cast<std::uint32_t>(sink.size());
    sink.bytes(picture);
    const auto infoOffset = static_cast<std::uint32_t>(sink.size());
    const PictureFields& f = fields;
    sink.u32(pictureOffset);
    putText(sink, f.textA);
    putText(sink, f.pictureTopic);
    putText(sink, f.artistTopic);
    putText(sink, f.helpFile);
    sink.u16(static_cast<std::uint16_t>(f.logoHorizontal));
    sink.u16(static_cast<std::uint16_t>(f.logoVertical));
    sink.u16(static_cast<std::uint16_t>(f.logoEnabled));
    sink.u32(f.logoColour);
    sink.u16(static_cast<std::uint16_t>(f.logoHorizontalMargin));
    putText(sink, f.longEnglish);
    if (wanted(lastElement, InfoElement::kShortEnglish)) {
        putText(sink, f.shortEnglish);
    }
    if (wanted(lastElement, InfoElement::kDisplayOption)) {
        sink.u16(f.displayOption);
    }
    if (wanted(lastElement, InfoElement::kTextB)) {
        putText(sink, f.textB);
    }
    if (wanted(lastElement, InfoElement::kVerticalMargin)) {
        sink.u16(static_cast<std::uint16_t>(f.logoVerticalMargin));
    }
    if (wanted(lastElement, InfoElement::kOtherLanguages)) {
        for (const std::string* t : {&f.shortFrench, &f.shortSpanish, &f.shortGerman, &f.longFrench,
                                     &f.longGerman, &f.longSpanish}) {
            putText(sink, *t);
        }
    }
    if (wanted(lastElement, InfoElement::kItalian)) {
        putText(sink, f.shortItalian);
        putText(sink, f.longItalian);
    }
    if (wanted(lastElement, InfoElement::kPreview)) {
        const std::size_t previewStart = sink.size() + 4;
        sink.u32(preview.empty() ? 0 : static_cast<std::uint32_t>(previewStart + preview.size()));
        sink.bytes(preview);
    }
    sink.u32(infoOffset);
    for (const std::uint8_t c : {'P', 'Z', 'Q', 'V', '\0'}) {
        sink.u8(c);
    }
    return sink.take();
}

bool PictureFileWriter::write(const std::string& path) const {
    const std::vector<std::uint8_t> data = bytes();
    return !data.empty() && writeFileAtomically(path, data);
}

}  // namespace piclib
