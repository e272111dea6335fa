// Picture descriptions and help, each from a fresh reading of the file's
// picture information in the configuration directory.

#include <algorithm>
#include <cstring>

#include "Configuration.h"
#include "PIXPICK32.h"
#include "PictureInfo.h"
#include "platform/NoThrow.h"
#include "platform/Paths.h"

namespace {

// Copies text into a buffer of size bytes, cut and always terminated; the
// buffer's last byte is always 0.
void copyOut(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return;
    }
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    buffer[size - 1] = '\0';
}

}  // namespace

extern "C" {

void QueryShortDescript(const char* fileName, char* text, int size) {
    platform::withoutThrowing(0, [&] {
        if (fileName == nullptr) {
            copyOut({}, text, size);
            return 0;
        }
        const char language = piclib::languageLetter();
        piclib::ConfigDirectoryScope scope;
        const piclib::PictureInfo info(fileName);
        copyOut(info.shortDescription(language), text, size);
        return 0;
    });
}

int QueryInformationFile(const char* fileName, char* path, int size) {
    return platform::withoutThrowing(0, [&] {
        if (fileName == nullptr) {
            return 0;
        }
        const char language = piclib::languageLetter();
        piclib::ConfigDirectoryScope scope;
        const piclib::PictureInfo info(fileName);
        if (info.fields().helpFile.empty()) {
            return 0;
        }
        const std::string help = platform::resolvePath(info.helpFilePath(language));
        if (!platform::fileExists(help)) {
            return 0;
        }
        copyOut(help, path, size);
        return 1;
    });
}

int PictureHelpAvailable(const char* fileName) {
    if (fileName == nullptr) {
        return 0;
    }
    const char language = piclib::languageLetter();
    piclib::ConfigDirectoryScope scope;
    return piclib::PictureInfo(fileName).pictureHelpAvailable(language) ? 1 : 0;
}

int AuthorHelpAvailable(const char* fileName) {
    if (fileName == nullptr) {
        return 0;
    }
    const char language = piclib::languageLetter();
    piclib::ConfigDirectoryScope scope;
    return piclib::PictureInfo(fileName).artistHelpAvailable(language) ? 1 : 0;
}

void HelpPicture(const char* fileName) {
    if (fileName == nullptr) {
        return;
    }
    const char language = piclib::languageLetter();
    piclib::ConfigDirectoryScope scope;
    piclib::PictureInfo(fileName).showPictureHelp(nullptr, language);
}

void HelpAuthor(const char* fileName) {
    if (fileName == nullptr) {
        return;
    }
    const char language = piclib::languageLetter();
    piclib::ConfigDirectoryScope scope;
    piclib::PictureInfo(fileName).showArtistHelp(nullptr, language);
}
}
