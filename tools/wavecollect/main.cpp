// wavecollect <collection> <wave file>...: writes a wave collection holding
// the sample data of each wave file under its base name (upper-cased, at most
// 19 characters). All files must be 16-bit PCM of one format, the format of
// the main wave the collection is played over. Samples are quartered, as the
// engine does with a wave file it loads, so a sound plays equally loud from
// either source.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bkit/WaveCollectionFile.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/RiffWave.h"

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool sameFormat(const platform::WaveFormat& a, const platform::WaveFormat& b) {
    return a.channels == b.channels && a.samplesPerSec == b.samplesPerSec;
}

// Reads one wave's samples, quartered; false with a message on stderr.
bool readWave(const std::string& path, platform::WaveFormat& format, bool first,
              bkit::CollectedWave& out) {
    File f(std::fopen(path.c_str(), "rb"), &std::fclose);
    platform::RiffWave wave;
    if (!f || platform::readRiffWave(f.get(), wave) != platform::RiffResult::ok ||
        !wave.format.isPcm16()) {
        std::cerr << "wavecollect: " << path << " is not a 16-bit PCM wave file\n";
        return false;
    }
    if (!first && !sameFormat(format, wave.format)) {
        std::cerr << "wavecollect: " << path
                  << " differs in rate or channels from the first file\n";
        return false;
    }
    format = wave.format;
    std::vector<std::uint8_t> raw(wave.dataSize & ~1u);
    if (std::fseek(f.get(), static_cast<long>(wave.dataOffset), SEEK_SET) != 0 ||
        std::fread(raw.data(), 1, raw.size(), f.get()) != raw.size()) {
        std::cerr << "wavecollect: cannot read the samples of " << path << '\n';
        return false;
    }
    platform::ByteReader in(raw);
    platform::ByteWriter samples;
    while (in.remaining() >= 2) {
        samples.i16(static_cast<std::int16_t>(in.i16() >> 2));
    }
    out.name = std::filesystem::path(path).stem().string();
    out.data = samples.take();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: wavecollect <collection> <wave file>...\n";
        return 2;
    }
    std::vector<bkit::CollectedWave> waves;
    platform::WaveFormat format;
    for (int i = 2; i < argc; ++i) {
        bkit::CollectedWave wave;
        if (!readWave(argv[i], format, i == 2, wave)) {
            return 1;
        }
        waves.push_back(std::move(wave));
    }
    std::string error;
    const auto bytes = bkit::buildWaveCollection(waves, format.avgBytesPerSec, &error);
    if (bytes.empty()) {
        std::cerr << "wavecollect: " << error << '\n';
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::cerr << "wavecollect: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
