#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QComboBox;

namespace piclib {

class GalleryGrid;

// What the browser (or the file dialog standing in for it) produced.
struct BrowserChoice {
    enum Kind { kCancel, kGalleryPicture, kFilePicture };
    Kind kind = kCancel;
    std::string path;  // the picture file of a gallery picture
    int handle = 0;    // the loaded picture (a picture handle)
};

// Runs the file-open dialog with the browser's title and help; the picture
// handle, 0 on cancel or failure.
using PickFile = std::function<int()>;

// The gallery browser: the gallery list with "<Add a Gallery>", the grid of
// the chosen gallery, the description line and the buttons OK, Cancel,
// "Select Picture", "Info Picture", "Info Artist" and Help. A picture taken
// from the grid is loaded under the progress frame before the dialog ends.
class GalleryBrowser : public QDialog {
    Q_OBJECT
  public:
    // Ends with this when "Select Picture" or "Search" produced a picture.
    static constexpr int kFilePicked = 1034;

    GalleryBrowser(QWidget* owner, const QString& title, std::string helpFile, unsigned helpContext,
                   PickFile pickFile);

    const BrowserChoice& choice() const { return choice_; }
    GalleryGrid* grid() const { return grid_; }
    // Shows gallery n of the gallery list (its number in Gallery.ini).
    bool showGallery(int n);

  protected:
    bool event(QEvent* event) override;

  private:
    void fillGalleryList(int select);
    void galleryChosen(int row);
    void addGallery();
    void pictureSelected(int index);
    void take();
    void takeFile();
    bool loadPicture(const std::string& path);
    std::string selectedPicturePath(bool& found);

    char language_;
    std::string helpFile_;
    unsigned helpContext_;
    PickFile pickFile_;
    QComboBox* galleries_ = nullptr;
    GalleryGrid* grid_ = nullptr;
    QWidget* description_ = nullptr;
    QWidget* infoPicture_ = nullptr;
    QWidget* infoArtist_ = nullptr;
    int gallery_ = -1;
    std::string galleryPath_;
    BrowserChoice choice_;
};

// The whole selection through the browser: missing galleries are reported
// once per process (the player may delete their references); when no
// registered gallery can be found, the file dialog stands in for the
// browser.
BrowserChoice runGalleryBrowser(QWidget* owner, const QString& title, const std::string& helpFile,
                                unsigned helpContext, const PickFile& pickFile);

// The gallery list's galleries whose files exist, as (number, description).
std::vector<std::pair<int, QString>> offeredGalleries();

}  // namespace piclib
