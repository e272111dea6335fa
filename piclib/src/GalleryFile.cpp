#include "GalleryFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/ByteReader.h"
#include "platform/DibDecoder.h"
#include "platform/Paths.h"

namespace piclib {
namespace {

constexpr std::size_t kVersionBytes = 10;
constexpr std::size_t kDescriptionBytes = 500;
constexpr std::size_t kFaceBytes = 60;
constexpr std::size_t kTitleBytes = 30;
constexpr std::size_t kEntryTextBytes = 190;
constexpr std::size_t kNameBytes = 255;
constexpr std::size_t kDirectoryBytes = 200;
// Versions up to this one always start their entries right after the header.
constexpr int kLastFixedStart = 100;
// Gallery files hold thumbnails; a larger file is not taken as one.
constexpr std::uintmax_t kMaxFileBytes = 512u << 20;

// A zero-terminated text within a fixed field.
std::string text(platform::ByteReader& in, std::size_t field) {
    const auto bytes = in.bytes(field);
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return std::string(bytes.begin(), end);
}

template <std::size_t N>
void readShorts(platform::ByteReader& in, std::array<std::int16_t, N>& out) {
    for (std::int16_t& v : out) {
        v = in.i16();
    }
}

std::vector<std::uint8_t> copyOf(platform::ByteReader& in, std::size_t n) {
    const auto bytes = in.bytes(n);
    return {bytes.begin(), bytes.end()};
}

std::size_t languageIndex(char language) {
    switch (language) {
        case 'G':
            return static_cast<std::size_t>(GalleryLanguage::kGerman);
        case 'F':
            return static_cast<std::size_t>(GalleryLanguage::kFrench);
        case 'I':
            return static_cast<std::size_t>(GalleryLanguage::kItalian);
        case 'S':
            return static_cast<std::size_t>(GalleryLanguage::kSpanish);
        default:
            return static_cast<std::size_t>(GalleryLanguage::kEnglish);
    }
}

void readCurrentEntry(platform::ByteReader& in, GalleryEntry& e) {
    e.titles[0] = text(in, kTitleBytes);
    for (std::string& d : e.descriptions) {
        d = text(in, kEntryTextBytes);
    }
    for (std::size_t i = 1; i < e.titles.size(); ++i) {
        e.titles[i] = text(in, kTitleBytes);
    }
    e.pictureName = text(in, kNameBytes);
    e.pictureDirectory = text(in, kDirectoryBytes);
    e.further = copyOf(in, GalleryEntry::kFurtherBytes);
    readShorts(in, e.titleRectangle);
    e.keptWord = in.i16();
    e.thumbnailLeft = in.i16();
    e.thumbnailTop = in.i16();
    e.tail = copyOf(in, GalleryEntry::kTailBytes);
}

void readOldEntry(platform::ByteReader& in, GalleryEntry& e) {
    e.titles[0] = text(in, kTitleBytes);
    e.descriptions[0] = text(in, kEntryTextBytes);
    e.pictureName = text(in, kNameBytes);
    e.pictureDirectory = text(in, kDirectoryBytes);
    in.skip(GalleryEntry::kOldBytes - 228 - kNameBytes - kDirectoryBytes);
    e.storedBytes = GalleryEntry::kOldBytes;
}

bool exists(const std::string& path) {
    return !path.empty() && platform::fileExists(platform::resolvePath(path));
}

}  // namespace

int GalleryHeader::versionNumber() const {
    return std::atoi(version.c_str());
}

std::uint32_t GalleryHeader::firstEntryOffset() const {
    if (versionNumber() <= kLastFixedStart || firstEntry == 0) {
        return kBytes;
    }
    return firstEntry;
}

const std::string& GalleryEntry::title(char language) const {
    const std::string& own = titles[languageIndex(language)];
    return own.empty() ? titles[0] : own;
}

const std::string& GalleryEntry::description(char language) const {
    const std::size_t i = languageIndex(language);
    return titles[i].empty() ? descriptions[0] : descriptions[i];
}

std::optional<GalleryHeader> readGalleryHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < GalleryHeader::kBytes || bytes[0] != 'P' || bytes[1] != 'Z') {
        return std::nullopt;
    }
    platform::ByteReader in(bytes);
    in.skip(2);
    GalleryHeader h;
    h.version = text(in, kVersionBytes);
    h.description = text(in, kDescriptionBytes);
    readShorts(in, h.rectangleA);
    h.titleColour = in.u32();
    h.firstEntry = in.u32();
    readShorts(in, h.rectangleB);
    h.font.faceName = text(in, kFaceBytes);
    for (std::int16_t* v :
         {&h.font.height, &h.font.width, &h.font.escapement, &h.font.orientation, &h.font.weight}) {
        *v = in.i16();
    }
    for (std::uint16_t& v : h.font.flags) {
        v = in.u16();
    }
    h.rest = copyOf(in, GalleryHeader::kRestBytes);
    if (!in.ok()) {
        return std::nullopt;
    }
    return h;
}

