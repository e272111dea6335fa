#pragma once

// The game's sound events. Each is numbered by the string that names its wave
// file, so the numbers are also the Sound dialog's box ids.
namespace sound {

enum SoundEvent : int {
    kBonus = 1010,  // a perfect fit
    kIntro = 1011,  // the view was created
    kLoading = 1122,
    kCut = 1123,
    kSelect = 1125,  // a group was picked up
    kMove = 1126,    // the held group moved
    kRelease = 1154,
    kSnap = 1155,
    kError = 1156,
    kLockPreview = 1157,  // the Sound dialog's "Lock - unlock pieces" box
    kHighScore = 1158,
    kFirstPlace = 1159,
    kPause = 1160,  // input refused while paused
    kLock = 1161,
    kUnlock = 1162,
    kLocked = 1163,  // a move refused by a locked group
    kExpertError = 1164,
};

// How an event sounds when the game plays it: the moving and loading sounds
// never cut off a sound that plays, the cutting sound loops until the cut
// ends, and the pause and Expert-error sounds hold the game until done.
enum class SoundMode { Async, AsyncNoStop, Looped, Sync };

constexpr SoundMode modeOf(int event) {
    switch (event) {
        case kLoading:
        case kMove:
            return SoundMode::AsyncNoStop;
        case kCut:
            return SoundMode::Looped;
        case kPause:
        case kExpertError:
            return SoundMode::Sync;
        default:
            return SoundMode::Async;
    }
}

}  // namespace sound
