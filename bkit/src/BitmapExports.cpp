#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <vector>

#include "BKIT32.h"
#include "DibStore.h"
#include "DibView.h"
#include "platform/DibDecoder.h"
#include "platform/Paths.h"

namespace bkit {
namespace {

constexpr std::uint8_t kMaskDraws = 127;  // mask bytes below this draw the image's pixel
constexpr std::streamoff kLargestFile = 300ll << 20;

// A module's bitmap resources are the Qt resources under
// ":/<module>/bitmaps/", named as asked; <module> is the module's file name
// without a "lib" prefix and without extensions ("tessella", "PIXPICK32").
std::string resourcePath(const std::string& modulePath, const char* name) {
    std::string module = QFileInfo(QString::fromStdString(modulePath)).fileName().toStdString();
    if (module.rfind("lib", 0) == 0) {
        module.erase(0, 3);
    }
    module = module.substr(0, module.find('.'));
    return ":/" + module + "/bitmaps/" + name;
}

// The bytes of a file, or false when it cannot be opened; a file too large
// for any bitmap the decoder accepts reads as empty (and is refused).
bool readFile(const std::string& path, std::vector<std::uint8_t>& out) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size > 0 && size <= kLargestFile) {
        out.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(out.data()), size);
        out.resize(static_cast<std::size_t>(in.gcount()));
    }
    return true;
}

DibStore::Block* blockOf(const void* handle) {
    return handle != nullptr ? DibStore::instance().find(handle) : nullptr;
}

std::uint8_t* load(const char* name) {
    std::vector<std::uint8_t> bytes;
    if (!readFile(platform::resolvePath(name), bytes)) {
        return DibStore::instance().resource(resourcePath(platform::executablePath(), name));
    }
    const platform::PackedDib dib = platform::decodeDib(bytes);
    return dib.isNull() ? nullptr : DibStore::instance().adopt(dib, true);
}

void remap(DibView& dib, HPALETTE palette) {
    const std::uint32_t n = dib.colours();
    const auto m = static_cast<std::uint32_t>(GetPaletteSize(palette));
    std::uint8_t translate[256] = {};
    for (std::uint32_t i = 0; i < n; ++i) {
        const platform::Pixel p = dib.colour(i);
        translate[i] = static_cast<std::uint8_t>(
            GetNearestPaletteIndex(palette, platform::colorRefFromPixel(p)));
    }
    platform::BitmapInfoHeader h = dib.header();
    std::uint8_t* oldPixels = dib.pixels();
    std::uint8_t* newPixels = dib.table() + 4 * m;
    std::memmove(newPixels, oldPixels, h.sizeImage);
    h.clrUsed = m;
    h.compression = 0;
    dib.setHeader(h);
    dib.block().size = platform::BitmapInfoHeader::kBytes + 4 * m + h.sizeImage;
    if (h.bitCount == 8) {
        for (std::uint32_t i = 0; i < h.sizeImage; ++i) {
            newPixels[i] = translate[newPixels[i]];
        }
    } else if (h.bitCount == 4) {
        for (std::uint32_t i = 0; i < h.sizeImage; ++i) {
            const std::uint8_t b = newPixels[i];
            newPixels[i] = static_cast<std::uint8_t>((translate[b >> 4] & 0xFu) << 4 |
                                                     (translate[b & 0xFu] & 0xFu));
        }
    }
    std::vector<PALETTEENTRY> entries(m);
    GetPaletteEntries(palette, 0, m, entries.data());
    for (std::uint32_t i = 0; i < m; ++i) {
        std::uint8_t* q = dib.table() + 4 * i;
        q[0] = entries[i].peBlue;
        q[1] = entries[i].peGreen;
        q[2] = entries[i].peRed;
        q[3] = 0;
    }
}

}  // namespace
}  // namespace bkit

using bkit::DibView;

