// A logo file (.LGO): its placement fields and its emblem, stamped into a
// small picture as the game does before every puzzle.
#include <vector>

#include "FuzzSupport.h"
#include "PIXPICK32.h"
#include "imagelib.h"
#include "platform/PackedDib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::ensureApp();
    const std::string path = fuzzsupport::scratchFile("logo.lgo", {data, size});
    const platform::PackedDib picture = platform::PackedDib::create(48, 32, 24);
    const int slot = IMGCreateFromDib(picture.data(), static_cast<std::uint32_t>(picture.size()));
    if (slot >= 0) {
        MergeLogo(path.c_str(), slot + 1);
        IMGFree(slot);
    }
    if (const int handle = GetLogoHandle(path.c_str(), 1); handle > 0) {
        DeletePicture(handle);
    }
    return 0;
}
