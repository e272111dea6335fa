#include "Configuration.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "BKIT32.h"
#include "LibraryState.h"
#include "platform/Profile.h"

namespace piclib {
namespace {

constexpr int kPathBytes = 260;

std::string& galleryPath() {
    static std::string path;
    return path;
}

}  // namespace

std::string configDirectory() {
    char buffer[kPathBytes] = {};
    QueryIniPathName(buffer, kPathBytes, reinterpret_cast<HINSTANCE>(&configDirectory));
    NeedBackSlash(buffer);
    return buffer;
}

std::string configFile() {
    return configDirectory() + "QUIET.INI";
}

const std::string& galleryFile() {
    if (galleryPath().empty()) {
        galleryPath() = configDirectory() + "Gallery.ini";
    }
    return galleryPath();
}

char languageLetter() {
    LibraryState& s = state();
    if (s.language == 0) {
        char value[64] = {};
        GetPrivateProfileStringA("Registration", "Language", "English", value, sizeof value,
                                 configFile().c_str());
        s.language = static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])));
        if (s.language == 0) {
            s.language = 'E';
        }
    }
    return s.language;
}

void resetConfiguration() {
    state().language = 0;
    state().missingGalleriesShown = false;
    galleryPath().clear();
}

int screenDepth() {
    const char* env = std::getenv("TESSELLA_256_COLOURS");
    if (env != nullptr && std::strcmp(env, "1") == 0) {
        return 8;
    }
    char value[8] = {};
    GetPrivateProfileStringA("Options", "Emulate256Colours", "Off", value, sizeof value,
                             configFile().c_str());
    return strcasecmp(value, "On") == 0 ? 8 : 24;
}

ConfigDirectoryScope::ConfigDirectoryScope() {
    std::error_code ec;
    saved_ = std::filesystem::current_path(ec).string();
    std::string dir = configDirectory();
    if (dir.size() > 1) {
        dir.pop_back();  // the trailing separator
    }
    ChangeDir(dir.c_str());
}

ConfigDirectoryScope::~ConfigDirectoryScope() {
    if (!saved_.empty()) {
        ChangeDir(saved_.c_str());
    }
}

}  // namespace piclib