extern "C" {

PACKEDDIB BKITLoad(const char* name) {
    try {
        return name != nullptr ? bkit::load(name) : nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

PACKEDDIB BKITLoadFromResource(const char* name, HINSTANCE instance) {
    std::uint8_t* handle = nullptr;
    if (name != nullptr) {
        const std::string module =
            instance != nullptr ? platform::modulePathOf(instance) : platform::executablePath();
        try {
            handle = bkit::DibStore::instance().resource(bkit::resourcePath(module, name));
        } catch (const std::bad_alloc&) {
            handle = nullptr;
        }
    }
    DispatchSoundMessages();
    return handle;
}

void BKITFree(PACKEDDIB dib) {
    if (dib != nullptr) {
        bkit::DibStore::instance().release(dib);
    }
}

int BKITWidth(PACKEDDIB dib) {
    bkit::DibStore::Block* b = bkit::blockOf(dib);
    return b != nullptr ? DibView(*b).header().width : 0;
}

int BKITHeight(PACKEDDIB dib) {
    bkit::DibStore::Block* b = bkit::blockOf(dib);
    return b != nullptr ? DibView(*b).header().height : 0;
}

int BKITDraw(PACKEDDIB dib, HDC dc, int x, int y) {
    bkit::DibStore::Block* b = bkit::blockOf(dib);
    if (b == nullptr || dc == nullptr) {
        DispatchSoundMessages();
        return 0;
    }
    DibView view(*b);
    for (int r = 0; r < view.rows(); ++r) {
        const std::uint8_t* row = view.row(r);
        for (int c = 0; c < view.width(); ++c) {
            dc->setPixel(x + c, y + r, view.pixel(row, c));
        }
    }
    DispatchSoundMessages();
    return view.rows();
}

int BKITDibDrawWithMask(HDC dc, PACKEDDIB image, PACKEDDIB mask, int x, int y, int count, int,
                        int firstColumn, int firstRow) {
    bkit::DibStore::Block* ib = bkit::blockOf(image);
    bkit::DibStore::Block* mb = bkit::blockOf(mask);
    if (dc != nullptr && ib != nullptr && mb != nullptr) {
        DibView pic(*ib);
        DibView cut(*mb);
        if (pic.header().bitCount == 8 && cut.header().bitCount == 8) {
            const int rows = std::min(pic.rows(), cut.rows());
            const int columns = std::min(pic.width(), cut.width());
            const int c0 = std::max(firstColumn, 0);
            const int c1 = static_cast<int>(
                std::min<long>(columns, static_cast<long>(c0) + std::max(count, 0)));
            for (int r = std::max(firstRow, 0); r < rows; ++r) {
                const std::uint8_t* p = pic.row(r);
                const std::uint8_t* m = cut.row(r);
                for (int c = c0; c < c1; ++c) {
                    if (m[c] < bkit::kMaskDraws) {
                        dc->setPixel(x + c - firstColumn, y + r, pic.colour(p[c]));
                    }
                }
            }
        }
    }
    DispatchSoundMessages();
    return 0;
}

int BKITMirror256(PACKEDDIB dib) {
    bkit::DibStore::Block* b = bkit::blockOf(dib);
    if (b == nullptr) {
        return 0;
    }
    DibView view(*b);
    if (view.header().bitCount == 8) {
        for (int r = 0; r < view.rows(); ++r) {
            std::reverse(view.row(r), view.row(r) + view.width());
        }
    }
    DispatchSoundMessages();
    return 0;
}

int BKITDibMapToPalette(PACKEDDIB dib, HPALETTE palette) {
    bkit::DibStore::Block* b = bkit::blockOf(dib);
    if (b == nullptr || palette == nullptr) {
        return 0;
    }
    DibView view(*b);
    bkit::remap(view, palette);
    DispatchSoundMessages();
    return 0;
}

HPALETTE CreateDIBPalette(PACKEDDIB dib) {
    bkit::DibStore::Block* b = bkit::blockOf(dib);
    if (b == nullptr) {
        return nullptr;
    }
    DibView view(*b);
    const std::uint32_t n = view.header().clrUsed;
    std::vector<PALETTEENTRY> entries(n != 0 ? n : 256);
    if (n == 0) {
        const auto& stock = platform::defaultPaletteEntries();
        std::copy(stock.begin(), stock.end(), entries.begin());
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint8_t* q = view.table() + 4 * i;
        entries[i] = {q[2], q[1], q[0], 0};
    }
    return CreatePalette(entries.data(), static_cast<int>(entries.size()));
}
}
