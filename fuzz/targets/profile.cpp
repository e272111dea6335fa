// A profile file (QUIET.INI, Gallery.ini): read, then one key rewritten.
#include "platform/Profile.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzsupport::scratchFile("QUIET.INI", {data, size});
    char value[256];
    GetPrivateProfileStringA("Puzzle", "Sound", "On", value, sizeof value, path.c_str());
    GetPrivateProfileStringA("Puzzle", nullptr, "", value, sizeof value, path.c_str());
    GetPrivateProfileStringA(nullptr, nullptr, "", value, sizeof value, path.c_str());
    GetPrivateProfileIntA("Galleries", "File0000", 7, path.c_str());
    WritePrivateProfileStringA("Puzzle", "Sound", "Off", path.c_str());
    GetPrivateProfileStringA("puzzle", "SOUND", "", value, sizeof value, path.c_str());
    return 0;
}
