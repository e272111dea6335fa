#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "PIXPICK32_export.h"
#include "platform/PackedDib.h"

namespace piclib {

// Languages of a gallery entry's texts, in the order the file stores them.
enum class GalleryLanguage { kEnglish, kGerman, kFrench, kItalian, kSpanish };
inline constexpr int kGalleryLanguages = 5;

// The font of the titles in the browser; the face name is empty for the
// default font.
struct GalleryFont {
    std::string faceName;
    std::int16_t height = 7;
    std::int16_t width = 7;
    std::int16_t escapement = 0;
    std::int16_t orientation = 0;
    std::int16_t weight = 400;
    // Italic, underline, strike-out, character set, output precision,
    // clipping precision, quality, pitch and family: one 16-bit slot each.
    std::array<std::uint16_t, 8> flags{0, 0, 0, 0, 2, 1, 0, 4};
};

// The 1036-byte header of a gallery file.
struct PIXPICK32_EXPORT GalleryHeader {
    static constexpr std::size_t kBytes = 1036;
    static constexpr std::size_t kRestBytes = 414;
    // The first version of the current entry layout.
    static constexpr int kCurrentLayout = 200;

    std::string version = "200";
    std::string description;
    std::array<std::int16_t, 4> rectangleA{10, 100, 90, 120};
    std::uint32_t titleColour = 0;  // red in the low byte
    // Offset of the first entry; 0 means right after the header.
    std::uint32_t firstEntry = 0;
    std::array<std::int16_t, 4> rectangleB{10, 10, 90, 90};
    GalleryFont font;
    std::vector<std::uint8_t> rest = std::vector<std::uint8_t>(kRestBytes, 0);

    int versionNumber() const;
    // Where the first entry lies: the stored offset for versions above 100
    // (0 meaning right after the header), else right after the header.
    std::uint32_t firstEntryOffset() const;
};

// One entry of a gallery file: a picture, or one of the two cell pictures
// that lead the file. Fields the library does not use are kept as read.
struct PIXPICK32_EXPORT GalleryEntry {
    static constexpr std::size_t kBytes = 2531;
    static constexpr std::size_t kOldBytes = 228 + 1423;
    static constexpr std::size_t kFurtherBytes = 65;
    static constexpr std::size_t kTailBytes = 889;

    std::uint32_t offset = 0;          // where the entry lies in the file
    std::size_t storedBytes = kBytes;  // kOldBytes for the old layout
    std::uint32_t next = 0;
    std::uint32_t kept = 0;
    std::array<std::string, kGalleryLanguages> titles;
    std::array<std::string, kGalleryLanguages> descriptions;
    std::string pictureName;
    std::string pictureDirectory;
    std::vector<std::uint8_t> further = std::vector<std::uint8_t>(kFurtherBytes, 0);
    std::array<std::int16_t, 4> titleRectangle{0, 0, 0, 0};  // left, top, right, bottom
    std::int16_t keptWord = 0;
    std::int16_t thumbnailLeft = 0;  // 0 = centred
    std::int16_t thumbnailTop = 0;
    std::vector<std::uint8_t> tail = std::vector<std::uint8_t>(kTailBytes, 0);

    // Offset of the thumbnail: right after the entry as stored.
    std::uint64_t thumbnailOffset() const { return std::uint64_t{offset} + storedBytes; }
    // The title and description for a language letter; an empty title in
    // that language falls back to the English texts; E, and every letter
    // that is not G, F, I or S, gives English.
    const std::string& title(char language) const;
    const std::string& description(char language) const;
};

// A gallery file held in memory. Reading never fails loudly: a file that is
// missing, too short or lacks the magic "PZ" is not valid and has no entries;
// an entry, index or thumbnail that points outside the file is not read.
class PIXPICK32_EXPORT GalleryFile {
  public:
    // Upper bound of the picture count an index may claim.
    static constexpr std::uint32_t kMaxPictures = 65535;

    GalleryFile() = default;
    GalleryFile(GalleryFile&&) = default;
    GalleryFile& operator=(GalleryFile&&) = default;
    GalleryFile(const GalleryFile&) = delete;
    GalleryFile& operator=(const GalleryFile&) = delete;

    // Takes the bytes of a gallery file.
    static GalleryFile fromBytes(std::vector<std::uint8_t> bytes);
    // Reads bytes that the caller keeps alive and unchanged for the file's
    // lifetime, without copying them (for example a fuzzer's input).
    static GalleryFile overBytes(std::span<const std::uint8_t> bytes);
    // Reads the file (its stored name is found without regard to case).
    static GalleryFile open(const std::string& path);

    bool valid() const { return valid_; }
    const GalleryHeader& header() const { return header_; }

    // The entry at a file offset; nothing when fewer bytes than an entry of
    // the gallery's layout remain there.
    std::optional<GalleryEntry> entryAt(std::uint64_t offset) const;
    std::optional<GalleryEntry> firstEntry() const;
    std::optional<GalleryEntry> nextEntry(const GalleryEntry& entry) const;
    // The entry's thumbnail, decoded (RLE8 expanded, core headers widened);
    // a null bitmap when it does not fit its bytes.
    platform::PackedDib thumbnail(const GalleryEntry& entry) const;

    // Whether the bytes after the header hold an index of picture entries.
    bool hasIndex() const;
    // The offsets of the picture entries (those after the two cell
    // pictures): from the index when there is one, else by following the
    // next-offsets, which must grow, until an entry cannot be read.
    std::vector<std::uint32_t> pictureOffsets() const;

  private:
    bool valid_ = false;
    GalleryHeader header_;
    std::vector<std::uint8_t> owned_;
    std::span<const std::uint8_t> bytes_;
};

// Reads a header from the start of bytes; nothing without the magic or when
// fewer than 1036 bytes are given.
PIXPICK32_EXPORT std::optional<GalleryHeader> readGalleryHeader(
    std::span<const std::uint8_t> bytes);

// The picture file of an entry: the stored name as it stands, then the
// stored directory followed by the name, then the name in the gallery's own
// folder (so a gallery shipped beside its pictures is found wherever it is
// installed). lastTried receives the last path tried. False when none
// exists.
PIXPICK32_EXPORT bool findEntryPicture(const GalleryEntry& entry, const std::string& galleryPath,
                                       std::string& lastTried);

}  // namespace piclib
