#include "bkit/InstallationKey.h"

#include <cstdint>

#include "platform/Profile.h"

namespace bkit {

namespace {

constexpr const char* kKeyPrefix = "SOFTWARE\\Classes\\Orbis_Playware\\";
constexpr std::uint32_t kLocationSize = 101;

}  // namespace

std::string installationKey(const std::string& dir) {
    char location[kLocationSize] = {};
    const std::string inf = dir + "Orbis.inf";
    GetPrivateProfileStringA("Registry", "Location", "Location", location, sizeof location,
                             inf.c_str());
    return std::string(kKeyPrefix) + location;
}

}  // namespace bkit
