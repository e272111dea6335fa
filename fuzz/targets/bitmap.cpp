// Bitmap bytes: the one bitmap decoder (file header optional, core headers,
// RLE8) and the image library's copy of a packed bitmap from memory.
#include <string>

#include "FuzzSupport.h"
#include "imagelib.h"
#include "platform/DibDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    platform::decodeDib({data, size}, &error);
    const int slot = IMGCreateFromDib(data, static_cast<std::uint32_t>(size));
    IMGFree(slot);
    return 0;
}
