// Logos: the logo picture of a logo file and stamping it into a picture.

#include "Configuration.h"
#include "LogoStamper.h"
#include "PIXPICK32.h"
#include "PictureHandle.h"
#include "PictureInfo.h"
#include "platform/NoThrow.h"

extern "C" {

int GetLogoHandle(const char* logoFile, int wanted) {
    return platform::withoutThrowing(0, [&] {
        if (wanted == 0 || logoFile == nullptr) {
            return 0;
        }
        piclib::ConfigDirectoryScope scope;
        piclib::PictureInfo info(logoFile);
        return info.loadEmblemCopy();
    });
}

int MergeLogo(const char* logoFile, int handle) {
    return platform::withoutThrowing(0, [&] {
        if (handle == 0) {
            return 0;
        }
        if (logoFile == nullptr) {
            return 1;
        }
        piclib::ConfigDirectoryScope scope;
        piclib::PictureInfo info(logoFile);
        if (info.fields().logoEnabled == 0) {
            return 1;
        }
        const int logoHandle = info.loadEmblem();
        platform::PackedDib picture = piclib::copyPicture(handle);
        const platform::PackedDib logo = piclib::copyPicture(logoHandle);
        if (logoHandle == 0 || picture.isNull() || logo.isNull()) {
            return 1;
        }
        piclib::LogoStamper(picture).stamp(logo, info.fields());
        piclib::storePicture(handle, picture);
        return 1;
    });
}
}
