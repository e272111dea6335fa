#include "view/PictureLoader.h"

#include <cstdio>

#include "PIXPICK32.h"
#include "PictureInfo.h"
#include "imagelib.h"
#include "model/PictureFit.h"

namespace {

int imageProgress(void* record, int percent) {
    static_cast<const PictureLoader::Hooks*>(record)->progress(percent);
    return 0;
}

int reductionProgress(void* context, long done, long total) {
    if (total > 0) {
        static_cast<const PictureLoader::Hooks*>(context)->progress(
            static_cast<int>(done * 100 / total));
    }
    return 0;
}

// Installs the hooks' progress function into the image library for the
// lifetime of the object.
class ImageProgressScope {
  public:
    explicit ImageProgressScope(PictureLoader::Hooks& hooks) : installed_(!!hooks.progress) {
        if (installed_) {
            IMGSetProgress(&hooks, imageProgress, 1);
        }
    }
    ~ImageProgressScope() {
        if (installed_) {
            IMGSetProgress(nullptr, nullptr, 0);
        }
    }
    ImageProgressScope(const ImageProgressScope&) = delete;
    ImageProgressScope& operator=(const ImageProgressScope&) = delete;

  private:
    bool installed_;
};

bool decodedAtScale(int width, int height, int fullWidth, int fullHeight) {
    for (int divisor : {2, 4, 8}) {
        if (width == fullWidth / divisor && height == fullHeight / divisor) {
            return true;
        }
    }
    return false;
}

// The size the picture is shown at: the saved size when it is fixed, else its
// fit to the window.
PictureFit targetSize(const PictureLoader::Request& request, int width, int height) {
    if (request.fixedSize) {
        return {request.clientRight, request.clientBottom, true};
    }
    return PictureFit::ToWindow(width, height, request.clientRight, request.clientBottom,
                                request.adjustToWindow);
}

}  // namespace

platform::Surface PictureLoader::Bitmap(int slot, int width, int height) {
    platform::Surface* made = IMGCreateBitmap(slot, width, height);
    if (made == nullptr) {
        return {};
    }
    platform::Surface copy = std::move(*made);
    IMGFreeBitmap(made);
    return copy;
}

void PictureLoader::Resample(int slot, platform::Surface& bitmap, int width, int height) {
    IMGResample(slot, width, height);
    bitmap = Bitmap(slot, width, height);
}

bool PictureLoader::Load(const Request& request, const Hooks& hooks, Result& result,
                         std::string* error) {
    Hooks steps = hooks;
    const ImageProgressScope installed(steps);
    int slot = request.slot;
    int fullWidth = 0;
    int fullHeight = 0;
    // The picture inside a picture file, not the emblem before it, is
    // measured.
    const bool pinged =
        slot < 0 && piclib::PictureInfo(request.path).pingMainPicture(&fullWidth, &fullHeight);
    if (slot < 0) {
        const PictureFit target = targetSize(request, fullWidth, fullHeight);
        if (pinged && target.resample) {
            IMGSetDecodeFloor(fullWidth, fullHeight, target.width, target.height);
        }
        slot = GetImageHandle(request.path.c_str()) - 1;
        IMGSetDecodeFloor(0, 0, 0, 0);
    }
    if (slot < 0) {
        if (error != nullptr) {
            char text[600];
            std::snprintf(text, sizeof text, "%s is not a correct ppx- file!\nError: %d",
                          request.path.c_str(), slot);
            *error = text;
        }
        return false;
    }
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    IMGGetRect(slot, &left, &top, &width, &height);
    // A JPEG decoded at a reduced scale is fitted as from its full size.
    const PictureFit target = pinged && decodedAtScale(width, height, fullWidth, fullHeight)
                                  ? targetSize(request, fullWidth, fullHeight)
                                  : targetSize(request, width, height);
    if (target.resample) {
        if (steps.status && !request.fixedSize) {
            steps.status("Adjusting size of image");
        }
        width = target.width;
        height = target.height;
        IMGResample(slot, width, height);
    }
    MergeLogo(request.path.c_str(), slot + 1);
    if (steps.status) {
        steps.status("Optimizing Palette");
    }
    slot = AdjustColorDepth(slot + 1, request.loadingPriority,
                            steps.progress ? reductionProgress : nullptr, &steps) -
           1;
    result.slot = slot;
    result.bitmap = Bitmap(slot, width, height);
    char title[201] = {};
    QueryShortDescript(request.path.c_str(), title, 200);
    result.title = title;
    result.hasHelp = PictureHelpAvailable(request.path.c_str()) != 0;
    return true;
}
