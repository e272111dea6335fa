#include "PpxAssembler.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <QPainter>

#include "platform/PackedDib.h"

namespace ppxbuild {
namespace {

constexpr int kLogoSide = 40;  // pixels
constexpr int kLogoTile = 16;  // pixels, two by two tiles with a gap

// The image fitted into side by side pixels, without the source's colour
// profile (the shipped pictures are plain sRGB).
QImage fitted(const QImage& image, int side) {
    QImage small = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    small.setColorSpace(QColorSpace());
    return small;
}

void setTexts(const PictureDescription& p, piclib::PictureFields& f) {
    f.pictureTopic = p.pictureTopic();
    f.artistTopic = p.artistTopic();
    f.helpFile = p.stem;
    f.shortEnglish = p.in(Language::kEnglish).title;
    f.longEnglish = p.in(Language::kEnglish).description;
    f.shortGerman = p.in(Language::kGerman).title;
    f.longGerman = p.in(Language::kGerman).description;
    f.shortFrench = p.in(Language::kFrench).title;
    f.longFrench = p.in(Language::kFrench).description;
    f.shortSpanish = p.in(Language::kSpanish).title;
    f.longSpanish = p.in(Language::kSpanish).description;
    f.shortItalian = p.in(Language::kItalian).title;
    f.longItalian = p.in(Language::kItalian).description;
}

void setLogoPlacement(const PictureDescription& p, piclib::PictureFields& f) {
    f.logoEnabled = p.logoEnabled;
    f.logoHorizontal = p.logoHorizontal;
    f.logoVertical = p.logoVertical;
    f.logoHorizontalMargin = p.logoMargin;
    f.logoVerticalMargin = p.logoMargin;
    f.logoColour = p.logoColour;
}

}  // namespace

QImage drawLogo() {
    QImage logo(kLogoSide, kLogoSide, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    const QColor tiles[] = {QColor(200, 40, 40), QColor(40, 140, 60), QColor(40, 80, 200),
                            QColor(230, 170, 20)};
    constexpr int kGap = kLogoSide - 2 * kLogoTile - 4;
    for (int i = 0; i < 4; ++i) {
        const int x = 2 + (i % 2) * (kLogoTile + kGap);
        const int y = 2 + (i / 2) * (kLogoTile + kGap);
        painter.fillRect(x, y, kLogoTile, kLogoTile, QColor(20, 20, 20));
        painter.fillRect(x + 2, y + 2, kLogoTile - 4, kLogoTile - 4, tiles[i]);
    }
    painter.end();
    return logo;
}

std::vector<std::uint8_t> pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> previewBitmap(const QImage& image, int side) {
    const QImage small = fitted(image, side);
    platform::PackedDib dib = platform::PackedDib::create(small.width(), small.height(), 24);
    for (int y = 0; y < small.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        std::uint8_t* out = dib.row(y);
        for (int x = 0; x < small.width(); ++x) {
            out[3 * x] = static_cast<std::uint8_t>(qBlue(in[x]));
            out[3 * x + 1] = static_cast<std::uint8_t>(qGreen(in[x]));
            out[3 * x + 2] = static_cast<std::uint8_t>(qRed(in[x]));
        }
    }
    return dib.block();
}

bool assemblePicture(const PictureDescription& picture, const std::vector<std::uint8_t>& source,
                     piclib::PictureFileWriter& out, std::string& error) {
    const QImage image = QImage::fromData(source.data(), static_cast<int>(source.size()));
    if (image.isNull()) {
        error = picture.source + ": not a picture the tool can read";
        return false;
    }
    out = piclib::PictureFileWriter();
    out.emblem = pngBytes(picture.logo.empty() ? fitted(image, kEmblemSide) : drawLogo());
    out.picture = source;
    out.preview = previewBitmap(image, kPreviewSide);
    setTexts(picture, out.fields);
    setLogoPlacement(picture, out.fields);
    out.fields.textA = picture.artist;
    return true;
}

piclib::PictureFileWriter assembleLogo() {
    piclib::PictureFileWriter out;
    const QImage logo = drawLogo();
    out.emblem = pngBytes(logo);
    out.picture = out.emblem;
    out.preview = previewBitmap(logo, kLogoSide);
    out.fields.pictureTopic = "LOGO";
    out.fields.artistTopic = "LOGO_ARTIST";
    out.fields.shortEnglish = "Tessella logo";
    out.fields.longEnglish = "The Tessella logo, stamped into the lower right corner of a picture.";
    for (std::string* t : {&out.fields.shortGerman, &out.fields.shortFrench,
                           &out.fields.shortSpanish, &out.fields.shortItalian}) {
        *t = out.fields.shortEnglish;
    }
    for (std::string* t : {&out.fields.longGerman, &out.fields.longFrench, &out.fields.longSpanish,
                           &out.fields.longItalian}) {
        *t = out.fields.longEnglish;
    }
    out.fields.logoEnabled = 1;
    out.fields.logoHorizontal = 1;
    out.fields.logoVertical = 1;
    return out;
}

}  // namespace ppxbuild
