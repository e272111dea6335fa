#include <unistd.h>

#include <cstring>
#include <string>

#include "BKIT32.h"
#include "platform/Paths.h"

namespace {

bool endsInSeparator(const char* string, std::size_t length) {
    return string[length - 1] == platform::kSeparator || string[length - 1] == '\\';
}

}  // namespace

extern "C" {

// A drive prefix ("D:") is accepted and ignored: this platform has no drives,
// so a bare "D:" leaves the current directory where it is.
int ChangeDir(const char* path) {
    if (path == nullptr) {
        return 0;
    }
    const std::string native = platform::nativePath(path);
    if (native.empty()) {
        return std::strlen(path) == 2 && path[1] == ':' ? 1 : 0;
    }
    return ::chdir(platform::resolvePath(native).c_str()) == 0 ? 1 : 0;
}

void NeedBackSlash(char* string) {
    if (string == nullptr) {
        return;
    }
    const std::size_t length = std::strlen(string);
    if (length > 0 && !endsInSeparator(string, length)) {
        string[length] = platform::kSeparator;
        string[length + 1] = '\0';
    }
}

void NoBackSlash(char* string) {
    if (string == nullptr) {
        return;
    }
    const std::size_t length = std::strlen(string);
    if (length > 0 && endsInSeparator(string, length)) {
        string[length - 1] = '\0';
    }
}
}
