// A wave collection as the wave engine opens it (directory, then the waves
// the seeds name), and the same bytes as the quick loader of a well-formed
// collection.
#include "BKIT32.h"
#include "FuzzSupport.h"
#include "bkit/WaveCollectionFile.h"

namespace {

void loadNamedWaves() {
    for (const char* name : {"CLICK", "SNAP"}) {
        QueryCollectedWaveSize(name);
        if (WaveRecord* wave = LoadCollectedWave(name)) {
            FreeMemoryWave(wave);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string wellFormed = [] {
        const std::vector<std::uint8_t> samples(64, 0x10);
        const auto bytes =
            bkit::buildWaveCollection({{"CLICK", samples}, {"SNAP", samples}}, 44100);
        return fuzzsupport::scratchFile("SOUNDS.WCL", bytes);
    }();
    const std::string path = fuzzsupport::scratchFile("FUZZ.WCL", {data, size});
    if (SetWaveCollection(path.c_str(), nullptr) != 0) {
        loadNamedWaves();
    }
    if (SetWaveCollection(wellFormed.c_str(), path.c_str()) != 0) {
        loadNamedWaves();
    }
    CloseWaveCollection();
    return 0;
}
