#include "TargaReader.h"

#include <cstring>
#include <memory>

#include "DibConvert.h"
#include "Progress.h"
#include "StbImage.h"
#include "platform/ByteReader.h"

namespace imagelib {
namespace {

constexpr std::size_t kHeaderBytes = 18;

// Feeds stb's reader from memory, reporting progress and noting a request for
// bytes beyond the end.
struct Feed {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool readPastEnd = false;
    Progress* progress;
};

int feedRead(void* user, char* out, int size) {
    auto* f = static_cast<Feed*>(user);
    const std::size_t left = f->size - f->at;
    const std::size_t n = std::min(left, static_cast<std::size_t>(size));
    if (n == 0) {
        f->readPastEnd = true;
        return 0;
    }
    std::memcpy(out, f->data + f->at, n);
    f->at += n;
    f->progress->step(static_cast<long long>(f->at), static_cast<long long>(f->size));
    return static_cast<int>(n);
}

void feedSkip(void* user, int n) {
    auto* f = static_cast<Feed*>(user);
    if (n < 0) {
        f->at -= std::min(f->at, static_cast<std::size_t>(-n));
        return;
    }
    f->at += std::min(f->size - f->at, static_cast<std::size_t>(n));
}

int feedEof(void* user) {
    auto* f = static_cast<Feed*>(user);
    return f->at >= f->size ? 1 : 0;
}

}  // namespace

bool TargaReader::ping(int* width, int* height, int* bits) const {
    if (size_ < kHeaderBytes) {
        return false;
    }
    platform::ByteReader h(data_, kHeaderBytes);
    const int idBytes = h.u8();
    const int mapType = h.u8();
    const int type = h.u8();
    h.skip(2);  // first colour-map entry
    const int mapLength = h.u16();
    const int mapBits = h.u8();
    h.skip(4);  // x and y origin
    const int w = h.u16();
    const int ht = h.u16();
    const int depth = h.u8();
    const int descriptor = h.u8();
    const bool mapped = type == 1 || type == 9;
    const bool trueColour = type == 2 || type == 10;
    const bool grey = type == 3 || type == 11;
    if (mapType > 1 || !(mapped || trueColour || grey) || (mapped && mapType != 1) ||
        (descriptor & 0xC0) != 0 || w == 0 || ht == 0) {
        return false;
    }
    if ((mapped && depth != 8) || (grey && depth != 8) ||
        (trueColour && depth != 15 && depth != 16 && depth != 24 && depth != 32)) {
        return false;
    }
    if (mapType == 1 && mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32) {
        return false;
    }
    const std::size_t mapBytes =
        mapType == 1 ? static_cast<std::size_t>(mapLength) * ((mapBits + 7) / 8) : 0;
    const std::size_t headBytes = kHeaderBytes + idBytes + mapBytes;
    const bool rle = type >= 9;
    const std::size_t pixelBytes = static_cast<std::size_t>(w) * ht * ((depth + 7) / 8);
    // Run-length coding packs at most 128 pixels into one packet.
    const std::size_t minimum = rle ? pixelBytes / 128 : pixelBytes;
    if (headBytes + minimum > size_) {
        return false;
    }
    *width = w;
    *height = ht;
    *bits = mapped || grey ? 8 : 24;
    return true;
}

platform::PackedDib TargaReader::read() const {
    int w = 0;
    int h = 0;
    int bits = 0;
    if (!ping(&w, &h, &bits) || !sizeAllowed(w, h)) {
        return {};
    }
    Progress decoding(0, 80);
    Feed feed{data_, size_, 0, false, &decoding};
    const stbi_io_callbacks io{feedRead, feedSkip, feedEof};
    int gotW = 0;
    int gotH = 0;
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_callbacks(&io, &feed, &gotW, &gotH, &channels, 3), stbi_image_free);
    if (!pixels || feed.readPastEnd || gotW != w || gotH != h) {
        return {};
    }
    auto dib = platform::PackedDib::create(w, h, 24);
    Progress converting(80, 100);
    for (int y = 0; y < h; ++y) {
        const stbi_uc* in = pixels.get() + static_cast<std::size_t>(y) * w * 3;
        std::uint8_t* out = dib.row(y);
        for (int x = 0; x < w; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
        converting.step(y + 1, h);
    }
    return dib;
}

}  // namespace imagelib
