#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "PIXPICK32_export.h"
#include "PictureFields.h"
#include "platform/PackedDib.h"

class QWidget;

namespace piclib {

// What the platform reported about a picture file when it was opened.
struct FileStatus {
    std::time_t created = 0;
    std::time_t modified = 0;
    std::time_t accessed = 0;
    std::uint64_t size = 0;
    unsigned attributes = 0;
    std::string fullPath;
};

// The information of one picture or logo file, read when the record is made.
// The file is an ordinary picture with an emblem picture before it, an
// information block after it and a 9-byte trailer (info offset, "PZQV", 0).
// A file without the trailer is one picture; the record then has defaults
// made from the file name. The record owns the slots it loads through
// loadMainPicture and loadEmblem and frees them when destroyed.
class PIXPICK32_EXPORT PictureInfo {
  public:
    // Opens the file (read-only) and reads trailer and information block.
    // Relative paths are taken from the current directory, whose last
    // component is the default help file name.
    explicit PictureInfo(const std::string& path);
    ~PictureInfo();
    PictureInfo(const PictureInfo&) = delete;
    PictureInfo& operator=(const PictureInfo&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    bool hasInformation() const { return tag_ == "PZQV"; }
    const std::string& tag() const { return tag_; }
    std::uint32_t infoOffset() const { return infoOffset_; }
    std::uint32_t pictureOffset() const { return pictureOffset_; }
    const FileStatus& status() const { return status_; }
    const PictureFields& fields() const { return fields_; }
    // The path given with its extension replaced by ".PPX".
    const std::string& ppxName() const { return ppxName_; }

    // The main picture's handle, loaded on first use and kept by the record;
    // 0 when the file is not open or cannot be read.
    int loadMainPicture();
    // A fresh copy of the main picture that the caller owns.
    int loadMainPictureCopy();
    // The main picture's size without decoding its pixels; false when it
    // cannot be read.
    bool pingMainPicture(int* width, int* height) const;
    // The emblem (the picture at offset 0, or the built-in logo for a file
    // without information, which also sets the logo colour to pure green),
    // kept by the record.
    int loadEmblem();
    // A fresh copy of the emblem that the caller owns.
    int loadEmblemCopy();
    int pictureWidth() const { return pictureWidth_; }
    int pictureHeight() const { return pictureHeight_; }
    int pictureBits() const { return pictureBits_; }

    // Texts of the language letter: E (and any unknown letter), G, F, S, I.
    const std::string& shortDescription(char language) const;
    const std::string& longDescription(char language) const;
    // The file's directory plus the help file name; a name without extension
    // gets ".HL" and the language's letter (P for English).
    std::string helpFilePath(char language) const;
    // The help file name with the extension helpFilePath gives it.
    std::string helpFileName(char language) const;
    // Whether the help file exists (cached per help path, and per help path
    // and artist topic).
    bool pictureHelpAvailable(char language) const;
    bool artistHelpAvailable(char language) const;
    // Opens the help file at its contents, then on the picture's or the
    // artist's topic with the JumpID macro.
    void showPictureHelp(QWidget* owner, char language) const;
    void showArtistHelp(QWidget* owner, char language) const;

    // The preview bitmap of the information block (null when there is none
    // or it was compressed) and the palette made from its colour table
    // (0x00RRGGBB).
    const platform::PackedDib& preview() const { return preview_; }
    const std::vector<std::uint32_t>& previewPalette() const { return previewPalette_; }

    // Forgets the cached answers of the help availability tests.
    static void clearHelpCaches();

  private:
    void setDefaults(const std::string& path);
    void readTrailer();
    long partLength(std::uint32_t offset) const;
    int readPicture(std::uint32_t offset) const;
    int builtInLogo();
    void showHelp(QWidget* owner, char language, const std::string& topic) const;

    std::FILE* file_ = nullptr;
    std::string tag_;
    std::uint32_t infoOffset_ = 0;
    std::uint32_t pictureOffset_ = 0;
    FileStatus status_;
    std::string ppxName_;
    PictureFields fields_;
    int mainHandle_ = 0;
    int emblemHandle_ = 0;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int pictureBits_ = 0;
    platform::PackedDib preview_;
    std::vector<std::uint32_t> previewPalette_;

    friend class InfoBlockReader;
};

}  // namespace piclib
