#pragma once

#include <QImage>

#include <string>
#include <vector>

#include "GalleryWriter.h"
#include "PictureDescription.h"

namespace ppxbuild {

// Name of the shipped gallery beside the shipped pictures.
inline constexpr char kGalleryName[] = "TESSELLA.TMB";
// A cell of the browser's grid and the largest thumbnail inside it, pixels.
inline constexpr int kCellWidth = 120;
inline constexpr int kCellHeight = 112;
inline constexpr int kThumbnailWidth = 100;
inline constexpr int kThumbnailHeight = 76;

// A text cut to fit a fixed field of field bytes with its terminating zero:
// at the end of the last whole sentence that fits, else of the last whole
// word, never inside a UTF-8 character.
std::string fitField(const std::string& text, std::size_t field);

// The entry of one shipped picture: titles and descriptions in five
// languages, the picture file <stem>.PPX (found beside the gallery) and a
// 24-bit thumbnail of the picture.
piclib::GalleryWriter::Item galleryItem(const PictureDescription& picture, const QImage& image);

// The shipped gallery: its description, the two cell pictures drawn for the
// game (selected, normal) and the pictures in the order given.
piclib::GalleryWriter assembleGallery(std::vector<piclib::GalleryWriter::Item> pictures);

}  // namespace ppxbuild
