#include "view/PictureLoader.h"

#include <cstdio>

#include "PIXPICK32.h"
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
    if (slot < 0) {
        slot = GetImageHandle(request.path.c_str()) - 1;
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
    if (request.fixedSize) {
        width = request.clientRight;
        height = request.clientBottom;
        IMGResample(slot, width, height);
    } else {
        const PictureFit fit = PictureFit::ToWindow(width, height, request.clientRight,
                                                    request.clientBottom, request.adjustToWindow);
        if (fit.resample) {
            if (steps.status) {
                steps.status("Adjusting size of image");
            }
            width = fit.width;
            height = fit.height;
            IMGResample(slot, width, height);
        }
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