GalleryFile GalleryFile::fromBytes(std::vector<std::uint8_t> bytes) {
    GalleryFile file = overBytes(bytes);
    if (file.valid_) {
        file.owned_ = std::move(bytes);  // the buffer moves, the view stays valid
        file.bytes_ = file.owned_;
    }
    return file;
}

GalleryFile GalleryFile::overBytes(std::span<const std::uint8_t> bytes) {
    GalleryFile file;
    if (auto header = readGalleryHeader(bytes)) {
        file.header_ = std::move(*header);
        file.bytes_ = bytes;
        file.valid_ = true;
    }
    return file;
}

GalleryFile GalleryFile::open(const std::string& path) {
    const std::string resolved = platform::resolvePath(path);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(resolved, ec);
    if (ec || size > kMaxFileBytes) {
        return {};
    }
    std::ifstream in(resolved, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return {};
    }
    return fromBytes(std::move(bytes));
}

std::optional<GalleryEntry> GalleryFile::entryAt(std::uint64_t offset) const {
    const bool old = header_.versionNumber() < GalleryHeader::kCurrentLayout;
    const std::size_t needed = old ? GalleryEntry::kOldBytes : GalleryEntry::kBytes;
    if (!valid_ || offset > bytes_.size() || bytes_.size() - offset < needed) {
        return std::nullopt;
    }
    platform::ByteReader in(bytes_.subspan(static_cast<std::size_t>(offset), needed));
    GalleryEntry e;
    e.offset = static_cast<std::uint32_t>(offset);
    e.next = in.u32();
    e.kept = in.u32();
    if (old) {
        readOldEntry(in, e);
    } else {
        readCurrentEntry(in, e);
    }
    return e;
}

std::optional<GalleryEntry> GalleryFile::firstEntry() const {
    return entryAt(header_.firstEntryOffset());
}

std::optional<GalleryEntry> GalleryFile::nextEntry(const GalleryEntry& entry) const {
    // Only forward: a chain that turns back would never end.
    if (entry.next <= entry.offset) {
        return std::nullopt;
    }
    return entryAt(entry.next);
}

platform::PackedDib GalleryFile::thumbnail(const GalleryEntry& entry) const {
    const std::uint64_t start = entry.thumbnailOffset();
    if (start >= bytes_.size()) {
        return {};
    }
    return platform::decodeDib(bytes_.subspan(static_cast<std::size_t>(start)));
}

bool GalleryFile::hasIndex() const {
    return valid_ && header_.firstEntryOffset() > GalleryHeader::kBytes;
}

std::vector<std::uint32_t> GalleryFile::pictureOffsets() const {
    std::vector<std::uint32_t> offsets;
    if (hasIndex()) {
        const std::size_t end = std::min<std::size_t>(header_.firstEntryOffset(), bytes_.size());
        platform::ByteReader in(bytes_.subspan(GalleryHeader::kBytes, end - GalleryHeader::kBytes));
        const std::uint32_t count = in.u32();
        // Each offset takes four bytes of the index: a larger count is cut.
        const std::uint32_t fit =
            std::min<std::uint32_t>(static_cast<std::uint32_t>(in.remaining() / 4), kMaxPictures);
        for (std::uint32_t i = 0; i < std::min(count, fit); ++i) {
            offsets.push_back(in.u32());
        }
        return offsets;
    }
    std::optional<GalleryEntry> e = firstEntry();
    for (int cell = 0; cell < 2 && e; ++cell) {
        e = nextEntry(*e);
    }
    for (; e && offsets.size() < kMaxPictures; e = nextEntry(*e)) {
        offsets.push_back(e->offset);
    }
    return offsets;
}

bool findEntryPicture(const GalleryEntry& entry, const std::string& galleryPath,
                      std::string& lastTried) {
    lastTried = entry.pictureName;
    if (exists(lastTried)) {
        return true;
    }
    std::string directory = entry.pictureDirectory;
    if (!directory.empty() && directory.back() != '/' && directory.back() != '\\') {
        directory += platform::kSeparator;
    }
    lastTried = directory + entry.pictureName;
    if (exists(lastTried)) {
        return true;
    }
    const std::size_t sep = galleryPath.find_last_of("/\\");
    const std::size_t nameStart = entry.pictureName.find_last_of("/\\");
    const std::string bareName = nameStart == std::string::npos
                                     ? entry.pictureName
                                     : entry.pictureName.substr(nameStart + 1);
    lastTried =
        (sep == std::string::npos ? std::string() : galleryPath.substr(0, sep + 1)) + bareName;
    return exists(lastTried);
}

}  // namespace piclib
