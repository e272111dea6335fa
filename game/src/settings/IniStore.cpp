#include "settings/IniStore.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "BKIT32.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "settings/PackedValues.h"

namespace {

// Size of the buffer the configuration location is looked up in.
constexpr int kLocationBufferSize = 255;
// Switch values are read into a buffer of this size (19 characters).
constexpr int kSwitchBufferSize = 20;
// Values read through the std::string overloads are cut at this length.
constexpr int kValueBufferSize = 1024;

// Any object of this program marks its module for QueryIniPathName.
const char kModuleAnchor = 0;

std::string& iniPathStore() {
    static std::string path;
    return path;
}

const char* sectionOr(const char* section) {
    return section ? section : kDefaultSection;
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string buildIniPath() {
    std::string dir = ProgramDirectory();
    if (dir.size() > 1 && isSeparator(dir.back())) {
        dir.pop_back();
    }
    char location[kLocationBufferSize + 1] = {};
    std::strncpy(location, dir.c_str(), kLocationBufferSize - 1);
    QueryIniPathName(location, kLocationBufferSize, &kModuleAnchor);
    location[kLocationBufferSize - 1] = '\0';
    std::string result = platform::nativePath(location);
    if (!result.empty() && !isSeparator(result.back())) {
        result += platform::kSeparator;
    }
    return result + "Quiet.Ini";
}

int copyOut(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

bool isYes(const char* text) {
    return ::strcasecmp(text, "On") == 0 || ::strcasecmp(text, "Yes") == 0;
}

}  // namespace

const std::string& IniPath() {
    std::string& path = iniPathStore();
    if (path.empty()) {
        path = buildIniPath();
    }
    return path;
}

void SetIniPath(const std::string& path) {
    iniPathStore() = path;
}

std::string ProgramDirectory() {
    const std::string exe = platform::executablePath();
    const auto slash = exe.find_last_of(platform::kSeparator);
    return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
}

int GetIniString(char* buffer, const char* def, int size, const char* key, const char* section) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    return static_cast<int>(GetPrivateProfileStringA(sectionOr(section), key, def ? def : "",
                                                     buffer, static_cast<std::uint32_t>(size),
                                                     IniPath().c_str()));
}

std::string GetIniString(const char* key, const char* def, const char* section) {
    char buffer[kValueBufferSize];
    GetIniString(buffer, def, kValueBufferSize, key, section);
    return buffer;
}

int GetIniPath(char* buffer, const char* def, int size, const char* key, const char* section) {
    return copyOut(GetIniPath(key, def, section), buffer, size);
}

std::string GetIniPath(const char* key, const char* def, const char* section) {
    std::string value = GetIniString(key, def, section);
    if (!value.empty() && isSeparator(value.back())) {
        value.pop_back();
    }
    const std::string native = platform::nativePath(value);
    if (!value.empty()) {
        const std::string found = platform::resolvePath(value);
        if (platform::fileExists(found) || platform::directoryExists(found)) {
            return found;
        }
    }
    return ProgramDirectory() + native;
}

void WriteIniString(const char* value, const char* key, const char* section) {
    WritePrivateProfileStringA(sectionOr(section), key, value ? value : "", IniPath().c_str());
}

int GetIniInt(int def, const char* key, const char* section) {
    if (def == 0 || def == 1) {
        char text[kSwitchBufferSize];
        GetIniString(text, def ? "On" : "Off", kSwitchBufferSize, key, section);
        return isYes(text) ? 1 : LeadingNumber(text);
    }
    return GetPrivateProfileIntA(sectionOr(section), key, def & 0xFFFF, IniPath().c_str()) & 0xFFFF;
}

void WriteIniInt(int value, const char* onText, const char* offText, const char* key,
                 const char* section) {
    if (value == 0 || value == 1) {
        WriteIniString(value ? onText : offText, key, section);
        return;
    }
    const std::string number = std::to_string(static_cast<unsigned>(value) & 0xFFFFu);
    WriteIniString(number.c_str(), key, section);
}
