// The exported C functions: each looks its slot up and hands the work to the
// classes of this library.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "DibConvert.h"
#include "DibPainter.h"
#include "PictureDecoder.h"
#include "Progress.h"
#include "Resampler.h"
#include "SlotTable.h"
#include "StandardColours.h"
#include "imagelib.h"
#include "platform/NoThrow.h"
#include "platform/Surface.h"

namespace {

using imagelib::slotTable;

// Largest run of file bytes read for one picture; beyond it the file is not
// taken as a picture at all.
constexpr long long kMaxFileBytes = 512LL * 1024 * 1024;

int loadingPriority = IMG_PRIORITY_MEDIUM;
// The picture size and the floor of the next reads' JPEG decoder scale.
QSize decodeFloorFull;
QSize decodeFloor;

int slotFromBytes(const std::vector<std::uint8_t>& bytes) {
    return platform::withoutThrowing(-1, [&] {
        imagelib::PictureDecoder decoder(bytes.data(), bytes.size());
        decoder.setFloor(decodeFloorFull, decodeFloor);
        auto dib = decoder.decode();
        return dib.isNull() ? -1 : slotTable().add(std::move(dib));
    });
}

// Reads length bytes (or, for a negative length, up to the end) from the
// descriptor at offset, without moving it. Only regular files are read: a
// pipe or device named as a picture would block or never end.
bool readPart(int fd, long offset, long length, std::vector<std::uint8_t>& bytes) {
    return platform::withoutThrowing(false, [&] {
        struct stat st {};
        if (fd < 0 || offset < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_size <= offset) {
            return false;
        }
        const long long available = st.st_size - offset;
        const long long wanted = length < 0 ? available : std::min<long long>(length, available);
        if (wanted <= 0 || wanted > kMaxFileBytes) {
            return false;
        }
        bytes.resize(static_cast<std::size_t>(wanted));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = pread(fd, bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(offset + static_cast<long>(done)));
            if (n <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        return true;
    });
}

// Opens path for reading when it names a regular file; -1 otherwise.
int openRegular(const char* path) {
    struct stat st {};
    if (path == nullptr || stat(path, &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;
    }
    return open(path, O_RDONLY | O_CLOEXEC);
}

// Size and bits per pixel of the picture in length bytes at offset (to the
// end for a negative length); 1 when they hold a readable picture.
int pingPart(int fd, long offset, long length, int* width, int* height, int* bits) {
    return platform::withoutThrowing(0, [&] {
        std::vector<std::uint8_t> bytes;
        int w = 0;
        int h = 0;
        int b = 0;
        if (!readPart(fd, offset, length, bytes) ||
            !imagelib::PictureDecoder(bytes.data(), bytes.size()).ping(&w, &h, &b)) {
            return 0;
        }
        for (auto [out, value] : {std::pair{width, w}, {height, h}, {bits, b}}) {
            if (out != nullptr) {
                *out = value;
            }
        }
        return 1;
    });
}

}  // namespace

extern "C" {

int IMGReadFromFile(std::FILE* file, long offset, int flags) {
    if (file == nullptr) {
        return -1;
    }
    std::fflush(file);
    return IMGReadFromDescriptor(fileno(file), offset, flags);
}

int IMGReadFromFilePart(std::FILE* file, long offset, long length) {
    if (file == nullptr) {
        return -1;
    }
    std::fflush(file);
    std::vector<std::uint8_t> bytes;
    return readPart(fileno(file), offset, length, bytes) ? slotFromBytes(bytes) : -1;
}

int IMGReadFromDescriptor(int fd, long offset, int flags) {
    std::vector<std::uint8_t> bytes;
    if (flags != 0 || !readPart(fd, offset, -1, bytes)) {
        return -1;
    }
    return slotFromBytes(bytes);
}

int IMGReadFromMemory(const std::uint8_t* bytes, std::uint32_t size) {
    if (bytes == nullptr || size == 0) {
        return -1;
    }
    return slotFromBytes({bytes, bytes + size});
}

int IMGCreateFromDib(const std::uint8_t* packedDib, std::uint32_t size) {
    return platform::withoutThrowing(-1, [&] {
        if (packedDib == nullptr) {
            return -1;
        }
        const auto given = platform::PackedDib::fromBlock({packedDib, packedDib + size});
        auto dib = imagelib::normaliseDib(given);
        return dib.isNull() ? -1 : slotTable().add(std::move(dib));
    });
}

void IMGFree(int slot) {
    slotTable().remove(slot);
}

std::uint8_t* IMGGetDib(int slot, int* width, int* height, int* bits) {
    imagelib::Slot* s = slotTable().find(slot);
    if (s == nullptr) {
        return nullptr;
    }
    if (width != nullptr) {
        *width = s->dib.width();
    }
    if (height != nullptr) {
        *height = s->dib.height();
    }
    if (bits != nullptr) {
        *bits = s->dib.bitCount();
    }
    return s->dib.data();
}

std::uint32_t IMGGetDibSize(int slot) {
    imagelib::Slot* s = slotTable().find(slot);
    return s == nullptr ? 0 : static_cast<std::uint32_t>(s->dib.size());
}

int IMGGetRect(int slot, int* left, int* top, int* right, int* bottom) {
    imagelib::Slot* s = slotTable().find(slot);
    if (s == nullptr) {
        return 0;
    }
    *left = 0;
    *top = 0;
    *right = s->dib.width();
    *bottom = s->dib.height();
    return 1;
}

int IMGResample(int slot, int width, int height) {
    return platform::withoutThrowing(0, [&] {
        imagelib::Slot* s = slotTable().find(slot);
        if (s == nullptr) {
            return 0;
        }
        imagelib::Progress progress(0, 100);
        auto dib = imagelib::Resampler(loadingPriority).resample(s->dib, width, height, progress);
        if (dib.isNull()) {
            return 0;
        }
        s->dib = std::move(dib);
        return 1;
    });
}

void IMGSetLoadingPriority(int priority) {
    loadingPriority = priority == IMG_PRIORITY_SPEED || priority == IMG_PRIORITY_QUALITY
                          ? priority
                          : IMG_PRIORITY_MEDIUM;
}

int IMGGetLoadingPriority(void) {
    return loadingPriority;
}

platform::Surface* IMGCreateBitmap(int slot, int width, int height) {
    return platform::withoutThrowing(
        static_cast<platform::Surface*>(nullptr), [&]() -> platform::Surface* {
            imagelib::Slot* s = slotTable().find(slot);
            if (s == nullptr) {
                return nullptr;
            }
            imagelib::Progress progress(0, 100);
            const auto dib =
                imagelib::Resampler(loadingPriority).resample(s->dib, width, height, progress);
            if (dib.isNull()) {
                return nullptr;
            }
            return new platform::Surface(imagelib::DibPainter(dib).toSurface());
        });
}

void IMGFreeBitmap(platform::Surface* bitmap) {
    delete bitmap;
}

int IMGDrawBitmap(const platform::Surface* bitmap, platform::Surface* dc, int x, int y) {
    if (bitmap == nullptr || dc == nullptr) {
        return 0;
    }
    dc->blit(x, y, bitmap->width(), bitmap->height(), *bitmap, 0, 0);
    return 1;
}

int IMGReduceTo16Colours(int slot) {
    return platform::withoutThrowing(0, [&] {
        imagelib::Slot* s = slotTable().find(slot);
        if (s == nullptr) {
            return 0;
        }
        s->dib = imagelib::reduceTo16(s->dib);
        return 1;
    });
}

int IMGRealizePalette(int slot, platform::Surface*) {
    return slotTable().find(slot) == nullptr ? -1 : 0;
}

int IMGDrawStretched(int slot, platform::Surface* dc, int left, int top, int right, int bottom) {
    return platform::withoutThrowing(0, [&] {
        imagelib::Slot* s = slotTable().find(slot);
        if (s == nullptr || dc == nullptr) {
            return 0;
        }
        imagelib::DibPainter(s->dib).stretch(*dc, {left, top, right, bottom});
        return 1;
    });
}

int IMGSetDisplayOption(int slot, std::uint16_t option) {
    imagelib::Slot* s = slotTable().find(slot);
    if (s == nullptr) {
        return 0;
    }
    s->displayOption = option;
    return 1;
}

int IMGGetDisplayOption(int slot) {
    imagelib::Slot* s = slotTable().find(slot);
    return s == nullptr ? -1 : s->displayOption;
}

int IMGPrepareForWindow(int slot, QWidget* window, int mode) {
    imagelib::Slot* s = slotTable().find(slot);
    if (s == nullptr) {
        return 0;
    }
    s->window = window;
    s->windowMode = mode;
    return 1;
}

void IMGSetProgress(void* record, IMGProgressProc progress, int enable) {
    if (enable == 1 && progress != nullptr) {
        imagelib::Progress::install(record, progress);
    } else {
        imagelib::Progress::install(nullptr, nullptr);
    }
}

int IMGBeginAccess(int) {
    return 1;
}

int IMGReadPreview(const char* path) {
    if (path == nullptr) {
        return -1;
    }
    const int fd = openRegular(path);
    if (fd < 0) {
        return -1;
    }
    const int slot = IMGReadFromDescriptor(fd, 0, 0);
    close(fd);
    return slot;
}

int IMGDrawPreview(int slot, platform::Surface* dc, int left, int top, int right, int bottom,
                   std::uint32_t background) {
    return platform::withoutThrowing(0, [&] {
        imagelib::Slot* s = slotTable().find(slot);
        if (s == nullptr || dc == nullptr) {
            return 0;
        }
        imagelib::DibPainter(s->dib).fit(*dc, {left, top, right, bottom}, background);
        return 1;
    });
}

void IMGSetDecodeFloor(int fullWidth, int fullHeight, int width, int height) {
    decodeFloorFull = QSize(fullWidth, fullHeight);
    decodeFloor = QSize(width, height);
}

int IMGPingFile(const char* path, int* width, int* height, int* bits) {
    const int fd = openRegular(path);
    const int found = pingPart(fd, 0, -1, width, height, bits);
    if (fd >= 0) {
        close(fd);
    }
    return found;
}

int IMGPingFilePart(std::FILE* file, long offset, long length, int* width, int* height, int* bits) {
    if (file == nullptr) {
        return 0;
    }
    std::fflush(file);
    return pingPart(fileno(file), offset, length, width, height, bits);
}
}
