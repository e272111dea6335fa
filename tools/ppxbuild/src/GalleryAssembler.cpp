#include "GalleryAssembler.h"

#include <QPainter>

#include "PpxAssembler.h"
#include "platform/PackedDib.h"

namespace ppxbuild {
namespace {

constexpr std::size_t kTitleField = 30;
constexpr std::size_t kDescriptionField = 190;
// Where a thumbnail and its title lie in a cell.
constexpr std::int16_t kThumbnailTop = 8;
constexpr std::int16_t kTitleTop = kThumbnailTop + kThumbnailHeight + 4;

// Order of the languages in a gallery entry.
constexpr Language kEntryOrder[] = {Language::kEnglish, Language::kGerman, Language::kFrench,
                                    Language::kItalian, Language::kSpanish};

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A cell picture: a raised panel in the face colour; the selected one has a
// dark blue inner frame and a pale fill.
QImage drawCell(bool selected) {
    QImage cell(kCellWidth, kCellHeight, QImage::Format_RGB32);
    cell.fill(QColor(192, 192, 192));
    QPainter p(&cell);
    p.setPen(Qt::white);
    p.drawLine(1, 1, kCellWidth - 3, 1);
    p.drawLine(1, 1, 1, kCellHeight - 3);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(2, kCellHeight - 2, kCellWidth - 2, kCellHeight - 2);
    p.drawLine(kCellWidth - 2, 2, kCellWidth - 2, kCellHeight - 2);
    if (selected) {
        p.fillRect(4, 4, kCellWidth - 8, kCellHeight - 8, QColor(255, 255, 160));
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.drawRect(4, 4, kCellWidth - 9, kCellHeight - 9);
    }
    return cell;
}

std::vector<std::uint8_t> dibOf(const QImage& image) {
    return previewBitmap(image, std::max(image.width(), image.height()));
}

}  // namespace

std::string fitField(const std::string& text, std::size_t field) {
    if (text.size() < field) {
        return text;
    }
    std::string cut = text.substr(0, field - 1);
    while (!cut.empty() && continuationByte(text[cut.size()])) {
        cut.pop_back();
    }
    const std::size_t sentence = cut.rfind(". ");
    if (sentence != std::string::npos) {
        return cut.substr(0, sentence + 1);
    }
    const std::size_t word = cut.rfind(' ');
    return word == std::string::npos ? cut : cut.substr(0, word);
}

piclib::GalleryWriter::Item galleryItem(const PictureDescription& picture, const QImage& image) {
    piclib::GalleryWriter::Item item;
    for (std::size_t i = 0; i < std::size(kEntryOrder); ++i) {
        const LanguageTexts& texts = picture.in(kEntryOrder[i]);
        item.entry.titles[i] = fitField(texts.title, kTitleField);
        item.entry.descriptions[i] = fitField(texts.description, kDescriptionField);
    }
    item.entry.pictureName = picture.stem + ".PPX";
    item.entry.titleRectangle = {2, kTitleTop, kCellWidth - 2, kCellHeight - 6};
    item.entry.thumbnailTop = kThumbnailTop;
    const QImage small = image.scaled(kThumbnailWidth, kThumbnailHeight, Qt::KeepAspectRatio,
                                      Qt::SmoothTransformation);
    item.thumbnail = dibOf(small);
    return item;
}

piclib::GalleryWriter assembleGallery(std::vector<piclib::GalleryWriter::Item> pictures) {
    piclib::GalleryWriter out;
    out.header.description = "Tessella Pictures";
    out.header.titleColour = 0x00000000;
    out.selectedCell.thumbnail = dibOf(drawCell(true));
    out.normalCell.thumbnail = dibOf(drawCell(false));
    out.pictures = std::move(pictures);
    return out;
}

}  // namespace ppxbuild
