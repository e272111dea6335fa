// The registry's key store file: keys looked up, one value set.
#include <cstdlib>

#include "FuzzSupport.h"
#include "platform/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzsupport::scratchFile("registry", {data, size});
    setenv("TESSELLA_REGISTRY", path.c_str(), 1);
    HKEY key = nullptr;
    char value[128];
    long length = sizeof value;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware", &key) == 0) {
        RegQueryValueA(key, "Puzzle", value, &length);
        RegCloseKey(key);
    }
    length = sizeof value;
    RegQueryValueA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Path", value, &length);
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Fuzz", &key) == 0) {
        RegSetValueA(key, "", 1, "value", 5);
        RegCloseKey(key);
    }
    return 0;
}
