#include "BKIT32.h"
#include "WaveCollection.h"
#include "WaveEngine.h"

using bkit::WaveEngine;

extern "C" {

int InitSound(int) {
    bkit::WaveCollection::instance().forgetDirectory();
    return 1;
}

int PlayWave(const char* file) {
    return WaveEngine::instance().playWave(file);
}

int PlayDifferentWave(const char* file) {
    return WaveEngine::instance().playDifferentWave(file);
}

int ExitSound(void) {
    return WaveEngine::instance().exitSound();
}

void StopPlayingMainWave(void) {
    WaveEngine::instance().stopPlayingMainWave();
}

int SetMainPeak(int peak) {
    return WaveEngine::instance().setMainPeak(peak);
}

void SetMainWaveNotifyWindow(HWND window, unsigned message, std::uintptr_t wParam) {
    WaveEngine::instance().setMainWaveNotifyWindow(window, message, wParam);
}

int DispatchSoundMessages(void) {
    return WaveEngine::instance().dispatchMessages();
}
}
