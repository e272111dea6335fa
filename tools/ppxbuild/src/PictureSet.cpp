#include "PictureSet.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "GalleryAssembler.h"
#include "HelpPage.h"
#include "PictureDescription.h"
#include "PpxAssembler.h"

namespace ppxbuild {
namespace {

namespace fs = std::filesystem;

bool readBytes(const fs::path& path, std::vector<std::uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

bool writeHelpFiles(const PictureDescription& picture, const fs::path& output) {
    for (int i = 0; i < kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        const fs::path file = output / (picture.stem + ".HL" + helpLetter(language));
        if (!writeText(file, helpPage(picture, language))) {
            return false;
        }
    }
    return true;
}

bool buildOne(const std::string& descriptionFile, const fs::path& sources, const fs::path& output,
              std::vector<piclib::GalleryWriter::Item>& gallery, std::string& error) {
    PictureDescription picture;
    if (!readDescription(descriptionFile, picture, error)) {
        return false;
    }
    std::vector<std::uint8_t> source;
    if (!readBytes(sources / picture.source, source)) {
        error = (sources / picture.source).string() + ": cannot be read";
        return false;
    }
    piclib::PictureFileWriter writer;
    if (!assemblePicture(picture, source, writer, error)) {
        return false;
    }
    const fs::path ppx = output / (picture.stem + ".PPX");
    if (!writer.write(ppx.string()) || !writeHelpFiles(picture, output)) {
        error = ppx.string() + ": cannot be written";
        return false;
    }
    gallery.push_back(
        galleryItem(picture, QImage::fromData(source.data(), static_cast<int>(source.size()))));
    return true;
}

}  // namespace

std::vector<std::string> descriptionFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".desc") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool buildPictureSet(const std::string& descriptions, const std::string& sources,
                     const std::string& output, std::string& error) {
    std::error_code ec;
    fs::create_directories(output, ec);
    const std::vector<std::string> files = descriptionFiles(descriptions);
    if (files.empty()) {
        error = descriptions + ": no picture descriptions (*.desc)";
        return false;
    }
    std::vector<piclib::GalleryWriter::Item> gallery;
    for (const std::string& file : files) {
        if (!buildOne(file, sources, output, gallery, error)) {
            return false;
        }
    }
    const fs::path tmb = fs::path(output) / kGalleryName;
    if (!assembleGallery(std::move(gallery)).write(tmb.string())) {
        error = tmb.string() + ": cannot be written";
        return false;
    }
    const fs::path logo = fs::path(output) / "LOGO.LGO";
    if (!assembleLogo().write(logo.string())) {
        error = logo.string() + ": cannot be written";
        return false;
    }
    fs::copy_file(fs::path(descriptions) / "LICENSES.md", fs::path(output) / "LICENSES.md",
                  fs::copy_options::overwrite_existing, ec);
    if (ec) {
        error = "LICENSES.md: " + ec.message();
        return false;
    }
    return true;
}

}  // namespace ppxbuild
