#include "SoundBank.h"

#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

// Frequency of the note n semitones above A4 (440 Hz).
double note(int n) {
    return 440.0 * std::pow(2.0, n / 12.0);
}

constexpr int C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, C6 = 15, E6 = 19, G6 = 22, C7 = 27;
constexpr int G4 = -2, E4 = -5, B4 = 2, C4 = -9, G3 = -14, C3 = -21;

GeneratedSound finish(const char* name, Signal samples, bool loops = false) {
    normalize(samples, kPeak);
    return {name, std::move(samples), loops};
}

// Select: a soft wooden knock, a damped resonance over a muffled tap.
GeneratedSound click() {
    Signal s = silence(0.07);
    Lcg random(1125);
    addTone(s, 0.0, 0.07, 820.0, 0.6, {0.001, 90.0, 0.01});
    addTone(s, 0.0, 0.07, 1460.0, 0.25, {0.001, 160.0, 0.01});
    addNoise(s, 0.0, 0.02, 1800.0, 900.0, 2.0, 0.5, {0.0005, 250.0, 0.005}, random);
    return finish("JIGCLICK.WAV", std::move(s));
}

// Move: a short light tick.
GeneratedSound tick() {
    Signal s = silence(0.05);
    Lcg random(1126);
    addTone(s, 0.0, 0.05, 3200.0, 0.4, {0.0005, 260.0, 0.005});
    addNoise(s, 0.0, 0.01, 3000.0, 3000.0, 3.0, 0.3, {0.0005, 400.0, 0.003}, random);
    return finish("JIGMOVE.WAV", std::move(s));
}

// Release: a soft muffled drop, lower than the pick-up click.
GeneratedSound release() {
    Signal s = silence(0.09);
    Lcg random(1154);
    addTone(s, 0.0, 0.09, 320.0, 0.7, {0.002, 60.0, 0.015}, 240.0);
    addNoise(s, 0.0, 0.03, 900.0, 500.0, 1.5, 0.4, {0.001, 150.0, 0.01}, random);
    return finish("JIGRELEA.WAV", std::move(s));
}

// Snap: a crisp crack, a body thump falling in pitch and a small bright ping.
GeneratedSound snap() {
    Signal s = silence(0.18);
    Lcg random(1155);
    addNoise(s, 0.0, 0.025, 3400.0, 2400.0, 1.2, 0.9, {0.0003, 180.0, 0.005}, random);
    addTone(s, 0.0, 0.12, 220.0, 0.8, {0.001, 35.0, 0.02}, 130.0);
    addFm(s, 0.004, 0.17, 1568.0, 2.0, 1.5, 0.25, {0.001, 28.0, 0.03});
    return finish("JIGSNAP.WAV", std::move(s));
}

// Perfect fit: a rising chime of four bell notes.
GeneratedSound bonus() {
    Signal s = silence(1.0);
    const int notes[] = {C6, E6, G6, C7};
    for (int i = 0; i < 4; ++i) {
        addFm(s, 0.1 * i, 1.0 - 0.1 * i, note(notes[i]), 3.5, 1.2, 0.35, {0.002, 5.0, 0.08});
    }
    return finish("JIGBONUS.WAV", std::move(s));
}

// Start-up: a gentle melody over a soft low fifth.
GeneratedSound intro() {
    Signal s = silence(2.3);
    const int melody[] = {C5, E5, G5, A5, G5, E5, D5, C6};
    const double starts[] = {0.0, 0.22, 0.44, 0.66, 0.99, 1.21, 1.43, 1.65};
    for (int i = 0; i < 8; ++i) {
        const double length = i == 7 ? 0.65 : 0.42;
        addFm(s, starts[i], length, note(melody[i]), 1.0, 0.6, 0.3, {0.02, 3.0, 0.12});
    }
    addTone(s, 0.0, 2.3, note(C3), 0.18, {0.4, 0.6, 0.5});
    addTone(s, 0.0, 2.3, note(G3), 0.12, {0.5, 0.6, 0.5});
    addTone(s, 1.65, 0.65, note(C4), 0.15, {0.05, 2.0, 0.3});
    return finish("JIGINTRO.WAV", std::move(s));
}

// Loading: a swoosh of air rising in pitch, swelling and fading.
GeneratedSound swoosh() {
    Signal s = silence(0.6);
    Lcg random(1122);
    addNoise(s, 0.0, 0.6, 300.0, 3200.0, 2.5, 1.0, {0.35, 12.0, 0.2}, random);
    return finish("JIGLOAD.WAV", std::move(s));
}

// Cutting: two saw strokes, push and pull, each swelling from silence and
// back, so the loop seam falls into a quiet moment and never clicks.
GeneratedSound saw() {
    constexpr double kLength = 0.8;
    Signal s = silence(kLength);
    Lcg random(1123);
    const double half = kLength / 2.0;
    const Envelope flat{0.0, 0.0, 0.0};
    addNoise(s, 0.0, half, 1700.0, 2300.0, 3.0, 1.0, flat, random);
    addNoise(s, half, half, 2300.0, 1500.0, 3.0, 1.0, flat, random);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double stroke = std::sin(std::numbers::pi * t / half);
        // Teeth catching: a fast flutter on top of the stroke swell.
        const double teeth = 0.75 + 0.25 * std::sin(2.0 * std::numbers::pi * 55.0 * t);
        s[i] *= stroke * stroke * teeth;
    }
    return finish("JIGCUT.WAV", std::move(s), true);
}

