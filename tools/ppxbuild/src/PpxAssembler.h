#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

#include "PictureDescription.h"
#include "PictureFileWriter.h"

namespace ppxbuild {

// Largest side of the emblem thumbnail and of the preview bitmap, in pixels.
inline constexpr int kEmblemSide = 64;
inline constexpr int kPreviewSide = 96;

// The Tessella logo: four tiles on white (the transparent colour), drawn
// without antialiasing so that no pixel blends into the white.
QImage drawLogo();

// The image as a PNG file in memory (no time stamp or other varying chunk).
std::vector<std::uint8_t> pngBytes(const QImage& image);

// A 24-bit packed bitmap of the image fitted into side by side pixels.
std::vector<std::uint8_t> previewBitmap(const QImage& image, int side);

// The picture file of a description: the emblem (a thumbnail, or the logo
// when the description names one), the source picture's bytes unchanged as
// the main picture, the information block with all five languages and the
// preview. Returns false with a reason when the source cannot be decoded.
bool assemblePicture(const PictureDescription& picture, const std::vector<std::uint8_t>& source,
                     piclib::PictureFileWriter& out, std::string& error);

// A logo file: the logo as emblem and main picture, placed in the lower
// right corner with white transparent.
piclib::PictureFileWriter assembleLogo();

}  // namespace ppxbuild
