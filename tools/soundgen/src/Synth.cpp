#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The state-variable filter stays stable up to about a sixth of the rate.
constexpr double kMaxCentre = kSampleRate / 6.0;

// The sample range [first, last) that a note from start for duration covers,
// cut to the signal.
struct Span {
    std::size_t first;
    std::size_t last;
};

Span spanOf(const Signal& out, double start, double duration) {
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(duration * kSampleRate));
    return {std::min(first, out.size()), std::min(first + count, out.size())};
}

}  // namespace

double Lcg::next() {
    // Constants of Numerical Recipes; the top 24 bits are the best mixed.
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
}

double Envelope::at(double t, double duration) const {
    double level = attack > 0.0 && t < attack ? t / attack : 1.0;
    if (decay > 0.0 && t > attack) {
        level *= std::exp(-decay * (t - attack));
    }
    const double left = duration - t;
    if (release > 0.0 && left < release) {
        level *= std::max(0.0, left / release);
    }
    return level;
}

Signal silence(double seconds) {
    return Signal(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0);
}

void addTone(Signal& out, double start, double duration, double freq, double amplitude,
             const Envelope& envelope, double endFreq) {
    const Span span = spanOf(out, start, duration);
    const double target = endFreq > 0.0 ? endFreq : freq;
    double phase = 0.0;
    for (std::size_t i = span.first; i < span.last; ++i) {
        const double t = static_cast<double>(i - span.first) / kSampleRate;
        out[i] += amplitude * envelope.at(t, duration) * std::sin(phase);
        const double f = freq + (target - freq) * (t / duration);
        phase = std::fmod(phase + kTwoPi * f / kSampleRate, kTwoPi);
    }
}

void addFm(Signal& out, double start, double duration, double freq, double ratio, double index,
           double amplitude, const Envelope& envelope) {
    const Span span = spanOf(out, start, duration);
    for (std::size_t i = span.first; i < span.last; ++i) {
        const double t = static_cast<double>(i - span.first) / kSampleRate;
        const double level = envelope.at(t, duration);
        const double modulator = index * level * std::sin(kTwoPi * freq * ratio * t);
        out[i] += amplitude * level * std::sin(kTwoPi * freq * t + modulator);
    }
}

void addNoise(Signal& out, double start, double duration, double centre, double endCentre, double q,
              double amplitude, const Envelope& envelope, Lcg& random) {
    const Span span = spanOf(out, start, duration);
    // Chamberlin state-variable filter; its band-pass output peaks near 1/q
    // times the input at the centre, so the input is scaled by q.
    double low = 0.0;
    double band = 0.0;
    const double damping = 1.0 / q;
    for (std::size_t i = span.first; i < span.last; ++i) {
        const double t = static_cast<double>(i - span.first) / kSampleRate;
        const double fc = centre + (endCentre - centre) * (t / duration);
        const double f = 2.0 * std::sin(std::numbers::pi * std::min(fc, kMaxCentre) / kSampleRate);
        const double input = random.next() * damping;
        low += f * band;
        const double high = input - low - damping * band;
        band += f * high;
        out[i] += amplitude * envelope.at(t, duration) * band;
    }
}

void normalize(Signal& signal, double peak) {
    double largest = 0.0;
    for (double v : signal) {
        largest = std::max(largest, std::abs(v));
    }
    if (largest == 0.0) {
        return;
    }
    const double scale = peak / largest;
    for (double& v : signal) {
        v *= scale;
    }
}

}  // namespace soundgen
