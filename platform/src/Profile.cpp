#include "platform/Profile.h"

#include <strings.h>
#include <QLocale>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "ProfileFile.h"
#include "platform/Paths.h"

namespace {

// Serialises read-modify-write cycles of the process on the same files.
std::mutex profileMutex;

// The file a write replaces: an existing file (through any symbolic link, so
// the link survives), else the new name inside the directory found without
// regard to case.
std::string resolveForWrite(const std::string& file) {
    const std::string resolved = platform::resolvePath(file);
    if (platform::fileExists(resolved)) {
        char real[PATH_MAX];
        return ::realpath(resolved.c_str(), real) != nullptr ? std::string(real) : resolved;
    }
    const std::size_t slash = resolved.rfind(platform::kSeparator);
    if (slash == std::string::npos) {
        return resolved;
    }
    const std::string dir = platform::resolvePath(resolved.substr(0, slash + 1));
    return dir + resolved.substr(slash + 1);
}

std::optional<std::string> readValue(const char* section, const char* key, const char* file) {
    if (section == nullptr || key == nullptr || file == nullptr) {
        return std::nullopt;
    }
    std::lock_guard<std::mutex> lock(profileMutex);
    platform::ProfileFile profile;
    profile.load(platform::resolvePath(file));
    return profile.value(section, key);
}

// Names and values that would change the file's structure when written.
bool safeName(const std::string& name, bool isSection) {
    if (name.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    if (isSection) {
        return name.find(']') == std::string::npos;
    }
    const std::size_t first = name.find_first_not_of(" \t");
    return first != std::string::npos && name[first] != '[' && name[first] != ';' &&
           name.find('=') == std::string::npos;
}

// Decimal number at the start of text: blanks, optional sign, digits. Values
// beyond the int range saturate.
int leadingInt(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) {
        return 0;
    }
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min<long long>(magnitude * 10 + (text[i] - '0'), 1LL << 32);
    }
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Order of day, month and year in the locale's short date format.
int localeDateOrder() {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    if (day < 0 || month < 0 || year < 0) {
        return 0;
    }
    if (day < month && month < year) {
        return 1;
    }
    if (year < month && month < day) {
        return 2;
    }
    return 0;
}

}  // namespace

std::uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* def,
                                       char* buf, std::uint32_t size, const char* file) {
    if (buf == nullptr || size == 0) {
        return 0;
    }
    const std::optional<std::string> found = readValue(section, key, file);
    const std::string text = found ? *found : std::string(def ? def : "");
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buf, text.data(), count);
    buf[count] = '\0';
    return static_cast<std::uint32_t>(count);
}

int GetPrivateProfileIntA(const char* section, const char* key, int def, const char* file) {
    const std::optional<std::string> found = readValue(section, key, file);
    return found ? leadingInt(*found) : def;
}

int WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                               const char* file) {
    if (section == nullptr || file == nullptr || !safeName(section, true) ||
        (key != nullptr && !safeName(key, false)) ||
        (value != nullptr && std::strpbrk(value, "\r\n") != nullptr)) {
        return 0;
    }
    std::lock_guard<std::mutex> lock(profileMutex);
    const std::string path = resolveForWrite(file);
    platform::ProfileFile profile;
    if (profile.load(path) == platform::ProfileFile::LoadResult::Unreadable) {
        return 0;
    }
    if (key == nullptr) {
        profile.removeSection(section);
    } else if (value == nullptr) {
        profile.removeKey(section, key);
    } else {
        profile.setValue(section, key, value);
    }
    return profile.save(path) ? 1 : 0;
}

int GetProfileIntA(const char* section, const char* key, int def) {
    if (section == nullptr || key == nullptr || ::strcasecmp(section, "Intl") != 0 ||
        ::strcasecmp(key, "iDate") != 0) {
        return def;
    }
    const char* override = std::getenv("TESSELLA_IDATE");
    if (override != nullptr) {
        char* end = nullptr;
        const long order = std::strtol(override, &end, 10);
        if (end != override) {
            return static_cast<int>(std::clamp<long>(order, INT_MIN, INT_MAX));
        }
    }
    return localeDateOrder();
}
