#pragma once

#include <string>
#include <vector>

#include "Synth.h"

namespace soundgen {

// One of the game's event sounds, ready to be written.
struct GeneratedSound {
    std::string fileName;  // as the game's event table names it, e.g. "JIGSNAP.WAV"
    Signal samples;        // at kSampleRate, peak at kPeak
    bool loops = false;    // played looped: the end must run into the start
};

// Largest sample magnitude of every sound: -6 dBFS.
constexpr double kPeak = 0.5;

// The sixteen event sounds in a fixed order. The same on every run.
std::vector<GeneratedSound> makeSoundBank();

}  // namespace soundgen
