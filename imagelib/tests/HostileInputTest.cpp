#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "TestPictures.h"
#include "imagelib.h"
#include "platform/ByteWriter.h"
#include "platform/PackedDib.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A bitmap file with the file header: core (12-byte) or 40-byte header,
// 4 bits per pixel, 3 x 2 pixels, colours 0 = red, 1 = blue, 2 = white.
Bytes bitmapFile(bool core, std::uint32_t compression, const Bytes& bits) {
    const std::uint32_t header = core ? 12 : 40;
    const std::uint32_t table = core ? 16 * 3 : 16 * 4;
    const auto offset = 14 + header + table;
    platform::ByteWriter w;
    w.u16(0x4D42);
    w.u32(offset + static_cast<std::uint32_t>(bits.size()));
    w.u32(0);
    w.u32(offset);
    w.u32(header);
    if (core) {
        for (std::uint16_t v : {3, 2, 1, 4}) {
            w.u16(v);
        }
    } else {
        w.u32(3);
        w.u32(2);
        w.u16(1);
        w.u16(4);
        for (std::uint32_t v :
             {compression, static_cast<std::uint32_t>(bits.size()), 0u, 0u, 16u, 0u}) {
            w.u32(v);
        }
    }
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t colour = i == 0 ? 0xFF0000 : i == 1 ? 0x0000FF : 0xFFFFFF;
        w.u8(colour & 0xFF);
        w.u8((colour >> 8) & 0xFF);
        w.u8(colour >> 16);
        if (!core) {
            w.u8(0);
        }
    }
    for (std::uint8_t b : bits) {
        w.u8(b);
    }
    return w.take();
}

// Colour of pixel (x, y) from the top of an 8-bit slot, 0x00RRGGBB.
std::uint32_t colourAt(int slot, int x, int y) {
    int w = 0, h = 0, bits = 0;
    const std::uint8_t* block = IMGGetDib(slot, &w, &h, &bits);
    EXPECT_EQ(bits, 8);
    const auto dib = platform::PackedDib::fromBlock({block, block + IMGGetDibSize(slot)});
    const platform::RgbQuad q = dib.colour(dib.row(y)[x]);
    return (q.red << 16) | (q.green << 8) | q.blue;
}

void expectPixels(const Bytes& file) {
    const int slot = IMGReadFromMemory(file.data(), static_cast<std::uint32_t>(file.size()));
    ASSERT_GE(slot, 0);
    EXPECT_EQ(colourAt(slot, 0, 0), 0x0000FFu);  // top row: blue, white, red
    EXPECT_EQ(colourAt(slot, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(colourAt(slot, 2, 0), 0xFF0000u);
    EXPECT_EQ(colourAt(slot, 0, 1), 0xFF0000u);  // bottom row: red, blue, red
    EXPECT_EQ(colourAt(slot, 1, 1), 0x0000FFu);
    IMGFree(slot);
}

std::string scratch(const std::string& name) {
    const std::string dir = TESSELLA_TEST_OUTPUT "/imagelib-hostile";
    QDir().mkpath(QString::fromStdString(dir));
    return dir + "/" + name;
}

}  // namespace

TEST(HostileInput, CoreHeaderAndRle4BitmapsLoadLikeOthers) {
    // Rows bottom-up, 4 bytes each.
    expectPixels(bitmapFile(true, 0, {0x01, 0x00, 0, 0, 0x12, 0x00, 0, 0}));
    expectPixels(bitmapFile(false, 0, {0x01, 0x00, 0, 0, 0x12, 0x00, 0, 0}));
    const Bytes rle4 = bitmapFile(false, 2, {3, 0x01, 0, 0, 0, 3, 0x12, 0x00, 0, 1});
    expectPixels(rle4);
    // Cut short, the run-length bitmap is refused, not filled in.
    const Bytes cut(rle4.begin(), rle4.end() - 2);
    EXPECT_EQ(IMGReadFromMemory(cut.data(), static_cast<std::uint32_t>(cut.size())), -1);
}

TEST(HostileInput, APictureInsideAFileIsReadOnlyWithinItsPart) {
    const QByteArray png = testpics::encode(testpics::quadrants(8, 6), "png");
    const std::string path = testpics::writeEmbedded("part.bin", "EMBLEM", png, "INFO BLOCK");
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const int whole = IMGReadFromFilePart(f, 6, png.size());
    EXPECT_GE(whole, 0);
    IMGFree(whole);
    EXPECT_EQ(IMGReadFromFilePart(f, 6, png.size() - 10), -1);
    std::fclose(f);
}

TEST(HostileInput, PipesAreRefusedWithoutOpening) {
    const std::string pipe = scratch("pipe.bmp");
    std::remove(pipe.c_str());
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Opening a pipe without a writer would block for good.
    EXPECT_EQ(IMGPingFile(pipe.c_str(), nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(IMGReadPreview(pipe.c_str()), -1);
}

#if !defined(__SANITIZE_ADDRESS__)
namespace {

// Leaves the process extra bytes of address space beyond what it holds.
void limitAddressSpace(rlim_t extra) {
    long held = 0;
    std::ifstream("/proc/self/statm") >> held;
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(held) * 4096 + extra;
    setrlimit(RLIMIT_AS, &limit);
}

// A 16 x 4096 picture made 4096 x 512 (an intermediate of the whole target
// width by the source height once needed 48 MiB), then made too large for
// the memory left.
bool resampledWithin48MiB() {
    const auto source = platform::PackedDib::create(16, 4096, 24);
    const int slot = IMGCreateFromDib(source.data(), static_cast<std::uint32_t>(source.size()));
    limitAddressSpace(48u << 20);
    return slot >= 0 && IMGResample(slot, 4096, 512) == 1 && IMGResample(slot, 32767, 2047) == 0;
}

}  // namespace

// Under a limit on address space, resampling needs memory for its source and
// result only, and a result too large for the memory left is refused instead
// of ending the process.
TEST(HostileInputDeathTest, ResamplingStaysWithinTheMemoryOfItsPictures) {
    EXPECT_EXIT(std::exit(resampledWithin48MiB() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}
#endif
