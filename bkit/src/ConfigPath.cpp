#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "BKIT32.h"
#include "bkit/InstallationKey.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Registry.h"

namespace {

constexpr long kValueSize = 256;

// The installation directory of every module of this process: that of the
// running program, from its real path (not argv[0], a bare name when the
// program was started through PATH). Libraries are installed apart from the
// program (lib/ beside bin/) yet belong to its installation, so the program
// and the picture library find one Orbis.inf and one settings file.
std::string moduleDirectory() {
    const std::string module = platform::executablePath();
    const std::size_t slash = module.rfind(platform::kSeparator);
    return slash == std::string::npos ? std::string() : module.substr(0, slash + 1);
}

// Copies text into buffer of length bytes, zero-filling the rest. Returns
// false, leaving buffer untouched, when text and a terminator do not fit.
bool copyIfFits(char* buffer, int length, const std::string& text) {
    if (length <= 0 || text.size() >= static_cast<std::size_t>(length)) {
        return false;
    }
    std::memset(buffer, 0, static_cast<std::size_t>(length));
    std::memcpy(buffer, text.data(), text.size());
    return true;
}

// The directory stored under key with one trailing separator, or empty when
// the value is missing or empty.
std::string storedDirectory(HKEY key) {
    char value[kValueSize] = {};
    long size = kValueSize;
    if (RegQueryValueA(key, nullptr, value, &size) != ERROR_SUCCESS || value[0] == '\0') {
        return {};
    }
    std::string dir = platform::resolvePath(value);
    if (dir.empty()) {
        return {};
    }
    if (dir.back() != platform::kSeparator) {
        dir += platform::kSeparator;
    }
    return dir;
}

std::string currentDirectory() {
    std::string dir(4096, '\0');
    if (::getcwd(dir.data(), dir.size()) == nullptr) {
        return {};
    }
    dir.resize(std::strlen(dir.c_str()));
    return dir;
}

// Changes back to dir and gives result, pumping the wave engine on the way.
int returnFrom(const std::string& dir, int result) {
    if (!dir.empty() && ::chdir(dir.c_str()) != 0) {
        result = 0;
    }
    DispatchSoundMessages();
    return result;
}

}  // namespace

extern "C" {

int QueryIniPathName(char* buffer, int length, HINSTANCE /*instance*/) {
    if (buffer == nullptr || length <= 0) {
        return 0;
    }
    const std::string moduleDir = moduleDirectory();
    if (!copyIfFits(buffer, length, moduleDir)) {
        buffer[0] = '\0';
    }
    const std::string keyName = bkit::installationKey(moduleDir);
    DispatchSoundMessages();
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, keyName.c_str(), &key) != ERROR_SUCCESS) {
        DispatchSoundMessages();
        return 0;
    }
    const std::string installDir = storedDirectory(key);
    RegCloseKey(key);
    DispatchSoundMessages();
    if (installDir.empty() || !copyIfFits(buffer, length, installDir)) {
        return 0;
    }
    return 1;
}

int SetupPathForIniFile(char* directory) {
    if (directory == nullptr) {
        return 0;
    }
    const std::string keyName = bkit::installationKey("");
    HKEY key = nullptr;
    const long rc = RegCreateKeyA(HKEY_CLASSES_ROOT, keyName.c_str(), &key);
    if (rc != ERROR_SUCCESS) {
        char text[512];
        std::snprintf(text, sizeof text,
                      "Unable to Register Variable %s,\nCreateKey returned with: %ld",
                      keyName.c_str(), rc);
        MessageBoxA(QApplication::focusWidget(), text, "BKITLIB", MB_OK);
        DispatchSoundMessages();
        return 0;
    }
    NeedBackSlash(directory);
    const std::uint32_t size = static_cast<std::uint32_t>(std::strlen(directory) + 1);
    const long stored = RegSetValueA(key, nullptr, REG_SZ, directory, size);
    RegCloseKey(key);
    DispatchSoundMessages();
    return stored == ERROR_SUCCESS ? 1 : 0;
}

int QueryPathFromIniFile(char* buffer, int length, const char* section, const char* key,
                         const char* def, const char* iniName, HINSTANCE instance) {
    if (buffer == nullptr || length <= 0 || iniName == nullptr) {
        return 0;
    }
    const std::string remembered = currentDirectory();
    QueryIniPathName(buffer, length, instance);
    NoBackSlash(buffer);
    if (ChangeDir(buffer) == 0) {
        return returnFrom(remembered, 0);
    }
    const std::string iniPath = std::string(buffer) + platform::kSeparator + iniName;
    GetPrivateProfileStringA(section, key, def, buffer, static_cast<std::uint32_t>(length),
                             iniPath.c_str());
    NoBackSlash(buffer);
    DispatchSoundMessages();
    if (buffer[0] == '\0' || ChangeDir(buffer) == 0) {
        return returnFrom(remembered, 0);
    }
    std::string found = currentDirectory();
    if (!found.empty() && found.back() != platform::kSeparator) {
        found += platform::kSeparator;
    }
    if (found.empty() || !copyIfFits(buffer, length, found)) {
        return returnFrom(remembered, 0);
    }
    return returnFrom(remembered, 1);
}
}