// Errors: a low buzz of two beating square-like tones.
GeneratedSound buzz(const char* name, double seconds) {
    Signal s = silence(seconds);
    const Envelope env{0.01, 1.5, 0.05};
    for (int harmonic = 1; harmonic <= 9; harmonic += 2) {
        addTone(s, 0.0, seconds, 110.0 * harmonic, 0.5 / harmonic, env);
        addTone(s, 0.0, seconds, 116.0 * harmonic, 0.4 / harmonic, env);
    }
    return finish(name, std::move(s));
}

// A bolt moving: a bright metallic click and a solid clack, in either order.
void addLatch(Signal& s, double metalAt, double clackAt, Lcg& random) {
    addFm(s, metalAt, 0.08, 2500.0, 1.41, 2.0, 0.4, {0.0005, 70.0, 0.01});
    addNoise(s, metalAt, 0.02, 3400.0, 3400.0, 4.0, 0.5, {0.0003, 200.0, 0.005}, random);
    addTone(s, clackAt, 0.1, 420.0, 0.7, {0.001, 55.0, 0.02}, 330.0);
    addNoise(s, clackAt, 0.04, 1200.0, 800.0, 2.0, 0.6, {0.0005, 120.0, 0.01}, random);
}

// Lock: the bolt slides home - metal first, then the solid clack.
GeneratedSound lock() {
    Signal s = silence(0.2);
    Lcg random(1157);
    addLatch(s, 0.0, 0.07, random);
    return finish("JIGLOCK.WAV", std::move(s));
}

// Unlock: the bolt pulled back - clack first, then the metal springs free.
GeneratedSound unlock() {
    Signal s = silence(0.2);
    Lcg random(1162);
    addLatch(s, 0.06, 0.0, random);
    return finish("JIGNOLOC.WAV", std::move(s));
}

// Lock refused: the bolt knocks twice against the stop, with a dull buzz.
GeneratedSound lockError() {
    Signal s = silence(0.35);
    Lcg random(1163);
    for (double at : {0.0, 0.15}) {
        addTone(s, at, 0.15, 300.0, 0.6, {0.001, 40.0, 0.02}, 250.0);
        addNoise(s, at, 0.04, 900.0, 600.0, 2.0, 0.5, {0.0005, 120.0, 0.01}, random);
        addTone(s, at, 0.15, 98.0, 0.3, {0.005, 15.0, 0.03});
        addTone(s, at, 0.15, 294.0, 0.1, {0.005, 15.0, 0.03});
    }
    return finish("JIGLOCER.WAV", std::move(s));
}

// Expert miss: a falling two-note "wrong" with a reedy edge.
GeneratedSound expertError() {
    Signal s = silence(0.55);
    addFm(s, 0.0, 0.25, note(0), 1.0, 2.5, 0.5, {0.005, 4.0, 0.04});
    addFm(s, 0.25, 0.3, note(E4), 1.0, 2.5, 0.5, {0.005, 4.0, 0.06});
    return finish("JIGEXPER.WAV", std::move(s));
}

// Pause: two soft tones, high then low.
GeneratedSound pause() {
    Signal s = silence(0.5);
    addTone(s, 0.0, 0.22, note(E5), 0.5, {0.01, 4.0, 0.05});
    addTone(s, 0.25, 0.25, note(B4), 0.5, {0.01, 4.0, 0.08});
    return finish("JIGPAUSE.WAV", std::move(s));
}

// New high score: a bright jingle, a quick run up with a shimmer on top.
GeneratedSound jingle() {
    Signal s = silence(1.2);
    Lcg random(1158);
    const int notes[] = {E5, G5, A5, C6, E6, C6, E6};
    const double starts[] = {0.0, 0.1, 0.2, 0.3, 0.45, 0.6, 0.72};
    for (int i = 0; i < 7; ++i) {
        addFm(s, starts[i], 1.2 - starts[i], note(notes[i]), 2.0, 1.0, 0.3, {0.003, 6.0, 0.1});
    }
    for (double at : {0.0, 0.2, 0.45, 0.72}) {
        addNoise(s, at, 0.12, 3500.0, 3500.0, 6.0, 0.25, {0.002, 30.0, 0.03}, random);
    }
    return finish("JIGHIGHS.WAV", std::move(s));
}

// First place: a short brass fanfare, rising to a held major chord.
GeneratedSound fanfare() {
    Signal s = silence(1.4);
    const Envelope brass{0.03, 1.2, 0.1};
    addFm(s, 0.0, 0.16, note(G4), 1.0, 3.0, 0.4, brass);
    addFm(s, 0.18, 0.16, note(G4), 1.0, 3.0, 0.4, brass);
    addFm(s, 0.36, 0.16, note(G4), 1.0, 3.0, 0.4, brass);
    addFm(s, 0.54, 0.86, note(C5), 1.0, 3.0, 0.4, brass);
    addFm(s, 0.54, 0.86, note(E5), 1.0, 2.5, 0.3, brass);
    addFm(s, 0.54, 0.86, note(G5), 1.0, 2.0, 0.3, brass);
    return finish("JIGFIRST.WAV", std::move(s));
}

}  // namespace

std::vector<GeneratedSound> makeSoundBank() {
    std::vector<GeneratedSound> bank;
    bank.push_back(bonus());
    bank.push_back(intro());
    bank.push_back(swoosh());
    bank.push_back(saw());
    bank.push_back(click());
    bank.push_back(tick());
    bank.push_back(release());
    bank.push_back(snap());
    bank.push_back(buzz("JIGERROR.WAV", 0.4));
    bank.push_back(lock());
    bank.push_back(jingle());
    bank.push_back(fanfare());
    bank.push_back(pause());
    bank.push_back(unlock());
    bank.push_back(lockError());
    bank.push_back(expertError());
    return bank;
}

}  // namespace soundgen
