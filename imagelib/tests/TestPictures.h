#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

// Builders of picture files for the tests: Qt's writers for the common
// formats, hand-made Targa files (Qt cannot write them run-length coded).
namespace testpics {

// A picture with four coloured quadrants (red, green, blue, white) so that
// orientation and channel order can be checked after decoding.
QImage quadrants(int width, int height);

// The picture encoded by Qt's writer for format ("jpeg", "png", "bmp", "gif",
// "tiff").
QByteArray encode(const QImage& image, const char* format);

// A GIF of the picture's colours (at most 128 distinct ones), written with
// literal codes only (Qt has no GIF writer).
QByteArray gif(const QImage& image);

// The PNG chunk CRC of bytes.
quint32 pngCrc(const QByteArray& bytes);

// A 24-bit Targa file, optionally run-length coded, rows bottom-up or (with
// the origin bit set) top-down, with or without the version-2 footer.
QByteArray targa(const QImage& image, bool rle, bool topDown = false, bool footer = false);

// Writes prefix, picture and suffix into a new file in the test output folder
// and returns its path.
std::string writeEmbedded(const std::string& name, const QByteArray& prefix,
                          const QByteArray& picture, const QByteArray& suffix);

}  // namespace testpics
