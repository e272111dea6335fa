#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

// Every sound is made at this rate, mono, as floating-point samples in
// [-1, 1] before it is scaled and written.
constexpr int kSampleRate = 22050;

using Signal = std::vector<double>;

// A small linear congruential generator, so that the noise of a sound is the
// same on every run and every C library.
class Lcg {
  public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    // Uniform in [-1, 1).
    double next();

  private:
    std::uint32_t state_;
};

// Loudness over one note: a linear rise over attack seconds, then an
// exponential fall by decay (per second; 0 holds the level), and a release
// fade over the last release seconds so no note ends with a step.
struct Envelope {
    double attack = 0.005;
    double decay = 0.0;
    double release = 0.005;

    double at(double t, double duration) const;
};

// A signal of the given length in seconds, silent.
Signal silence(double seconds);

// Adds a sine of freq Hz (gliding linearly to endFreq over the note when
// endFreq > 0) from start for duration seconds.
void addTone(Signal& out, double start, double duration, double freq, double amplitude,
             const Envelope& envelope, double endFreq = 0.0);

// Adds a two-operator FM note: carrier freq, modulator at ratio * freq, whose
// index falls with the same envelope (bright start, mellow end).
void addFm(Signal& out, double start, double duration, double freq, double ratio, double index,
           double amplitude, const Envelope& envelope);

// Adds noise through a band-pass filter whose centre moves from centre to
// endCentre (Hz) over the note; q sets the width (higher is narrower).
void addNoise(Signal& out, double start, double duration, double centre, double endCentre, double q,
              double amplitude, const Envelope& envelope, Lcg& random);

// Scales the signal so that its largest magnitude is peak (0 < peak <= 1).
void normalize(Signal& signal, double peak);

}  // namespace soundgen
