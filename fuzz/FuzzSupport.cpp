#include "FuzzSupport.h"

#include <QApplication>
#include <QDir>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

void ensureApp() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static int argc = 1;
    static char name[] = "tessella_fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

std::string scratchFile(const std::string& name, Bytes bytes) {
    static const std::string folder = [] {
        const std::string dir =
            QDir::tempPath().toStdString() + "/tessella-fuzz-" + std::to_string(getpid());
        QDir().mkpath(QString::fromStdString(dir));
        return dir;
    }();
    const std::string path = folder + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::abort();
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::abort();
    }
    std::fclose(f);
    return path;
}

}  // namespace fuzzsupport
