#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "BKIT32.h"
#include "BkitFixture.h"
#include "platform/ByteWriter.h"

// Writes 16-bit PCM wave files and hears the engine through SDL's disk
// driver, which writes what the device plays to a file, here 16 times faster
// than real time.
class WaveTest : public BkitFixture {
  protected:
    static constexpr std::uint32_t kRate = 8000;
    static constexpr std::uint32_t kSecond = kRate * 2;  // bytes per second, mono

    void SetUp() override {
        BkitFixture::SetUp();
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", file("out.raw").c_str(), 1);
        ::setenv("SDL_DISKAUDIODELAY", "4", 1);
        InitSound(0);
    }
    void TearDown() override {
        ExitSound();
        CloseWaveCollection();
        BkitFixture::TearDown();
    }

    static std::vector<std::uint8_t> waveBytes(const std::vector<std::int16_t>& samples,
                                               std::uint16_t formatTag = 1) {
        platform::ByteWriter w;
        const auto data = static_cast<std::uint32_t>(samples.size() * 2);
        w.bytes(text("RIFF"));
        w.u32(36 + data);
        w.bytes(text("WAVEfmt "));
        w.u32(16);
        w.u16(formatTag);
        w.u16(1);
        w.u32(kRate);
        w.u32(kSecond);
        w.u16(2);
        w.u16(16);
        w.bytes(text("data"));
        w.u32(data);
        for (const std::int16_t s : samples) {
            w.i16(s);
        }
        return w.take();
    }
    std::string writeWave(const std::string& name, const std::vector<std::int16_t>& samples) {
        writeBytes(name, waveBytes(samples));
        return file(name);
    }
    void writeBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(dir_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::int16_t> ramp(std::size_t n, int base, int step, int period) {
        std::vector<std::int16_t> s(n);
        for (std::size_t i = 0; i < n; ++i) {
            s[i] = static_cast<std::int16_t>(base + static_cast<int>(i % period) * step);
        }
        return s;
    }

    // Pumps the engine for the given wall-clock time.
    static void pumpFor(int ms) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            DispatchSoundMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    // Pumps until done() holds; false after five seconds.
    static bool pumpUntil(const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            DispatchSoundMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // What the device played, from the first sound on (the device may play
    // silence before the first buffer arrives). Ends the engine.
    std::vector<std::int16_t> heard() {
        ExitSound();
        std::ifstream in(file("out.raw"), std::ios::binary);
        std::vector<std::int16_t> all;
        std::int16_t s;
        while (in.read(reinterpret_cast<char*>(&s), 2)) {
            all.push_back(s);
        }
        std::size_t first = 0;
        while (first < all.size() && all[first] == 0) {
            ++first;
        }
        return {all.begin() + static_cast<std::ptrdiff_t>(first), all.end()};
    }

    static std::int16_t sat(int v) {
        return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
    }

  private:
    static std::vector<std::uint8_t> text(const char* t) {
        return {t, t + std::char_traits<char>::length(t)};
    }
};
