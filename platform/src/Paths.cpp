#include "platform/Paths.h"

#include <dirent.h>
#include <dlfcn.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> splitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == kSeparator) {
            if (!current.empty()) {
                parts.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        parts.push_back(current);
    }
    return parts;
}

// The entry of directory dir whose name equals name without regard to case;
// empty when there is none. An exact match wins over a case-folded one.
std::string findEntry(const std::string& dir, const std::string& name) {
    const std::string exact = dir + name;
    if (name == "." || name == ".." || exists(exact)) {
        return name;
    }
    DIR* handle = ::opendir(dir.empty() ? "." : dir.c_str());
    if (handle == nullptr) {
        return {};
    }
    std::string found;
    while (const dirent* entry = ::readdir(handle)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(handle);
    return found;
}

}  // namespace

std::string nativePath(const std::string& stored) {
    std::string path = stored;
    for (char& c : path) {
        if (c == '\\') {
            c = kSeparator;
        }
    }
    const bool hasDrive =
        path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (hasDrive) {
        path.erase(0, 2);
    }
    return path;
}

std::string resolvePath(const std::string& stored) {
    const std::string path = nativePath(stored);
    if (path.empty() || exists(path)) {
        return path;
    }
    std::string resolved = path.front() == kSeparator ? std::string(1, kSeparator) : std::string();
    const std::vector<std::string> parts = splitComponents(path);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string entry = findEntry(resolved, parts[i]);
        if (entry.empty()) {
            return path;
        }
        resolved += entry;
        if (i + 1 < parts.size()) {
            resolved += kSeparator;
        }
    }
    if (path.back() == kSeparator) {
        resolved += kSeparator;
    }
    return resolved;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool directoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string executablePath() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

std::string modulePathOf(const void* addressInModule) {
    Dl_info info{};
    if (addressInModule == nullptr || ::dladdr(addressInModule, &info) == 0 ||
        info.dli_fname == nullptr) {
        return executablePath();
    }
    char real[PATH_MAX];
    if (::realpath(info.dli_fname, real) == nullptr) {
        return info.dli_fname;
    }
    return real;
}

}  // namespace platform
