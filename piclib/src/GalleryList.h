#pragma once

#include <string>

namespace piclib {

// The list of known galleries in Gallery.ini: section Galleries holds the
// paths under keys "File0000" upward without gaps, section Descriptions the
// last chosen picture index and description ("%04d,%s") under the same keys.
class GalleryList {
  public:
    explicit GalleryList(std::string iniPath) : ini_(std::move(iniPath)) {}

    // Whether the first entry has a path.
    bool any() const;
    // Path of entry n; empty when there is none.
    std::string path(int n) const;
    // Description of entry n (its Descriptions value after five characters).
    std::string description(int n) const;
    // Adds a gallery; a description shorter than 2 characters is taken from
    // the gallery file. Returns true for a new entry, false when the path
    // was listed already (its entry is then rewritten).
    bool add(const std::string& galleryPath, std::string description);

  private:
    void write(int n, const std::string& galleryPath, const std::string& description) const;

    std::string ini_;
};

// The description stored in a gallery file's header; empty when the file
// cannot be read or is not a gallery.
std::string galleryFileDescription(const std::string& galleryPath);

}  // namespace piclib
