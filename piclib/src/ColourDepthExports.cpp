// Reducing pictures to the screen's colour depth, with and without progress
// messages to a window.

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "ColourReduction.h"
#include "Configuration.h"
#include "LibraryState.h"
#include "PIXPICK32.h"
#include "PictureHandle.h"
#include "imagelib.h"

namespace {

constexpr int kReducedBits = 8;
constexpr int kNotifyMethod = 3;
// The notifying reduction posts and lets messages through on every 25th
// progress call.
constexpr long kNotifyEvery = 25;
// More reductions than this at the same time leave the picture as it is.
constexpr int kMaxReductions = 2;
constexpr std::uintptr_t kFinished = 0xFFFF;

struct Notify {
    int handle;
    QPointer<QWidget> window;
    unsigned message;
    long calls = 0;
};

int notifyProgress(void* context, long done, long total) {
    auto* n = static_cast<Notify*>(context);
    if (n->calls++ % kNotifyEvery == 0) {
        if (n->window != nullptr) {
            QCoreApplication::postEvent(
                n->window, new PicNotifyEvent(n->message, static_cast<std::uintptr_t>(done),
                                              static_cast<std::intptr_t>(total)));
        }
        if (QCoreApplication::instance() != nullptr) {
            QCoreApplication::processEvents();
        }
    }
    return piclib::state().stateOf(n->handle) == piclib::HandleState::kDeleteRequested ? -1 : 0;
}

// What the screen's depth asks of a picture of the given bits: nothing, the
// image library's own 16 colours, or the 8-bit reduction.
enum class Reduction { kNone, kSixteen, kEightBit };

Reduction reductionFor(int handle) {
    int bits = 0;
    if (IMGGetDib(piclib::slotOf(handle), nullptr, nullptr, &bits) == nullptr) {
        return Reduction::kNone;
    }
    const int depth = piclib::screenDepth();
    if (depth >= bits) {
        return Reduction::kNone;
    }
    if (depth == 4) {
        return Reduction::kSixteen;
    }
    return depth == kReducedBits ? Reduction::kEightBit : Reduction::kNone;
}

// Replaces the picture by its reduction: the new picture is made before the
// old one is freed, so a refusal keeps the old one.
int replaceByReduction(int handle, const platform::PackedDib& reduced) {
    if (reduced.isNull()) {
        return handle;
    }
    const int fresh = piclib::newPicture(reduced);
    if (fresh == 0) {
        return handle;
    }
    IMGFree(piclib::slotOf(handle));
    return fresh;
}

}  // namespace

PicNotifyEvent::PicNotifyEvent(unsigned msg, std::uintptr_t w, std::intptr_t l)
    : QEvent(eventType()), message(msg), wParam(w), lParam(l) {}

QEvent::Type PicNotifyEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

extern "C" {

int AdjustColorDepth(int handle, int method, PICPROGRESS progress, void* context) {
    if (handle == 0) {
        return 0;
    }
    switch (reductionFor(handle)) {
        case Reduction::kNone:
            return handle;
        case Reduction::kSixteen:
            IMGReduceTo16Colours(piclib::slotOf(handle));
            return handle;
        case Reduction::kEightBit:
            break;
    }
    const auto reduced = piclib::ReduceColourDepth(piclib::copyPicture(handle), kReducedBits,
                                                   method, progress, context);
    return replaceByReduction(handle, reduced);
}

int AdjustColorDepthWithNotify(int handle, int, QWidget* notifyWindow, unsigned notifyMessage) {
    if (handle == 0) {
        return 0;
    }
    piclib::LibraryState& s = piclib::state();
    const Reduction reduction = reductionFor(handle);
    if (reduction == Reduction::kSixteen) {
        IMGReduceTo16Colours(piclib::slotOf(handle));
    }
    if (reduction != Reduction::kEightBit || s.reductionsRunning >= kMaxReductions) {
        return handle;
    }
    ++s.reductionsRunning;
    s.setState(handle, piclib::HandleState::kReducing);
    Notify notify{handle, notifyWindow, notifyMessage};
    const auto reduced = piclib::ReduceColourDepth(piclib::copyPicture(handle), kReducedBits,
                                                   kNotifyMethod, notifyProgress, &notify);
    --s.reductionsRunning;
    s.dropPalette();
    const bool deleted = s.stateOf(handle) == piclib::HandleState::kDeleteRequested;
    s.setState(handle, piclib::HandleState::kIdle);
    if (deleted) {
        IMGFree(piclib::slotOf(handle));
        return 0;
    }
    const int result = replaceByReduction(handle, reduced);
    if (notify.window != nullptr) {
        QCoreApplication::postEvent(notify.window,
                                    new PicNotifyEvent(notifyMessage, kFinished, result));
    }
    return result;
}
}
