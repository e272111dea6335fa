#include "PictureInfo.h"

#include <sys/stat.h>

#include <QApplication>
#include <cstring>
#include <filesystem>

#include "BuiltInLogo.h"
#include "InfoBlockReader.h"
#include "imagelib.h"
#include "platform/ByteReader.h"
#include "platform/Help.h"
#include "platform/Paths.h"

namespace piclib {
namespace {

constexpr long kTrailerBytes = 9;
// Information blocks hold texts and a small preview; a larger one is not
// taken as ours.
constexpr std::uint32_t kMaxBlockBytes = 64u * 1024 * 1024;
constexpr std::uint32_t kPureGreen = 0x0000FF00;
// The help macro is cut to this many characters.
constexpr std::size_t kMacroLimit = 100;

// Start of the last component of a stored path (either separator).
std::size_t nameStart(const std::string& path) {
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? 0 : sep + 1;
}

// Position of the extension's dot in the last component, or npos.
std::size_t extensionDot(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    return dot == std::string::npos || dot < nameStart(path) ? std::string::npos : dot;
}

std::string currentDirectoryName() {
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    return ec ? std::string() : cwd.filename().string();
}

char helpLetter(char language) {
    switch (language) {
        case 'G':
        case 'F':
        case 'S':
        case 'I':
            return language;
        default:
            return 'P';
    }
}

struct AvailabilityCache {
    std::string key;
    bool valid = false;
    bool result = false;
};

AvailabilityCache& pictureCache() {
    static AvailabilityCache cache;
    return cache;
}

AvailabilityCache& artistCache() {
    static AvailabilityCache cache;
    return cache;
}

bool cachedExists(AvailabilityCache& cache, const std::string& key, const std::string& path) {
    if (!cache.valid || cache.key != key) {
        cache.key = key;
        cache.result = platform::fileExists(platform::resolvePath(path));
        cache.valid = true;
    }
    return cache.result;
}

FileStatus statusOf(const std::string& resolved) {
    FileStatus status;
    std::error_code ec;
    status.fullPath = std::filesystem::absolute(resolved, ec).lexically_normal().string();
    struct stat st {};
    if (stat(resolved.c_str(), &st) == 0) {
        status.created = st.st_ctime;
        status.modified = st.st_mtime;
        status.accessed = st.st_atime;
        status.size = static_cast<std::uint64_t>(st.st_size);
        status.attributes = st.st_mode;
    }
    return status;
}

}  // namespace

PictureInfo::PictureInfo(const std::string& path) {
    setDefaults(path);
    const std::string resolved = platform::resolvePath(path);
    status_ = statusOf(resolved);
    // Read-only: the record never writes, and installed pictures may be
    // write-protected. A pipe or device is never opened: it could block the
    // window or never end.
    if (S_ISREG(status_.attributes)) {
        file_ = std::fopen(resolved.c_str(), "rb");
    }
    if (file_ != nullptr) {
        readTrailer();
    }
}

PictureInfo::~PictureInfo() {
    if (mainHandle_ != 0) {
        IMGFree(mainHandle_ - 1);
    }
    if (emblemHandle_ != 0) {
        IMGFree(emblemHandle_ - 1);
    }
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void PictureInfo::setDefaults(const std::string& path) {
    const std::size_t start = nameStart(path);
    const std::size_t dot = extensionDot(path);
    const std::string name =
        path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    ppxName_ = (dot == std::string::npos ? path : path.substr(0, dot)) + ".PPX";
    fields_ = PictureFields{};
    fields_.pictureTopic = name;
    fields_.artistTopic = name + "_ARTIST";
    fields_.helpFile = currentDirectoryName();
    fields_.shortEnglish = name;
}

void PictureInfo::readTrailer() {
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        return;
    }
    const long length = std::ftell(file_);
    std::uint8_t trailer[kTrailerBytes];
    if (length < kTrailerBytes || std::fseek(file_, length - kTrailerBytes, SEEK_SET) != 0 ||
        std::fread(trailer, 1, kTrailerBytes, file_) != kTrailerBytes) {
        return;
    }
    tag_.assign(reinterpret_cast<const char*>(trailer + 4), 4);
    infoOffset_ = platform::ByteReader(trailer, 4).u32();
    const std::uint32_t blockEnd = static_cast<std::uint32_t>(length - kTrailerBytes);
    std::vector<std::uint8_t> block;
    bool usable =
        hasInformation() && infoOffset_ <= blockEnd && blockEnd - infoOffset_ <= kMaxBlockBytes;
    if (usable) {
        block.resize(blockEnd - infoOffset_);
        usable = std::fseek(file_, static_cast<long>(infoOffset_), SEEK_SET) == 0 &&
                 std::fread(block.data(), 1, block.size(), file_) == block.size() &&
                 InfoBlockReader(*this, block).read();
    }
    if (!usable) {
        // Not ours, or a trailer that points outside the file: one picture.
        tag_ = hasInformation() ? std::string() : tag_;
        infoOffset_ = 0;
        pictureOffset_ = 0;
    }
}

// The emblem ends where the main picture starts, the main picture where the
// information block starts; -1 for a picture that runs to the end of the file.
long PictureInfo::partLength(std::uint32_t offset) const {
    if (offset < pictureOffset_) {
        return static_cast<long>(pictureOffset_ - offset);
    }
    if (hasInformation() && offset < infoOffset_) {
        return static_cast<long>(infoOffset_ - offset);
    }
    return -1;
}

bool PictureInfo::pingMainPicture(int* width, int* height) const {
    return file_ != nullptr &&
           IMGPingFilePart(file_, static_cast<long>(pictureOffset_), partLength(pictureOffset_),
                           width, height, nullptr) != 0;
}

int PictureInfo::readPicture(std::uint32_t offset) const {
    if (file_ == nullptr) {
        return 0;
    }
    const int slot = IMGReadFromFilePart(file_, static_cast<long>(offset), partLength(offset));
    if (slot < 0) {
        return 0;
    }
    IMGSetDisplayOption(slot, fields_.displayOption);
    return slot + 1;
}

int PictureInfo::loadMainPicture() {
    if (mainHandle_ == 0) {
        mainHandle_ = readPicture(pictureOffset_);
        if (mainHandle_ != 0) {
            IMGGetDib(mainHandle_ - 1, &pictureWidth_, &pictureHeight_, &pictureBits_);
        }
    }
    return mainHandle_;
}

int PictureInfo::loadMainPictureCopy() {
    return readPicture(pictureOffset_);
}

int PictureInfo::builtInLogo() {
    const platform::PackedDib logo = builtInLogoBitmap();
    const int slot = IMGCreateFromDib(logo.data(), static_cast<std::uint32_t>(logo.size()));
    if (slot < 0) {
        return 0;
    }
    fields_.logoColour = kPureGreen;
    IMGSetDisplayOption(slot, fields_.displayOption);
    return slot + 1;
}

int PictureInfo::loadEmblem() {
    if (emblemHandle_ == 0) {
        emblemHandle_ = loadEmblemCopy();
    }
    return emblemHandle_;
}

int PictureInfo::loadEmblemCopy() {
    return pictureOffset_ != 0 ? readPicture(0) : builtInLogo();
}

const std::string& PictureInfo::shortDescription(char language) const {
    switch (language) {
        case 'G':
            return fields_.shortGerman;
        case 'F':
            return fields_.shortFrench;
        case 'S':
            return fields_.shortSpanish;
        case 'I':
            return fields_.shortItalian;
        default:
            return fields_.shortEnglish;
    }
}

const std::string& PictureInfo::longDescription(char language) const {
    switch (language) {
        case 'G':
            return fields_.longGerman;
        case 'F':
            return fields_.longFrench;
        case 'S':
            return fields_.longSpanish;
        case 'I':
            return fields_.longItalian;
        default:
            return fields_.longEnglish;
    }
}

std::string PictureInfo::helpFileName(char language) const {
    if (fields_.helpFile.empty() || extensionDot(fields_.helpFile) != std::string::npos) {
        return fields_.helpFile;
    }
    return fields_.helpFile + ".HL" + helpLetter(language);
}

std::string PictureInfo::helpFilePath(char language) const {
    const std::string& full = status_.fullPath;
    return full.substr(0, nameStart(full)) + helpFileName(language);
}

bool PictureInfo::pictureHelpAvailable(char language) const {
    if (fields_.helpFile.empty()) {
        return false;
    }
    const std::string path = helpFilePath(language);
    return cachedExists(pictureCache(), path, path);
}

bool PictureInfo::artistHelpAvailable(char language) const {
    if (fields_.helpFile.empty()) {
        return false;
    }
    const std::string path = helpFilePath(language);
    return cachedExists(artistCache(), path + '\n' + fields_.artistTopic, path);
}

void PictureInfo::clearHelpCaches() {
    pictureCache() = {};
    artistCache() = {};
}

void PictureInfo::showHelp(QWidget* owner, char language, const std::string& topic) const {
    const std::string path = platform::resolvePath(helpFilePath(language));
    WinHelpA(owner, path.c_str(), HELP_CONTENTS, 0);
    std::string macro = "JumpID(\"" + helpFileName(language) + "\",\"" + topic + "\")";
    macro.resize(std::min(macro.size(), kMacroLimit));
    WinHelpA(owner, path.c_str(), HELP_COMMAND, reinterpret_cast<std::uintptr_t>(macro.c_str()));
}

void PictureInfo::showPictureHelp(QWidget* owner, char language) const {
    showHelp(owner != nullptr ? owner : QApplication::focusWidget(), language,
             fields_.pictureTopic);
}

void PictureInfo::showArtistHelp(QWidget* owner, char language) const {
    showHelp(owner != nullptr ? owner : QApplication::focusWidget(), language, fields_.artistTopic);
}

}  // namespace piclib
