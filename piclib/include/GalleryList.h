#pragma once

#include <optional>
#include <string>

#include "PIXPICK32_export.h"

namespace piclib {

// The list of known galleries in Gallery.ini: section Galleries holds the
// paths under keys "File0000" upward without gaps, section Descriptions the
// last chosen picture index and description ("%04d,%s") under the same keys,
// and Last Used / Last Gallery opened the number of the gallery opened last.
// Every operation reads or writes the file by path.
class PIXPICK32_EXPORT GalleryList {
  public:
    explicit GalleryList(std::string iniPath) : ini_(std::move(iniPath)) {}

    // Whether the first entry has a path.
    bool any() const;
    // Number of entries: up to the first missing or empty path.
    int count() const;
    // Path of entry n; empty when there is none.
    std::string path(int n) const;
    // Description of entry n (its Descriptions value after five characters).
    std::string description(int n) const;
    // The last chosen picture index of entry n (0 when none is stored).
    int lastPicture(int n) const;
    // Writes entry n: the path, and the index with the entry's current
    // description.
    void set(int n, const std::string& galleryPath, int lastPictureIndex) const;
    // The number of the first entry with this description; nothing when no
    // entry has it.
    std::optional<int> find(const std::string& description) const;
    // Removes entry r and renumbers the later ones without a gap; the last
    // gallery opened becomes 0.
    void remove(int r) const;
    // Adds a gallery; a description shorter than 2 characters is taken from
    // the gallery file. Returns true for a new entry, false when the path
    // was listed already (its entry is then rewritten with index 0).
    bool add(const std::string& galleryPath, std::string description) const;

    int lastOpened() const;
    void setLastOpened(int n) const;

  private:
    void write(int n, const std::string& galleryPath, int lastPictureIndex,
               const std::string& description) const;

    std::string ini_;
};

// The description stored in a gallery file's header; empty when the file
// cannot be read or is not a gallery.
PIXPICK32_EXPORT std::string galleryFileDescription(const std::string& galleryPath);

}  // namespace piclib
