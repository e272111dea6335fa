#include "GalleryList.h"

#include <cstdio>
#include <cstdlib>

#include "GalleryFile.h"
#include "platform/Profile.h"

namespace piclib {
namespace {

constexpr char kGalleries[] = "Galleries";
constexpr char kDescriptions[] = "Descriptions";
constexpr char kLastUsed[] = "Last Used";
constexpr char kLastOpened[] = "Last Gallery opened";
constexpr std::size_t kIndexPrefix = 5;  // "0000,"

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
    return GalleryFile::open(galleryPath).header().description;
}

bool GalleryList::any() const {
    return !path(0).empty();
}

int GalleryList::count() const {
    int n = 0;
    while (!path(n).empty()) {
        ++n;
    }
    return n;
}

std::string GalleryList::path(int n) const {
    return readValue(kGalleries, key(n), ini_);
}

std::string GalleryList::description(int n) const {
    const std::string value = readValue(kDescriptions, key(n), ini_);
    return value.size() > kIndexPrefix ? value.substr(kIndexPrefix) : std::string();
}

int GalleryList::lastPicture(int n) const {
    return std::atoi(readValue(kDescriptions, key(n), ini_).c_str());
}

void GalleryList::write(int n, const std::string& galleryPath, int lastPictureIndex,
                        const std::string& description) const {
    WritePrivateProfileStringA(kGalleries, key(n).c_str(), galleryPath.c_str(), ini_.c_str());
    char index[16];
    std::snprintf(index, sizeof index, "%04d,", lastPictureIndex);
    const std::string value = index + description;
    WritePrivateProfileStringA(kDescriptions, key(n).c_str(), value.c_str(), ini_.c_str());
}

void GalleryList::set(int n, const std::string& galleryPath, int lastPictureIndex) const {
    write(n, galleryPath, lastPictureIndex, description(n));
}

std::optional<int> GalleryList::find(const std::string& wanted) const {
    for (int n = 0; !path(n).empty(); ++n) {
        if (description(n) == wanted) {
            return n;
        }
    }
    return std::nullopt;
}

void GalleryList::remove(int r) const {
    int to = 0;
    for (int from = 0;; ++from) {
        const std::string p = path(from);
        if (p.empty()) {
            break;
        }
        if (from == r) {
            continue;
        }
        if (from != to) {
            const std::string d = readValue(kDescriptions, key(from), ini_);
            WritePrivateProfileStringA(kGalleries, key(to).c_str(), p.c_str(), ini_.c_str());
            WritePrivateProfileStringA(kDescriptions, key(to).c_str(), d.c_str(), ini_.c_str());
        }
        ++to;
    }
    WritePrivateProfileStringA(kGalleries, key(to).c_str(), nullptr, ini_.c_str());
    WritePrivateProfileStringA(kDescriptions, key(to).c_str(), nullptr, ini_.c_str());
    setLastOpened(0);
}

bool GalleryList::add(const std::string& galleryPath, std::string description) const {
    if (description.size() < 2) {
        description = galleryFileDescription(galleryPath);
    }
    for (int n = 0;; ++n) {
        const std::string listed = path(n);
        if (listed == galleryPath) {
            write(n, galleryPath, 0, description);
            return false;
        }
        if (listed.empty()) {
            write(n, galleryPath, 0, description);
            return true;
        }
        if (this->description(n) == description) {
            description += " 1";
        }
    }
}

int GalleryList::lastOpened() const {
    return GetPrivateProfileIntA(kLastUsed, kLastOpened, 0, ini_.c_str());
}

void GalleryList::setLastOpened(int n) const {
    WritePrivateProfileStringA(kLastUsed, kLastOpened, std::to_string(n).c_str(), ini_.c_str());
}

}  // namespace piclib
