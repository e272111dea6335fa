// A caller that sees only the public header and links only BKIT32: plays a
// main wave and two memory waves and checks what the sound device played,
// then uses every bitmap export. Arguments: a scratch
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

// Every bitmap export on a 4 x 3 bitmap of 8 bits with four colours.
int checkBitmaps(const std::string& dir) {
    std::string b = "BM";
    put32(b, 14 + 40 + 16 + 12);
    put32(b, 0);
    put32(b, 14 + 40 + 16);
    put32(b, 40);
    put32(b, 4);
    put32(b, 3);
    put32(b, 1 | 8u << 16);  // planes, bits
    for (int i = 0; i < 6; ++i) {
        put32(b, i == 4 ? 4 : 0);  // compression, image size, resolution, colours used 4, important
    }
    for (std::uint32_t c : {0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu}) {
        put32(b, c);
    }
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            b += static_cast<char>((c + r) % 4);
        }
    }
    std::ofstream(dir + "/tiny.bmp", std::ios::binary) << b;
    PACKEDDIB dib = BKITLoad((dir + "/tiny.bmp").c_str());
    PACKEDDIB mask = BKITLoad((dir + "/tiny.bmp").c_str());
    if (dib == nullptr || BKITWidth(dib) != 4 || BKITHeight(dib) != 3) {
        return fail("BKITLoad");
    }
    platform::Surface screen(8, 8, 0xFFFFFF);
    if (BKITDraw(dib, &screen, 1, 1) != 3 || screen.pixel(1, 3) != 0x000000 ||
        screen.pixel(2, 3) != 0xFF0000) {
        return fail("BKITDraw");
    }
    BKITMirror256(dib);
    BKITDibDrawWithMask(&screen, dib, mask, 4, 4, 4, 0, 0, 0);  // mask bytes 0..3 all draw
    if (screen.pixel(4, 6) != 0x0000FF) {
        return fail("BKITDibDrawWithMask after BKITMirror256");
    }
    HPALETTE palette = CreateDIBPalette(dib);
    BKITDibMapToPalette(mask, palette);
    if (palette == nullptr || BKITWidth(mask) != 4) {
        return fail("CreateDIBPalette or BKITDibMapToPalette");
    }
    if (BKITLoadFromResource("NO SUCH BITMAP", nullptr) != nullptr) {
        return fail("BKITLoadFromResource");
    }
    DeletePalette(palette);
    BKITFree(dib);
    BKITFree(mask);
    return 0;
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
    return checkBitmaps(dir);
}
