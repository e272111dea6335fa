#include "platform/AtomicFile.h"

#include <dirent.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <utility>

namespace platform {
namespace {

bool writeAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Permissions for the replacement: those of the old file, else read and write
// for everyone the umask allows.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The folder (with its separator, or empty) and the name of path.
std::pair<std::string, std::string> split(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos
               ? std::pair{std::string(), path}
               : std::pair{path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Removes the ".name.XXXXXX" files in folder older than a minute: those of
// writers that were killed (a writer at work touches its file all the time).
void removeStaleTemporaries(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const std::string prefix = "." + name + ".";
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string found = entry->d_name;
        struct stat st {};
        const std::string full = folder + found;
        if (found.size() == prefix.size() + 6 && found.compare(0, prefix.size(), prefix) == 0 &&
            ::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > 60) {
            ::unlink(full.c_str());
        }
    }
    ::closedir(dir);
}

}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view data) {
    const auto [folder, name] = split(path);
    removeStaleTemporaries(folder, name);
    std::string temp = folder + "." + name + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const bool written = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool readWholeFile(const std::string& path, std::string& data, bool* missing) {
    data.clear();
    *missing = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *missing = errno == ENOENT || errno == ENOTDIR;
        return *missing;
    }
    char chunk[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) {
            break;
        }
        data.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ok;
}

}  // namespace platform
