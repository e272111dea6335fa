#include "app/FirstStart.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "PIXPICK32.h"
#include "bkit/InstallationKey.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kSettingsName = "Quiet.Ini";
constexpr const char* kSavedGamesFolder = "Saved Games";
// The picture library's key for the folder of the shipped pictures.
constexpr const char* kDataKey = "Data";
// The gallery of the shipped pictures, beside them.
constexpr const char* kShippedGallery = "TESSELLA.TMB";
constexpr long kValueBytes = 256;
constexpr std::uint32_t kPathBytes = 4096;

std::string withSeparator(std::string dir) {
    if (!dir.empty() && dir.back() != platform::kSeparator) {
        dir += platform::kSeparator;
    }
    return dir;
}

bool writable(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

// The writable folder the key names, or empty.
std::string registeredDirectory(const std::string& keyName) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, keyName.c_str(), &key) != ERROR_SUCCESS) {
        return {};
    }
    char value[kValueBytes] = {};
    long size = kValueBytes;
    const long rc = RegQueryValueA(key, nullptr, value, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || value[0] == '\0') {
        return {};
    }
    const std::string dir = platform::resolvePath(value);
    return platform::directoryExists(dir) && writable(dir) ? withSeparator(dir) : std::string();
}

bool registerDirectory(const std::string& keyName, const std::string& dir) {
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, keyName.c_str(), &key) != ERROR_SUCCESS) {
        return false;
    }
    const long rc =
        RegSetValueA(key, nullptr, REG_SZ, dir.c_str(), static_cast<std::uint32_t>(dir.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

std::string settingsFileIn(const std::string& dir) {
    return platform::resolvePath(dir + kSettingsName);
}

bool hasWritableSettings(const std::string& dir) {
    const std::string file = settingsFileIn(dir);
    return platform::fileExists(file) && writable(dir) && writable(file);
}

// The folder that is to hold the settings: the registered one, the program's
// own when it holds writable settings, else the player's folder (registered
// from now on).
std::string chooseSettingsDirectory(const std::string& programDir) {
    const std::string keyName = bkit::installationKey(programDir);
    if (std::string registered = registeredDirectory(keyName); !registered.empty()) {
        return registered;
    }
    if (hasWritableSettings(programDir)) {
        return programDir;
    }
    const std::string user = UserDataDirectory();
    std::error_code ec;
    fs::create_directories(user, ec);
    if (!platform::directoryExists(user) || !registerDirectory(keyName, user)) {
        return programDir;
    }
    return user;
}

void seedSettings(const std::string& dir, const std::string& dataDir) {
    if (platform::fileExists(settingsFileIn(dir)) || dataDir.empty()) {
        return;
    }
    const std::string shipped = dataDir + "settings/" + kSettingsName;
    std::error_code ec;
    fs::copy_file(shipped, dir + kSettingsName, fs::copy_options::skip_existing, ec);
}

std::string readLocation(const std::string& file, const char* key) {
    char value[kPathBytes] = {};
    GetPrivateProfileStringA(keys::kLocations, key, "", value, kPathBytes, file.c_str());
    return value;
}

// Whether a stored folder value names a folder that exists, taken as it
// stands or (as the settings store does) relative to the program's folder.
bool namesFolder(const std::string& value, const std::string& programDir) {
    return !value.empty() && (platform::directoryExists(platform::resolvePath(value)) ||
                              platform::directoryExists(programDir + platform::nativePath(value)));
}

void fillLocation(const std::string& file, const char* key, const std::string& folder,
                  const std::string& programDir) {
    if (!namesFolder(readLocation(file, key), programDir) && platform::directoryExists(folder)) {
        WritePrivateProfileStringA(keys::kLocations, key, folder.c_str(), file.c_str());
    }
}

void fillLocations(const std::string& dir, const std::string& dataDir,
                   const std::string& programDir) {
    const std::string found = settingsFileIn(dir);
    const std::string actual = platform::fileExists(found) ? found : dir + kSettingsName;
    if (!dataDir.empty()) {
        fillLocation(actual, kDataKey, dataDir + "pictures", programDir);
        fillLocation(actual, keys::kSoundDir, dataDir + "sounds", programDir);
    }
    if (readLocation(actual, keys::kSavedGames).empty()) {
        const std::string saved = dir + kSavedGamesFolder;
        std::error_code ec;
        fs::create_directories(saved, ec);
        fillLocation(actual, keys::kSavedGames, saved, programDir);
    }
}

}  // namespace

std::string SharedDataDirectory(const std::string& programDir) {
    std::error_code ec;
    const fs::path data = fs::weakly_canonical(fs::path(programDir) / "../share/tessella", ec);
    if (ec || !platform::directoryExists(data.string())) {
        return {};
    }
    return withSeparator(data.string());
}

std::string UserDataDirectory() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        return withSeparator(std::string(xdg) + "/tessella");
    }
    const char* home = std::getenv("HOME");
    const std::string base = home != nullptr && *home != '\0' ? home : "/tmp";
    return withSeparator(base + "/.local/share/tessella");
}

std::string PrepareSettings(const std::string& programDir) {
    const std::string program = withSeparator(programDir);
    const std::string dir = chooseSettingsDirectory(program);
    const std::string dataDir = SharedDataDirectory(program);
    seedSettings(dir, dataDir);
    if (writable(dir)) {
        fillLocations(dir, dataDir, program);
    }
    return dir;
}

void RegisterShippedGallery(const std::string& dataDir) {
    if (dataDir.empty() || GalleryThere() != 0) {
        return;
    }
    const std::string gallery = dataDir + "pictures/" + kShippedGallery;
    if (platform::fileExists(gallery)) {
        AddGallery(gallery.c_str(), "");
    }
}

void FirstStart() {
    const std::string program = ProgramDirectory();
    PrepareSettings(program);
    RegisterShippedGallery(SharedDataDirectory(withSeparator(program)));
}
