// A picture file (.PPX): trailer, information block, preview bitmap, and the
// emblem and main picture it points at, as the selection dialogs and the
// game's loading read them.
#include "FuzzSupport.h"
#include "PIXPICK32.h"
#include "PictureInfo.h"
#include "imagelib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::ensureApp();
    const std::string path = fuzzsupport::scratchFile("picture.ppx", {data, size});
    {
        piclib::PictureInfo info(path);
        info.shortDescription('G');
        info.longDescription('F');
        info.helpFileName('E');
        info.loadEmblem();
        info.loadMainPicture();
    }
    char text[64];
    QueryShortDescript(path.c_str(), text, sizeof text);
    if (const int handle = GetImageHandle(path.c_str()); handle > 0) {
        DeletePicture(handle);
    }
    return 0;
}
