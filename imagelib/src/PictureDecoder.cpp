#include "PictureDecoder.h"

#include <QImage>
#include <QImageReader>
#include <cstring>
#include <string>

#include "DibConvert.h"
#include "FileCompleteness.h"
#include "MemoryDevice.h"
#include "Progress.h"
#include "TargaReader.h"
#include "imagelib.h"
#include "platform/DibDecoder.h"

namespace imagelib {
namespace {

bool startsWith(const std::uint8_t* data, std::size_t size, const char* magic, std::size_t n) {
    return size >= n && std::memcmp(data, magic, n) == 0;
}

bool indexedFormat(QImage::Format f) {
    return f == QImage::Format_Indexed8 || f == QImage::Format_Mono || f == QImage::Format_MonoLSB;
}

// Bitmap files go through the platform's one bitmap decoder (core headers,
// RLE8 and RLE4 included, every size checked against the bytes). Only what
// it does not know at all (bit fields, 16 bits per pixel) is left to Qt:
// *toQt tells so. A file it refuses for any other reason is refused.
platform::PackedDib decodeBitmap(const std::uint8_t* data, std::size_t size, bool* toQt) {
    std::string why;
    platform::PackedDib dib = platform::decodeDib({data, size}, &why);
    *toQt = dib.isNull() && (why == "unsupported compression" || why == "unsupported bit count");
    return dib.isNull() ? dib : normaliseDib(dib);
}

}  // namespace

const char* PictureDecoder::qtFormat() const {
    if (startsWith(data_, size_, "\xFF\xD8\xFF", 3)) {
        return "jpeg";
    }
    if (startsWith(data_, size_, "\x89PNG\r\n\x1A\n", 8)) {
        return "png";
    }
    if (startsWith(data_, size_, "GIF87a", 6) || startsWith(data_, size_, "GIF89a", 6)) {
        return "gif";
    }
    if (startsWith(data_, size_, "II*\0", 4) || startsWith(data_, size_, "MM\0*", 4)) {
        return "tiff";
    }
    if (startsWith(data_, size_, "BM", 2)) {
        return "bmp";
    }
    return nullptr;
}

int PictureDecoder::scaleDivisor(QSize size) const {
    if (floor_.isEmpty() || size != floorFull_) {
        return 1;
    }
    for (int divisor : {8, 4, 2}) {
        if (size.width() / divisor >= floor_.width() &&
            size.height() / divisor >= floor_.height()) {
            return divisor;
        }
    }
    return 1;
}

bool PictureDecoder::ping(int* width, int* height, int* bits) const {
    const char* format = qtFormat();
    if (format == nullptr) {
        return TargaReader(data_, size_).ping(width, height, bits);
    }
    if (std::strcmp(format, "bmp") == 0) {
        bool toQt = false;
        const platform::PackedDib dib = decodeBitmap(data_, size_, &toQt);
        if (!toQt) {
            *width = dib.isNull() ? 0 : dib.width();
            *height = dib.isNull() ? 0 : dib.height();
            *bits = dib.isNull() ? 0 : dib.bitCount();
            return !dib.isNull();
        }
    }
    MemoryDevice device(data_, size_, nullptr);
    QImageReader reader(&device, format);
    const QSize size = reader.size();
    if (!size.isValid() || !sizeAllowed(size.width(), size.height())) {
        return false;
    }
    *width = size.width();
    *height = size.height();
    *bits = indexedFormat(reader.imageFormat()) ? 8 : 24;
    return true;
}

platform::PackedDib PictureDecoder::decode() const {
    const char* format = qtFormat();
    if (format == nullptr) {
        return TargaReader(data_, size_).read();
    }
    if (std::strcmp(format, "bmp") == 0) {
        bool toQt = false;
        platform::PackedDib dib = decodeBitmap(data_, size_, &toQt);
        if (!toQt) {
            return dib;
        }
    }
    // Qt's own ceiling on a decoded picture is lower than the library's;
    // raise it so that every picture the library accepts can be decoded.
    constexpr int kAllocationMegabytes = static_cast<int>(IMG_MAX_PIXELS * 4 / (1024 * 1024)) + 16;
    QImageReader::setAllocationLimit(kAllocationMegabytes);
    Progress reading(0, 80);
    MemoryDevice device(data_, size_, &reading);
    QImageReader reader(&device, format);
    const QSize size = reader.size();
    if (size.isValid() && !sizeAllowed(size.width(), size.height())) {
        return {};
    }
    const bool jpeg = std::strcmp(format, "jpeg") == 0;
    const int divisor = jpeg && size.isValid() ? scaleDivisor(size) : 1;
    if (divisor > 1) {
        // Qt's JPEG reader picks the decoder's scale from the requested size.
        reader.setScaledSize(QSize(size.width() / divisor, size.height() / divisor));
    }
    QImage image;
    if ((std::strcmp(format, "bmp") == 0 && !bitmapComplete(data_, size_)) ||
        (std::strcmp(format, "gif") == 0 && !gifComplete(data_, size_))) {
        return {};
    }
    // Qt's JPEG reader makes up the missing end of a cut file, so a request
    // for bytes beyond the end is what tells such a file apart.
    if (!reader.read(&image) || (jpeg && device.readPastEnd())) {
        return {};
    }
    Progress converting(80, 100);
    return dibFromImage(image, converting);
}

}  // namespace imagelib
