// The gallery list exports and the path helper the dialogs use.

#include <cctype>
#include <cstring>

#include "Configuration.h"
#include "GalleryList.h"
#include "PIXPICK32.h"

extern "C" {

int GalleryThere(void) {
    return piclib::GalleryList(piclib::galleryFile()).any() ? 1 : 0;
}

int AddGallery(const char* galleryFile, const char* description) {
    if (galleryFile == nullptr) {
        return 0;
    }
    piclib::GalleryList list(piclib::galleryFile());
    return list.add(galleryFile, description != nullptr ? description : "") ? 1 : 0;
}

void CnvrtFileName2RelativeDir(char* path) {
    if (path == nullptr) {
        return;
    }
    for (char* p = path; *p != '\0'; ++p) {
        *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    }
    const std::string config = piclib::configDirectory();
    const bool pathDrive = path[0] != '\0' && path[1] == ':';
    const bool configDrive = config.size() >= 2 && config[1] == ':';
    if (pathDrive && configDrive &&
        std::toupper(static_cast<unsigned char>(config[0])) == path[0]) {
        std::memmove(path, path + 2, std::strlen(path + 2) + 1);
    }
}
}
