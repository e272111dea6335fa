#include "GalleryList.h"

#include <cstdio>
#include <cstring>

#include "platform/Paths.h"
#include "platform/Profile.h"

namespace piclib {
namespace {

constexpr char kGalleries[] = "Galleries";
constexpr char kDescriptions[] = "Descriptions";
constexpr std::size_t kIndexPrefix = 5;  // "0000,"
constexpr long kDescriptionOffset = 12;
constexpr std::size_t kDescriptionBytes = 500;

std::string key(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "File%04d", n);
    return buffer;
}

std::string readValue(const char* section, const std::string& k, const std::string& ini) {
    char buffer[1024] = {};
    GetPrivateProfileStringA(section, k.c_str(), "", buffer, sizeof buffer, ini.c_str());
    return buffer;
}

}  // namespace

std::string galleryFileDescription(const std::string& galleryPath) {
    std::FILE* f = std::fopen(platform::resolvePath(galleryPath).c_str(), "rb");
    if (f == nullptr) {
        return {};
    }
    char magic[2] = {};
    char text[kDescriptionBytes + 1] = {};
    const bool ok = std::fread(magic, 1, 2, f) == 2 && std::memcmp(magic, "PZ", 2) == 0 &&
                    std::fseek(f, kDescriptionOffset, SEEK_SET) == 0 &&
                    std::fread(text, 1, kDescriptionBytes, f) == kDescriptionBytes;
    std::fclose(f);
    return ok ? std::string(text) : std::string();
}

bool GalleryList::any() const {
    return !path(0).empty();
}

std::string GalleryList::path(int n) const {
    return readValue(kGalleries, key(n), ini_);
}

std::string GalleryList::description(int n) const {
    const std::string value = readValue(kDescriptions, key(n), ini_);
    return value.size() > kIndexPrefix ? value.substr(kIndexPrefix) : std::string();
}

void GalleryList::write(int n, const std::string& galleryPath,
                        const std::string& description) const {
    WritePrivateProfileStringA(kGalleries, key(n).c_str(), galleryPath.c_str(), ini_.c_str());
    const std::string value = "0000," + description;
    WritePrivateProfileStringA(kDescriptions, key(n).c_str(), value.c_str(), ini_.c_str());
}

bool GalleryList::add(const std::string& galleryPath, std::string description) {
    if (description.size() < 2) {
        description = galleryFileDescription(galleryPath);
    }
    for (int n = 0;; ++n) {
        const std::string listed = path(n);
        if (listed == galleryPath) {
            write(n, galleryPath, description);
            return false;
        }
        if (listed.empty()) {
            write(n, galleryPath, description);
            return true;
        }
        if (this->description(n) == description) {
            description += " 1";
        }
    }
}

}  // namespace piclib
