#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include "SoundBank.h"
#include "WavFile.h"

namespace {

using namespace soundgen;

double peakOf(const Signal& s, std::size_t first, std::size_t last) {
    double peak = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        peak = std::max(peak, std::abs(s[i]));
    }
    return peak;
}

double rmsOf(const Signal& s) {
    double sum = 0.0;
    for (double v : s) {
        sum += v * v;
    }
    return std::sqrt(sum / static_cast<double>(s.size()));
}

TEST(SoundBankTest, HoldsTheSixteenEventFiles) {
    const std::set<std::string> expected = {
        "JIGBONUS.WAV", "JIGINTRO.WAV", "JIGLOAD.WAV",  "JIGCUT.WAV",
        "JIGCLICK.WAV", "JIGMOVE.WAV",  "JIGRELEA.WAV", "JIGSNAP.WAV",
        "JIGERROR.WAV", "JIGLOCK.WAV",  "JIGHIGHS.WAV", "JIGFIRST.WAV",
        "JIGPAUSE.WAV", "JIGNOLOC.WAV", "JIGLOCER.WAV", "JIGEXPER.WAV"};
    std::set<std::string> names;
    for (const GeneratedSound& sound : makeSoundBank()) {
        names.insert(sound.fileName);
    }
    EXPECT_EQ(names, expected);
}

TEST(SoundBankTest, EverySoundIsShortAudibleAndStartsAndEndsQuietly) {
    for (const GeneratedSound& sound : makeSoundBank()) {
        SCOPED_TRACE(sound.fileName);
        const Signal& s = sound.samples;
        const double seconds = static_cast<double>(s.size()) / kSampleRate;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, sound.fileName == "JIGINTRO.WAV" ? 2.5 : 1.5);
        EXPECT_NEAR(peakOf(s, 0, s.size()), kPeak, 1e-9);
        EXPECT_GT(rmsOf(s), 0.02);
        // No step at either end: the first sample rises from silence, the
        // last has faded out.
        EXPECT_LT(std::abs(s.front()), 0.05);
        EXPECT_LT(std::abs(s.back()), 0.01);
    }
}

TEST(SoundBankTest, OnlyTheCuttingSoundLoopsAndItsSeamIsQuiet) {
    for (const GeneratedSound& sound : makeSoundBank()) {
        EXPECT_EQ(sound.loops, sound.fileName == "JIGCUT.WAV") << sound.fileName;
        if (!sound.loops) {
            continue;
        }
        const Signal& s = sound.samples;
        const std::size_t edge = kSampleRate / 200;  // 5 ms
        EXPECT_LT(peakOf(s, 0, edge), 0.02);
        EXPECT_LT(peakOf(s, s.size() - edge, s.size()), 0.02);
        // Loud in the middle of each stroke.
        EXPECT_GT(peakOf(s, s.size() / 8, 3 * s.size() / 8), 0.3);
        EXPECT_GT(peakOf(s, 5 * s.size() / 8, 7 * s.size() / 8), 0.3);
    }
}

TEST(SoundBankTest, TwoRunsGiveTheSameBytes) {
    const auto first = makeSoundBank();
    const auto second = makeSoundBank();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(encodeWav(first[i].samples), encodeWav(second[i].samples)) << first[i].fileName;
    }
}

TEST(WavFileTest, WritesA16BitMonoPcmHeaderAndClippedSamples) {
    const std::vector<std::uint8_t> bytes = encodeWav({0.0, 1.0, -1.0, 2.0, -0.5});
    const std::vector<std::uint8_t> expected = {
        'R',  'I',  'F',  'F', 46, 0, 0,  0, 'W',  'A',  'V',  'E',  'f',  'm',
        't',  ' ',  16,   0,   0,  0, 1,  0, 1,    0,    0x22, 0x56, 0,    0,  // 22050 Hz
        0x44, 0xAC, 0,    0,   2,  0, 16, 0,  // 44100 bytes/s, 2-byte frames
        'd',  'a',  't',  'a', 10, 0, 0,  0, 0x00, 0x00, 0xFF, 0x7F, 0x01, 0x80,
        0xFF, 0x7F, 0x00, 0xC0};
    EXPECT_EQ(bytes, expected);
}

TEST(WavFileTest, WritesEveryFileAndReportsAnUnwritableFolder) {
    const auto dir = std::filesystem::path(TESSELLA_TEST_OUTPUT) / "soundgen-bank";
    std::filesystem::remove_all(dir);
    std::string error;
    ASSERT_TRUE(writeSoundBank(dir.string(), error)) << error;
    for (const GeneratedSound& sound : makeSoundBank()) {
        EXPECT_EQ(std::filesystem::file_size(dir / sound.fileName), 44 + 2 * sound.samples.size());
    }
    const auto blocker = dir / "JIGSNAP.WAV";
    EXPECT_FALSE(writeSoundBank(blocker.string(), error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
}

}  // namespace
