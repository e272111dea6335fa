#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/Sound.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void put16(std::ofstream& out, unsigned value) {
    out.put(static_cast<char>(value & 0xFF));
    out.put(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::ofstream& out, unsigned value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Writes a PCM wave of a 440 Hz tone at half of full scale.
void writeTone(const fs::path& path, int milliseconds, int rate, int bits, int channels) {
    const int frames = rate * milliseconds / 1000;
    const int bytesPerFrame = bits / 8 * channels;
    const unsigned dataSize = static_cast<unsigned>(frames * bytesPerFrame);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + dataSize);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<unsigned>(channels));
    put32(out, static_cast<unsigned>(rate));
    put32(out, static_cast<unsigned>(rate * bytesPerFrame));
    put16(out, static_cast<unsigned>(bytesPerFrame));
    put16(out, static_cast<unsigned>(bits));
    out.write("data", 4);
    put32(out, dataSize);
    for (int i = 0; i < frames; ++i) {
        const double value = 0.5 * std::sin(2 * M_PI * 440.0 * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8) {
                out.put(static_cast<char>(128 + std::lround(value * 127)));
            } else {
                put16(out, static_cast<unsigned>(std::lround(value * 32767)) & 0xFFFF);
            }
        }
    }
}

// What the disk audio driver wrote: 16-bit samples (the player keeps the
// device at 16 bits, silence 0).
struct Heard {
    std::size_t loudSamples = 0;
    int peak = 0;
};

Heard listen(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Heard heard;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
        const int magnitude = std::abs(static_cast<int>(sample));
        heard.peak = std::max(heard.peak, magnitude);
        heard.loudSamples += magnitude > 1000 ? 1 : 0;
    }
    return heard;
}

// Each test plays into its own file through SDL's disk driver; stopping closes
// the device, which flushes the file and lets the next test choose anew.
class SoundPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessella-sound-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        output_ = dir_ / "device.raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        writeTone(dir_ / "tone.wav", 80, 22050, 16, 1);
    }
    void TearDown() override {
        sndPlaySoundA(nullptr, 0);
        fs::remove_all(dir_);
    }
    std::string file(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
    fs::path output_;
};

TEST_F(SoundPlayerTest, SynchronousPlayIsHeardAndReturnsWhenDone) {
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(sndPlaySoundA(file("tone.wav").c_str(), SND_SYNC), 1);
    EXPECT_GE(std::chrono::steady_clock::now() - begin, 70ms);
    sndPlaySoundA(nullptr, 0);
    const Heard heard = listen(output_);
    // 80 ms at 44100 Hz stereo is 7056 samples; all but the zero crossings are loud.
    EXPECT_GT(heard.loudSamples, 6000u);
    EXPECT_NEAR(heard.peak, 16384, 1200);
}

TEST_F(SoundPlayerTest, EightBitStereoAtAnotherRateIsConverted) {
    writeTone(dir_ / "eight.wav", 80, 11025, 8, 2);
    EXPECT_EQ(sndPlaySoundA(file("eight.wav").c_str(), SND_SYNC), 1);
    sndPlaySoundA(nullptr, 0);
    const Heard heard = listen(output_);
    EXPECT_GT(heard.loudSamples, 6000u);
    EXPECT_NEAR(heard.peak, 16384, 1200);
}

TEST_F(SoundPlayerTest, FileNameIgnoresLetterCase) {
    EXPECT_EQ(sndPlaySoundA(file("TONE.WAV").c_str(), SND_SYNC), 1);
}

TEST_F(SoundPlayerTest, UnreadableFilesFail) {
    EXPECT_EQ(sndPlaySoundA(file("missing.wav").c_str(), SND_ASYNC | SND_NODEFAULT), 0);
    std::ofstream(dir_ / "junk.wav", std::ios::binary) << "RIFF\x10\0\0\0WAVEjunkjunk";
    EXPECT_EQ(sndPlaySoundA(file("junk.wav").c_str(), SND_ASYNC), 0);
    EXPECT_EQ(sndPlaySoundA("", SND_ASYNC), 0);
}

TEST_F(SoundPlayerTest, MissingDeviceFails) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(sndPlaySoundA(file("tone.wav").c_str(), SND_ASYNC), 0);
    EXPECT_EQ(sndPlaySoundA(file("tone.wav").c_str(), SND_SYNC), 0);
}

TEST_F(SoundPlayerTest, NoStopRefusesWhileASoundPlays) {
    EXPECT_EQ(sndPlaySoundA(file("tone.wav").c_str(), SND_ASYNC), 1);
    EXPECT_EQ(sndPlaySoundA(file("tone.wav").c_str(), SND_ASYNC | SND_NOSTOP), 0);
    // Without SND_NOSTOP the new sound replaces the old one.
    EXPECT_EQ(sndPlaySoundA(file("tone.wav").c_str(), SND_ASYNC), 1);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(sndPlaySoundA(file("tone.wav").c_str(), SND_ASYNC | SND_NOSTOP), 1);
}

TEST_F(SoundPlayerTest, LoopPlaysUntilStoppedAndStopSilences) {
    writeTone(dir_ / "short.wav", 50, 22050, 16, 1);
    EXPECT_EQ(sndPlaySoundA(file("short.wav").c_str(), SND_SYNC | SND_LOOP), 0);
    EXPECT_EQ(sndPlaySoundA(file("short.wav").c_str(), SND_ASYNC | SND_LOOP), 1);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(sndPlaySoundA(file("short.wav").c_str(), SND_ASYNC | SND_NOSTOP), 0);
    EXPECT_EQ(sndPlaySoundA(nullptr, 0), 1);
    // Far more than one 50 ms pass (4410 stereo samples) can give.
    EXPECT_GT(listen(output_).loudSamples, 4 * 3000u);
    EXPECT_EQ(sndPlaySoundA(file("short.wav").c_str(), SND_ASYNC | SND_NOSTOP), 1);
}

TEST_F(SoundPlayerTest, StopEndsASynchronousWaitEarly) {
    writeTone(dir_ / "long.wav", 1500, 22050, 16, 1);
    std::thread stopper([] {
        std::this_thread::sleep_for(100ms);
        sndPlaySoundA(nullptr, 0);
    });
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(sndPlaySoundA(file("long.wav").c_str(), SND_SYNC), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 1000ms);
    stopper.join();
}

}  // namespace
