#include "AtomicFile.h"

#include <cstdio>
#include <filesystem>

namespace piclib {

bool writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& data) {
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    std::filesystem::rename(temporary, path, ec);
    return !ec;
}

}  // namespace piclib
