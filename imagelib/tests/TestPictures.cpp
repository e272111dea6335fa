#include "TestPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

namespace testpics {

QImage quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            QRgb c = bottom ? (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255))
                            : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0));
            image.setPixel(x, y, c);
        }
    }
    return image;
}

QByteArray encode(const QImage& image, const char* format) {
    if (QByteArray(format) == "gif") {
        return gif(image);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (QByteArray(format) == "jpeg") {
        writer.setQuality(95);
    }
    writer.write(image);
    return bytes;
}

namespace {

void appendPixel(QByteArray& out, QRgb c) {
    out.append(static_cast<char>(qBlue(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qRed(c)));
}

// Run-length packets of one row: runs of equal pixels as run packets, the
// rest as raw packets, each at most 128 pixels.
void appendRleRow(QByteArray& out, const QImage& image, int y) {
    int x = 0;
    while (x < image.width()) {
        int run = 1;
        while (x + run < image.width() && run < 128 &&
               image.pixel(x + run, y) == image.pixel(x, y)) {
            ++run;
        }
        if (run > 1) {
            out.append(static_cast<char>(0x80 | (run - 1)));
            appendPixel(out, image.pixel(x, y));
            x += run;
            continue;
        }
        out.append(static_cast<char>(0));
        appendPixel(out, image.pixel(x, y));
        ++x;
    }
}

}  // namespace

namespace {

void append16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

// Packs codes least significant bit first into GIF sub-blocks.
class GifBits {
  public:
    void put(int code, int width) {
        acc_ |= static_cast<quint32>(code) << used_;
        used_ += width;
        while (used_ >= 8) {
            bytes_.append(static_cast<char>(acc_ & 0xFF));
            acc_ >>= 8;
            used_ -= 8;
        }
    }
    QByteArray blocks() {
        if (used_ > 0) {
            bytes_.append(static_cast<char>(acc_ & 0xFF));
        }
        QByteArray out;
        for (int i = 0; i < bytes_.size(); i += 255) {
            const QByteArray part = bytes_.mid(i, 255);
            out.append(static_cast<char>(part.size()));
            out.append(part);
        }
        out.append('\0');
        return out;
    }

  private:
    QByteArray bytes_;
    quint32 acc_ = 0;
    int used_ = 0;
};

}  // namespace

QByteArray gif(const QImage& image) {
    QList<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!colours.contains(image.pixel(x, y))) {
                colours.append(image.pixel(x, y));
            }
        }
    }
    QByteArray out("GIF89a");
    append16(out, image.width());
    append16(out, image.height());
    out.append(static_cast<char>(0xF6));  // global table of 128 entries
    out.append('\0');
    out.append('\0');
    for (int i = 0; i < 128; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : 0;
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    out.append(',');
    append16(out, 0);
    append16(out, 0);
    append16(out, image.width());
    append16(out, image.height());
    out.append('\0');
    out.append(static_cast<char>(7));  // minimum code size: codes are 8 bits wide
    GifBits bits;
    const int clear = 128;
    int sinceClear = 0;
    bits.put(clear, 8);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (sinceClear == 100) {  // clear before the codes grow to 9 bits
                bits.put(clear, 8);
                sinceClear = 0;
            }
            bits.put(static_cast<int>(colours.indexOf(image.pixel(x, y))), 8);
            ++sinceClear;
        }
    }
    bits.put(clear + 1, 8);
    out.append(bits.blocks());
    out.append(';');
    return out;
}

quint32 pngCrc(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= static_cast<quint8>(ch);
        for (int k = 0; k < 8; ++k) {
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

QByteArray targa(const QImage& image, bool rle, bool topDown, bool footer) {
    QByteArray out(18, '\0');
    out[2] = static_cast<char>(rle ? 10 : 2);
    out[12] = static_cast<char>(image.width() & 0xFF);
    out[13] = static_cast<char>(image.width() >> 8);
    out[14] = static_cast<char>(image.height() & 0xFF);
    out[15] = static_cast<char>(image.height() >> 8);
    out[16] = 24;
    out[17] = static_cast<char>(topDown ? 0x20 : 0);
    for (int i = 0; i < image.height(); ++i) {
        const int y = topDown ? i : image.height() - 1 - i;
        if (rle) {
            appendRleRow(out, image, y);
            continue;
        }
        for (int x = 0; x < image.width(); ++x) {
            appendPixel(out, image.pixel(x, y));
        }
    }
    if (footer) {
        out.append(QByteArray(8, '\0'));  // no extension or developer area
        out.append("TRUEVISION-XFILE.", 18);
    }
    return out;
}

std::string writeEmbedded(const std::string& name, const QByteArray& prefix,
                          const QByteArray& picture, const QByteArray& suffix) {
    QDir().mkpath(TESSELLA_TEST_OUTPUT);
    const QString path = QString(TESSELLA_TEST_OUTPUT) + "/" + QString::fromStdString(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(prefix);
    file.write(picture);
    file.write(suffix);
    return path.toStdString();
}

}  // namespace testpics
