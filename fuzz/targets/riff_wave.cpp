// A RIFF wave file as the wave engine opens it: the chunk walk, then its
// samples loaded as a memory wave.
#include <cstdio>

#include "BKIT32.h"
#include "FuzzSupport.h"
#include "platform/RiffWave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzsupport::scratchFile("MAIN.WAV", {data, size});
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        platform::RiffWave wave;
        platform::readRiffWave(f, wave);
        std::fclose(f);
    }
    if (WaveRecord* memory = LoadWave(path.c_str())) {
        FreeMemoryWave(memory);
    }
    return 0;
}
