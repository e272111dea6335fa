// The loaders: choose pictures in the gallery browser or in the file dialog
// with preview, and the multiple selection.

#include <QFileInfo>
#include <cstring>

#include "Configuration.h"
#include "FileOpenDialog.h"
#include "LibraryState.h"
#include "PIXPICK32.h"
#include "PictureInfo.h"
#include "SelectionList.h"
#include "Texts.h"
#include "dialogs/GalleryBrowser.h"
#include "platform/MessageBox.h"

namespace {

// Entries of the multiple selection beyond this are dropped.
constexpr int kMaxSelected = 512;
// Bytes GetFirstFileName and GetNextFileName may write.
constexpr std::size_t kNameBytes = 512;

void copyOut(const std::string& text, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return;
    }
    const std::size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

// Marks the dialog as open for its lifetime.
class BusyScope {
  public:
    BusyScope() { piclib::state().dialogBusy = true; }
    ~BusyScope() { piclib::state().dialogBusy = false; }
};

void reportNotValid(QWidget* owner, const char* title, const std::string& path) {
    MessageBeep(MB_ICONEXCLAMATION);
    const std::string text = piclib::notValidPictureText(piclib::languageLetter(), path);
    MessageBoxA(owner, text.c_str(), title != nullptr ? title : "", MB_OK | MB_ICONEXCLAMATION);
}

// Hands a loaded picture to the caller: its path into fileName, fitted to
// *width by *height unless *width is -1, the final size back, and it becomes
// the current picture.
int handOver(int handle, const std::string& path, char* fileName, int fileNameSize, short* width,
             short* height) {
    copyOut(path, fileName, fileNameSize > 0 ? static_cast<std::size_t>(fileNameSize) : 0);
    if (width != nullptr && height != nullptr && *width != -1) {
        int w = *width;
        int h = *height;
        CalculateSizeInAspect(handle, &w, &h);
        ResizePicture(handle, w, h);
    }
    if (width != nullptr && height != nullptr) {
        int w = 0;
        int h = 0;
        QueryPictureDimensions(handle, &w, &h);
        *width = static_cast<short>(w);
        *height = static_cast<short>(h);
    }
    piclib::state().currentPicture = handle;
    return handle;
}

// The file dialog with preview and the loading of its choice; no busy check.
int smallSingle(QWidget* owner, char* fileName, int fileNameSize, const char* title, short* width,
                short* height, const char* helpFile, unsigned helpContext) {
    copyOut({}, fileName, fileNameSize > 0 ? static_cast<std::size_t>(fileNameSize) : 0);
    const QStringList files =
        piclib::FileOpenDialog(owner, title, false, helpFile, helpContext).run();
    if (files.isEmpty()) {
        return 0;
    }
    const QByteArray path = files.front().toLocal8Bit();
    int handle = 0;
    {
        piclib::PictureInfo info(path.constData());
        handle = info.loadMainPictureCopy();
    }
    if (handle == 0) {
        reportNotValid(owner, title, path.constData());
        return 0;
    }
    std::string directory = QFileInfo(files.front()).absolutePath().toLocal8Bit().constData();
    CnvrtFileName2RelativeDir(directory.data());
    piclib::rememberLastUsedPath(directory);
    return handOver(handle, path.constData(), fileName, fileNameSize, width, height);
}

}  // namespace

extern "C" {

int SmallLoadFromGallerySingle(QWidget* owner, char* fileName, int fileNameSize, const char* title,
                               short* width, short* height, const char* helpFile,
                               unsigned helpContext) {
    if (piclib::state().dialogBusy) {
        return 0;
    }
    BusyScope busy;
    return smallSingle(owner, fileName, fileNameSize, title, width, height, helpFile, helpContext);
}

int LoadFromGallerySingle(QWidget* owner, char* fileName, int fileNameSize, const char* title,
                          short* width, short* height, const char* helpFile, unsigned helpContext) {
    if (piclib::state().dialogBusy) {
        return 0;
    }
    BusyScope busy;
    if (GalleryThere() == 0) {
        return smallSingle(owner, fileName, fileNameSize, title, width, height, helpFile,
                           helpContext);
    }
    // The file dialog inside the browser has the browser's title and help.
    const auto pickFile = [=] {
        return smallSingle(owner, fileName, fileNameSize, title, width, height, helpFile,
                           helpContext);
    };
    const piclib::BrowserChoice choice =
        piclib::runGalleryBrowser(owner, QString::fromLocal8Bit(title != nullptr ? title : ""),
                                  helpFile != nullptr ? helpFile : "", helpContext, pickFile);
    if (choice.kind != piclib::BrowserChoice::kGalleryPicture) {
        return choice.handle;  // 0 on cancel; the file dialog handed its picture over
    }
    return handOver(choice.handle, choice.path, fileName, fileNameSize, width, height);
}

int SmallLoadFromGalleryMultiple(QWidget* owner, char* fileNames, int fileNamesSize,
                                 const char* title, const char* helpFile, unsigned helpContext) {
    piclib::LibraryState& s = piclib::state();
    if (s.dialogBusy) {
        return 0;
    }
    QStringList files;
    {
        BusyScope busy;
        files = piclib::FileOpenDialog(owner, title, true, helpFile, helpContext).run();
    }
    s.selection.clear();
    s.selectionCount = 0;
    for (const QString& file : files) {
        if (s.selectionCount == kMaxSelected) {
            break;
        }
        s.selection += QFileInfo(file).absoluteFilePath().toLocal8Bit().constData();
        s.selection += ';';
        ++s.selectionCount;
    }
    copyOut(s.selection, fileNames,
            fileNamesSize > 0 ? static_cast<std::size_t>(fileNamesSize) : 0);
    return s.selectionCount;
}

int LoadFromGalleryMultiple(QWidget* owner, char* fileNames, int fileNamesSize, const char* title,
                            const char* helpFile, unsigned helpContext) {
    piclib::state().mainWindow = owner;
    return SmallLoadFromGalleryMultiple(owner, fileNames, fileNamesSize, title, helpFile,
                                        helpContext);
}

int GetSelCount(void) {
    return piclib::state().selectionCount;
}

int GetFirstFileName(char* name, int) {
    const std::string first = piclib::SelectionList(piclib::state().selection).first();
    copyOut(first, name, kNameBytes);
    return static_cast<int>(std::min(first.size(), kNameBytes - 1));
}

int GetNextFileName(char* name, int) {
    if (name == nullptr) {
        return 0;
    }
    bool unknown = false;
    const std::string next = piclib::SelectionList(piclib::state().selection).next(name, &unknown);
    if (unknown) {
        copyOut(piclib::fileNameOf(name), name, kNameBytes);
        return 0;
    }
    copyOut(next, name, kNameBytes);
    return static_cast<int>(std::min(next.size(), kNameBytes - 1));
}

int GetFileName(int, int, int) {
    return 0;
}

int PreselectPicture(const char* fileName) {
    if (fileName != nullptr) {
        piclib::state().preselected.emplace_back(fileName);
    }
    return 1;
}

int ClearPreselectedPictures(void) {
    piclib::state().preselected.clear();
    return 1;
}
}
