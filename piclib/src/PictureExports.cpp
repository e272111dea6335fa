// Exports that load, free, size and paint pictures by handle.

#include <QApplication>
#include <QWidget>

#include "Configuration.h"
#include "LibraryState.h"
#include "PIXPICK32.h"
#include "PictureHandle.h"
#include "PictureInfo.h"
#include "imagelib.h"
#include "platform/NoThrow.h"
#include "platform/Surface.h"

extern "C" {

int GetImageHandle(const char* fileName) {
    return platform::withoutThrowing(0, [&] {
        if (fileName == nullptr) {
            return 0;
        }
        int handle = 0;
        {
            piclib::ConfigDirectoryScope scope;
            piclib::PictureInfo info(fileName);
            handle = info.loadMainPictureCopy();
        }
        if (QWidget* focus = QApplication::focusWidget()) {
            focus->update();
        }
        return handle;
    });
}

int DeletePicture(int handle) {
    if (handle == 0) {
        return 0;
    }
    piclib::LibraryState& s = piclib::state();
    switch (s.stateOf(handle)) {
        case piclib::HandleState::kReducing:
            s.setState(handle, piclib::HandleState::kDeleteRequested);
            break;
        case piclib::HandleState::kDeleteRequested:
            break;
        case piclib::HandleState::kIdle:
            IMGFree(piclib::slotOf(handle));
            break;
    }
    s.dropPalette();
    return 1;
}

int QueryPictureDimensions(int handle, int* width, int* height) {
    if (handle == 0) {
        return 0;
    }
    IMGGetDib(piclib::slotOf(handle), width, height, nullptr);
    return 1;
}

void CalculateSizeInAspect(int handle, int* width, int* height) {
    int w = 0;
    int h = 0;
    if (handle == 0 || width == nullptr || height == nullptr ||
        IMGGetDib(piclib::slotOf(handle), &w, &h, nullptr) == nullptr) {
        return;
    }
    // The reported height plus one, as callers have always had it.
    h += 1;
    const double boxW = *width;
    const double boxH = *height;
    if (w > boxW) {
        h = static_cast<int>(h / (w / boxW));
        w = static_cast<int>(boxW);
    } else if (h < boxH) {
        h = static_cast<int>((boxW / w) * h);
        w = static_cast<int>(boxW);
    }
    if (h > boxH) {
        w = static_cast<int>(w / (h / boxH));
        h = static_cast<int>(boxH);
    } else if (w < boxW) {
        w = static_cast<int>((boxH / h) * w);
        h = static_cast<int>(boxH);
    }
    *width = w;
    *height = h;
}

int ResizePicture(int handle, int width, int height) {
    if (handle == 0) {
        return 0;
    }
    return IMGResample(piclib::slotOf(handle), width, height);
}

int PaintImage(int handle, platform::Surface* dc, int left, int top, int right, int bottom) {
    if (handle == 0 || dc == nullptr) {
        return 0;
    }
    IMGBeginAccess(0);
    IMGRealizePalette(piclib::slotOf(handle), dc);
    return IMGDrawStretched(piclib::slotOf(handle), dc, left, top, right, bottom);
}

int PaintImage4Basic(int handle, platform::Surface* dc, int, int, int, int, int, int) {
    if (handle == 0 || dc == nullptr) {
        return 0;
    }
    const platform::Rect box = dc->clip();
    IMGBeginAccess(0);
    return IMGDrawStretched(piclib::slotOf(handle), dc, box.left, box.top, box.right, box.bottom);
}

int CreatePaletteObject(int, int) {
    return 0;
}
}
