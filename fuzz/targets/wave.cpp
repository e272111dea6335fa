// A RIFF wave file as the one-call sound player opens it (on the dummy
// sound device), then stopped at once.
#include "FuzzSupport.h"
#include "platform/Sound.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::ensureApp();
    const std::string path = fuzzsupport::scratchFile("sound.wav", {data, size});
    sndPlaySoundA(path.c_str(), SND_ASYNC | SND_NODEFAULT);
    sndPlaySoundA(nullptr, 0);
    return 0;
}
