#include "PictureFileWriter.h"

#include <cstdio>
#include <filesystem>

#include "ByteCursor.h"

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

bool wanted(InfoElement last, InfoElement element) {
    return static_cast<int>(element) <= static_cast<int>(last);
}

}  // namespace

std::vector<std::uint8_t> PictureFileWriter::bytes() const {
    std::vector<std::uint8_t> out;
    if (emblem.empty() || picture.empty() || !textsFit(fields)) {
        return out;
    }
    ByteSink sink(out);
    sink.putBytes(emblem);
    const auto pictureOffset = static_cast<std::uint32_t>(out.size());
    sink.putBytes(picture);
    const auto infoOffset = static_cast<std::uint32_t>(out.size());
    const PictureFields& f = fields;
    sink.put32(pictureOffset);
    sink.putText(f.textA);
    sink.putText(f.pictureTopic);
    sink.putText(f.artistTopic);
    sink.putText(f.helpFile);
    sink.put16(static_cast<std::uint16_t>(f.logoHorizontal));
    sink.put16(static_cast<std::uint16_t>(f.logoVertical));
    sink.put16(static_cast<std::uint16_t>(f.logoEnabled));
    sink.put32(f.logoColour);
    sink.put16(static_cast<std::uint16_t>(f.logoHorizontalMargin));
    sink.putText(f.longEnglish);
    if (wanted(lastElement, InfoElement::kShortEnglish)) {
        sink.putText(f.shortEnglish);
    }
    if (wanted(lastElement, InfoElement::kDisplayOption)) {
        sink.put16(f.displayOption);
    }
    if (wanted(lastElement, InfoElement::kTextB)) {
        sink.putText(f.textB);
    }
    if (wanted(lastElement, InfoElement::kVerticalMargin)) {
        sink.put16(static_cast<std::uint16_t>(f.logoVerticalMargin));
    }
    if (wanted(lastElement, InfoElement::kOtherLanguages)) {
        for (const std::string* t : {&f.shortFrench, &f.shortSpanish, &f.shortGerman, &f.longFrench,
                                     &f.longGerman, &f.longSpanish}) {
            sink.putText(*t);
        }
    }
    if (wanted(lastElement, InfoElement::kItalian)) {
        sink.putText(f.shortItalian);
        sink.putText(f.longItalian);
    }
    if (wanted(lastElement, InfoElement::kPreview)) {
        const std::size_t previewStart = out.size() + 4;
        sink.put32(preview.empty() ? 0 : static_cast<std::uint32_t>(previewStart + preview.size()));
        sink.putBytes(preview);
    }
    sink.put32(infoOffset);
    sink.putBytes({'P', 'Z', 'Q', 'V', 0});
    return out;
}

bool PictureFileWriter::write(const std::string& path) const {
    const std::vector<std::uint8_t> data = bytes();
    if (data.empty()) {
        return false;
    }
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    std::filesystem::rename(temporary, path, ec);
    return !ec;
}

}  // namespace piclib
