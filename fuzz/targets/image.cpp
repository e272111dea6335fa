// A picture as the image library decodes it: from memory, from a file at an
// offset, and its size alone (BMP and GIF completeness checks, Targa, and
// Qt's readers behind them). A decoded picture is also resampled and reduced
// as the picture library does with it.
#include "FuzzSupport.h"
#include "imagelib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::ensureApp();
    const std::string path = fuzzsupport::scratchFile("picture.img", {data, size});
    int width = 0;
    int height = 0;
    int bits = 0;
    IMGPingFile(path.c_str(), &width, &height, &bits);
    const int slot = IMGReadFromMemory(data, static_cast<std::uint32_t>(size));
    if (slot >= 0) {
        IMGResample(slot, 17, 9);
        IMGReduceTo16Colours(slot);
        IMGFree(slot);
    }
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        const int again = IMGReadFromFile(f, 0, 0);
        IMGFree(again);
        std::fclose(f);
    }
    return 0;
}
