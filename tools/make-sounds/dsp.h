// SPDX-License-Identifier: GPL-3.0-or-later
// Small set of synthesis building blocks: a mono sample buffer, tones built
// from partials, damped resonances for clicks, filtered noise bursts and the
// final shaping (fades, peak level).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace sounds {

// Mono signal in the range [-1, 1] at a fixed sample rate.
struct Signal {
    int rate = 0;
    std::vector<double> samples;

    // Buffer of silence, lengthMs long, rounded to the nearest whole sample.
    static Signal silence(int rate, int lengthMs);

    double duration() const { return double(samples.size()) / rate; }
    std::size_t indexAt(double seconds) const;
};

// Deterministic noise source (xorshift64*) so every run writes the same bytes.
class Noise {
public:
    explicit Noise(std::uint64_t seed);
    double next(); // uniform in [-1, 1)

private:
    std::uint64_t m_state;
};

// Second-order IIR section (bilinear-transform designs).
class Biquad {
public:
    static Biquad lowPass(int rate, double cutoffHz, double q = 0.7071);
    static Biquad highPass(int rate, double cutoffHz, double q = 0.7071);
    static Biquad bandPass(int rate, double centreHz, double q);

    double process(double x);

private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double z1 = 0, z2 = 0;
};

// One component of a tone: frequency ratio to the fundamental, relative level,
// and how fast it dies away (seconds for a fall of 1/e; 0 means it does not).
struct Partial {
    double ratio = 1.0;
    double level = 1.0;
    double decay = 0.0;
};

struct Tone {
    double start = 0.0;  // seconds from the beginning of the buffer
    double length = 0.0; // seconds until the end of the release
    double level = 1.0;
    double attack = 0.005; // raised-cosine rise, seconds
    double release = 0.02; // raised-cosine fall at the end, seconds
    double decay = 0.0;    // overall exponential decay, seconds (0 = none)
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;     // fraction of the frequency, e.g. 0.003
    double vibratoDelay = 0.0;     // seconds before vibrato fades in
    std::vector<Partial> partials; // the tone is silent without any
    // Fundamental frequency as a function of time since the tone's start.
    std::function<double(double)> frequency;
};

// Adds a tone. Partials that would reach maxHz are faded out and then dropped,
// so nothing is generated near or above the Nyquist frequency.
void addTone(Signal& signal, const Tone& tone, double maxHz);

// Adds an exponentially damped sine starting at phase zero, which is how a
// struck piece of wood or plastic rings at each of its resonances.
void addMode(Signal& signal, double start, double frequency, double level, double decay);

// Adds a short burst of band-passed noise with a quick rise and an
// exponential fall: the scrape/contact part of a click.
void addNoiseBurst(Signal& signal, Noise& noise, double start, double length, double centreHz, double q, double level);

// Removes any constant offset with a gentle high-pass filter.
void highPass(Signal& signal, double cutoffHz);

// Raised-cosine fades at both edges.
void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds);

// Scales the signal so that its largest absolute sample equals 10^(dB/20).
void normalizePeak(Signal& signal, double peakDb);

double peakDb(const Signal& signal);

// Equal-tempered pitch: semitones relative to A4 = 440 Hz.
double noteHz(int semitonesFromA4);

} // namespace sounds
