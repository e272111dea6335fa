// A caller that sees only the public header and links only BKIT32: plays a
// main wave and two memory waves (one from a wave file, one from a
// collection) and checks what the sound device played. Arguments: a scratch
// directory. Exit status 0 when everything was heard as expected.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "BKIT32.h"

namespace {

constexpr std::uint32_t kRate = 8000;

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>(v >> (8 * i));
    }
}

void writeWave(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::string b = "RIFF";
    put32(b, 36 + static_cast<std::uint32_t>(samples.size() * 2));
    b += "WAVEfmt ";
    put32(b, 16);
    put32(b, 1 | 1u << 16);  // PCM, mono
    put32(b, kRate);
    put32(b, kRate * 2);
    put32(b, 2 | 16u << 16);  // block align 2, 16 bits
    b += "data";
    put32(b, static_cast<std::uint32_t>(samples.size() * 2));
    for (const std::int16_t s : samples) {
        b += static_cast<char>(s & 0xFF);
        b += static_cast<char>((s >> 8) & 0xFF);
    }
    std::ofstream(path, std::ios::binary) << b;
}

void pumpFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        DispatchSoundMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

int fail(const char* what) {
    std::fprintf(stderr, "public caller: %s\n", what);
    return 1;
}

void countEnd(std::intptr_t counter, std::intptr_t) {
    ++*reinterpret_cast<int*>(counter);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return fail("usage: bkit_public_caller <scratch directory>");
    }
    const std::string dir = argv[1];
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (dir + "/public.raw").c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "4", 1);
    writeWave(dir + "/main.wav", std::vector<std::int16_t>(2 * kRate, 8000));
    writeWave(dir + "/beep.wav", std::vector<std::int16_t>(1000, 4000));

    if (InitSound(0) != 1) {
        return fail("InitSound");
    }
    PlayWave((dir + "/main.wav").c_str());
    WaveRecord* beep = LoadWave((dir + "/beep.wav").c_str());
    if (beep == nullptr) {
        return fail("LoadWave");
    }
    int ended = 0;
    const std::uint32_t first = PlayMemoryWave(beep);
    SetNotifyCallBack(first, &countEnd, reinterpret_cast<std::intptr_t>(&ended), 0);
    pumpFor(40);
    if (AddWave((dir + "/beep.wav").c_str()) != 1) {
        return fail("AddWave");
    }
    pumpFor(1300);
    FreeMemoryWave(beep);
    ExitSound();
    if (ended != 1) {
        return fail("the end of the memory wave was not notified");
    }

    // Main 4000 under everything; each memory wave adds 1000.
    std::ifstream in(dir + "/public.raw", std::ios::binary);
    std::vector<std::int16_t> heard;
    for (std::int16_t s; in.read(reinterpret_cast<char*>(&s), 2);) {
        heard.push_back(s);
    }
    int mainOnly = 0, one = 0, two = 0, other = 0;
    for (const std::int16_t s : heard) {
        mainOnly += s == 4000;
        one += s == 4000 + 1000 || s == 1000;
        two += s == 4000 + 2000 || s == 2000;
        other += s != 0 && s != 4000 && s != 5000 && s != 1000 && s != 6000 && s != 2000;
    }
    if (mainOnly < static_cast<int>(kRate) || one == 0 || one + 2 * two != 2000 || other != 0) {
        return fail("the output is not the main wave halved with two memory waves quartered");
    }
    return 0;
}
