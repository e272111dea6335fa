#pragma once

// Public interface of the picture library. Every export has C linkage and
// keeps the system's name and argument order; window handles are QWidget
// pointers, device contexts platform::Surface pointers. 1 or a handle means
// success, 0 or null failure.
//
// A picture handle is the image library's slot plus one; 0 means none. Every
// export that takes a handle returns 0 (or does nothing) when given 0.

#include <QEvent>
#include <cstdint>

#include "PIXPICK32_export.h"

class QWidget;
namespace platform {
class Surface;
}

// Progress of a colour reduction: work done of total in the current phase.
// A nonzero answer stops the reduction.
typedef int (*PICPROGRESS)(void* context, long done, long total);

// What AdjustColorDepthWithNotify posts to its notify window: the message
// number it was given and two parameters (progress done and total while it
// runs; 0xFFFF and the resulting handle at the end).
class PIXPICK32_EXPORT PicNotifyEvent : public QEvent {
  public:
    PicNotifyEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    // The event type of every PicNotifyEvent.
    static QEvent::Type eventType();

    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

extern "C" {

// --- Start and end -------------------------------------------------------

// Initialises the library (the shared window controls are registered by
// class name). Returns 1.
PIXPICK32_EXPORT int InitPictloadLib(void);
// Deletes the cached palette and clears the selection-dialog state. Returns
// 1 when the dialog's own drawing object was released, else 0.
PIXPICK32_EXPORT int ExitPicloadLib(void);
// Releases the library's own state without ending the process.
PIXPICK32_EXPORT void UnloadLibrary(void);
// Marks the library as started by an old-style caller without command line.
PIXPICK32_EXPORT void EnableOldtimer(void);
// Sets the only-PPX flag of the selection dialogs. Returns 1.
PIXPICK32_EXPORT int UseOnlyPPX(int flag);

// --- Choosing and loading pictures ---------------------------------------

// Lets the player choose one picture and loads it. fileName receives the
// chosen path; when *width is not -1 the picture is fitted into *width x
// *height (CalculateSizeInAspect) and resized. Returns the picture handle, 0
// on cancel or failure ("%1 is not a valid picture" is shown then).
PIXPICK32_EXPORT int LoadFromGallerySingle(QWidget* owner, char* fileName, int fileNameSize,
                                           const char* title, short* width, short* height,
                                           const char* helpFile, unsigned helpContext);
// As LoadFromGallerySingle through the file dialog; *width and *height
// receive the picture's final size.
PIXPICK32_EXPORT int SmallLoadFromGallerySingle(QWidget* owner, char* fileName, int fileNameSize,
                                                const char* title, short* width, short* height,
                                                const char* helpFile, unsigned helpContext);
// Lets the player choose several pictures. Returns their number (0 on
// cancel); read them with GetFirstFileName and GetNextFileName.
PIXPICK32_EXPORT int LoadFromGalleryMultiple(QWidget* owner, char* fileNames, int fileNamesSize,
                                             const char* title, const char* helpFile,
                                             unsigned helpContext);
PIXPICK32_EXPORT int SmallLoadFromGalleryMultiple(QWidget* owner, char* fileNames,
                                                  int fileNamesSize, const char* title,
                                                  const char* helpFile, unsigned helpContext);
// The number of files in the multiple selection.
PIXPICK32_EXPORT int GetSelCount(void);
// Copies the first entry of the multiple selection into name; returns its
// length, 0 when the selection is empty. name must hold 512 bytes.
PIXPICK32_EXPORT int GetFirstFileName(char* name, int unused);
// name holds the entry returned last; it receives the entry after it and
// its length is returned. After the last entry name becomes empty and 0 is
// returned. A name not in the selection gives that name without directory.
PIXPICK32_EXPORT int GetNextFileName(char* name, int unused);
// Does nothing; returns 0.
PIXPICK32_EXPORT int GetFileName(int, int, int);
// Appends a file to the preselection list (the dialogs open in the
// directory of its first entry). Returns 1.
PIXPICK32_EXPORT int PreselectPicture(const char* fileName);
PIXPICK32_EXPORT int ClearPreselectedPictures(void);
// Loads a fresh copy of the file's main picture (a file without picture
// information is read whole). Returns the new handle, 0 on failure.
PIXPICK32_EXPORT int GetImageHandle(const char* fileName);
// Frees the picture, or marks it for deletion while a colour reduction runs
// on it. Returns 1 (0 for handle 0).
PIXPICK32_EXPORT int DeletePicture(int handle);

// --- Sizes, painting and colour ------------------------------------------

PIXPICK32_EXPORT int QueryPictureDimensions(int handle, int* width, int* height);
// In: the box to fit. Out: the picture's size scaled to fit it, aspect kept;
// small pictures are enlarged until one side touches the box.
PIXPICK32_EXPORT void CalculateSizeInAspect(int handle, int* width, int* height);
PIXPICK32_EXPORT int ResizePicture(int handle, int width, int height);
// Draws the picture stretched over the rectangle (left, top, right, bottom).
// Returns 1.
PIXPICK32_EXPORT int PaintImage(int handle, platform::Surface* dc, int left, int top, int right,
                                int bottom);
// Draws the picture over the surface's clip box. Returns 1.
PIXPICK32_EXPORT int PaintImage4Basic(int handle, platform::Surface* dc, int, int, int, int, int,
                                      int);
// Creates nothing; returns 0.
PIXPICK32_EXPORT int CreatePaletteObject(int, int);
// Reduces the picture to the screen's colour depth with the reduction method
// (1..3). Returns the resulting handle, which may be the same one.
PIXPICK32_EXPORT int AdjustColorDepth(int handle, int method, PICPROGRESS progress, void* context);
// As AdjustColorDepth with method 3, posting PicNotifyEvents to notifyWindow.
// Returns the resulting handle, 0 when the picture was deleted meanwhile.
PIXPICK32_EXPORT int AdjustColorDepthWithNotify(int handle, int unused, QWidget* notifyWindow,
                                                unsigned notifyMessage);
// Stamps the logo of logoFile into the picture. Returns 1 (0 for handle 0).
PIXPICK32_EXPORT int MergeLogo(const char* logoFile, int handle);
// 0 when wanted is 0; else a new handle of the logo picture of logoFile, or
// of the built-in logo when the file has no picture information.
PIXPICK32_EXPORT int GetLogoHandle(const char* logoFile, int wanted);

// --- Picture information and help ----------------------------------------

// Copies the short description in the current language (at most size bytes,
// always terminated).
PIXPICK32_EXPORT void QueryShortDescript(const char* fileName, char* text, int size);
// Builds the path of the picture's help file (the picture's directory plus
// the help file name from its picture information). Returns 1 and copies at
// most size bytes into path when the name is not empty and the file exists;
// else 0.
PIXPICK32_EXPORT int QueryInformationFile(const char* fileName, char* path, int size);
PIXPICK32_EXPORT int PictureHelpAvailable(const char* fileName);
PIXPICK32_EXPORT int AuthorHelpAvailable(const char* fileName);
PIXPICK32_EXPORT void HelpPicture(const char* fileName);
PIXPICK32_EXPORT void HelpAuthor(const char* fileName);

// --- Galleries -----------------------------------------------------------

// 1 when Gallery.ini names at least one gallery.
PIXPICK32_EXPORT int GalleryThere(void);
// Adds a gallery to the list: 1 for a new entry, 0 when the file was already
// listed (its entry is rewritten).
PIXPICK32_EXPORT int AddGallery(const char* galleryFile, const char* description);
// Upper-cases path in place and drops its drive ("C:") when the
// configuration directory lies on the same drive.
PIXPICK32_EXPORT void CnvrtFileName2RelativeDir(char* path);
}
