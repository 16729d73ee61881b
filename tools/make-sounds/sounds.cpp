// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace sounds {

namespace {

// Pitches used below, as semitones from A4 (440 Hz).
constexpr int B3 = -10, C4 = -9, E4 = -5, G4 = -2;
constexpr int C5 = 3, E5 = 7, G5 = 10, C6 = 15;

std::function<double(double)> steady(double hz)
{
    return [hz](double) { return hz; };
}

// Highest frequency any partial may reach: a margin below Nyquist, and for
// the 6 kHz files a wider one (2.4 kHz), so nothing crowds the 3 kHz limit.
double ceilingHz(int rate)
{
    return std::min(0.45 * rate, rate <= 6000 ? 2400.0 : 0.45 * rate);
}

// Clock "tic": a small hardwood block struck once. A few inharmonic
// resonances that die within tens of milliseconds, started by a tiny
// scrape of noise; the rest of the half second stays silent.
Signal clockTick(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    Noise noise(0x7E1C0101);
    addMode(s, 0.0, 430.0, 0.30, 0.022);
    addMode(s, 0.0, 1060.0, 1.00, 0.012);
    addMode(s, 0.0, 1790.0, 0.45, 0.007);
    addMode(s, 0.0, 2530.0, 0.30, 0.005);
    addMode(s, 0.0, 3240.0, 0.12, 0.003);
    addNoiseBurst(s, noise, 0.0, 0.0015, 2000.0, 1.2, 0.9);
    highPass(s, 120.0);
    fadeEdges(s, 0.0, 0.005);
    return s;
}

// Fanfare for a passed final test: four quick rising notes of the major
// triad, then the full chord ringing out with a light vibrato.
Signal fanfare(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    const double top = ceilingHz(e.rate);

    // Soft brass-like colour: strong low harmonics, upper ones receding
    // and fading faster than the fundamental.
    const std::vector<Partial> brass{
        {1.0, 1.00, 0.0}, {2.0, 0.55, 0.0}, {3.0, 0.32, 0.9}, {4.0, 0.18, 0.6}, {5.0, 0.10, 0.4}, {6.0, 0.06, 0.3},
    };

    const int run[] = {G4, C5, E5, G5};
    for (int i = 0; i < 4; ++i) {
        Tone t;
        t.start = 0.15 * i;
        t.length = i < 3 ? 0.14 : 0.26;
        t.level = 0.55;
        t.attack = 0.012;
        t.release = 0.04;
        t.partials = brass;
        t.frequency = steady(noteHz(run[i]));
        addTone(s, t, top);
    }

    struct ChordNote {
        int pitch;
        double level;
    };
    const ChordNote chord[] = {{C4, 0.30}, {C5, 0.34}, {E5, 0.28}, {G5, 0.26}, {C6, 0.22}};
    for (const ChordNote& n : chord) {
        Tone t;
        t.start = 0.74;
        t.length = e.lengthMs / 1000.0 - t.start - 0.01;
        t.level = n.level;
        t.attack = 0.02;
        t.release = 0.45;
        t.decay = 1.6;
        t.vibratoHz = 5.2;
        t.vibratoDepth = 0.004;
        t.vibratoDelay = 0.35;
        t.partials = brass;
        t.frequency = steady(noteHz(n.pitch));
        addTone(s, t, top);
    }
    fadeEdges(s, 0.003, 0.02);
    return s;
}

// "Pop": a round bubble-like blip whose pitch springs upwards.
Signal pop(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    Tone t;
    t.start = 0.0;
    t.length = e.lengthMs / 1000.0;
    t.attack = 0.002;
    t.release = 0.012;
    t.decay = 0.016;
    t.partials = {{1.0, 1.0, 0.0}, {2.0, 0.18, 0.008}, {3.0, 0.05, 0.005}};
    t.frequency = [](double time) {
        // Exponential approach from 380 Hz to 1150 Hz.
        return 1150.0 - (1150.0 - 380.0) * std::exp(-time / 0.008);
    };
    addTone(s, t, ceilingHz(e.rate));
    fadeEdges(s, 0.001, 0.004);
    return s;
}

// Small rocker switch: the press and the lighter snap back, both damped
// and kept below 4 kHz so the click stays soft.
Signal switchClick(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    Noise noise(0x5717C104);
    const double hits[][2] = {{0.000, 1.0}, {0.024, 0.55}};
    for (const auto& hit : hits) {
        const double at = hit[0];
        const double gain = hit[1];
        const double tune = gain < 1.0 ? 1.12 : 1.0;
        addMode(s, at, 720.0 * tune, 0.35 * gain, 0.006);
        addMode(s, at, 1580.0 * tune, 1.00 * gain, 0.0035);
        addMode(s, at, 2900.0 * tune, 0.30 * gain, 0.002);
        addNoiseBurst(s, noise, at, 0.0008, 2200.0, 1.0, 0.5 * gain);
    }
    highPass(s, 150.0);
    fadeEdges(s, 0.0005, 0.005);
    return s;
}

// Tiny, bright tick for repeated steps; short enough to repeat quickly
// without smearing into the next one.
Signal stepTick(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    Noise noise(0x57E90105);
    addMode(s, 0.0, 1350.0, 0.30, 0.004);
    addMode(s, 0.0, 2800.0, 1.00, 0.0025);
    addMode(s, 0.0, 5100.0, 0.25, 0.0012);
    addNoiseBurst(s, noise, 0.0, 0.0005, 4000.0, 1.4, 0.3);
    highPass(s, 300.0);
    fadeEdges(s, 0.0003, 0.004);
    return s;
}

// Ordinary button press: a short, muted plastic click.
Signal buttonClick(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    Noise noise(0xB077C106);
    addMode(s, 0.0, 610.0, 0.30, 0.007);
    addMode(s, 0.0, 1230.0, 1.00, 0.005);
    addMode(s, 0.0, 2480.0, 0.45, 0.003);
    addMode(s, 0.0, 3700.0, 0.12, 0.0015);
    addNoiseBurst(s, noise, 0.0, 0.001, 2000.0, 1.0, 0.45);
    highPass(s, 150.0);
    fadeEdges(s, 0.0003, 0.004);
    return s;
}

// Bell-like chime voice: harmonic partials, the upper ones fading first,
// plus a quick double-octave shimmer at the strike.
Tone chimeNote(double start, double length, double hz, double level, double decay)
{
    Tone t;
    t.start = start;
    t.length = length;
    t.level = level;
    t.attack = 0.003;
    t.release = 0.03;
    t.decay = decay;
    t.partials = {{1.0, 1.0, 0.0}, {2.0, 0.40, decay * 0.5}, {3.0, 0.10, decay * 0.25}, {4.0, 0.14, 0.03}};
    t.frequency = steady(hz);
    return t;
}

// Right answer: two quick rising notes, a fourth apart.
Signal rightAnswer(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    const double top = ceilingHz(e.rate);
    const double total = e.lengthMs / 1000.0;
    addTone(s, chimeNote(0.0, 0.10, noteHz(G5), 0.8, 0.09), top);
    addTone(s, chimeNote(0.065, total - 0.065, noteHz(C6), 1.0, 0.12), top);
    fadeEdges(s, 0.002, 0.012);
    return s;
}

// Section opens: three rising notes of the major triad, each left ringing
// under the next.
Signal sectionOpens(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    const double top = ceilingHz(e.rate);
    const double total = e.lengthMs / 1000.0;
    const int pitches[] = {C5, E5, G5};
    for (int i = 0; i < 3; ++i) {
        const double start = 0.12 * i;
        addTone(s, chimeNote(start, total - start, noteHz(pitches[i]), i == 2 ? 1.0 : 0.85, 0.26), top);
    }
    fadeEdges(s, 0.002, 0.04);
    return s;
}

// Wrong answer or lost test: one warm, soft tone that sinks a fourth and
// fades, closer to a gentle "oh" than to an alarm.
Signal wrongAnswer(const SoundEffect& e)
{
    Signal s = Signal::silence(e.rate, e.lengthMs);
    const double from = noteHz(E4);
    const double to = noteHz(B3);
    Tone t;
    t.start = 0.0;
    t.length = e.lengthMs / 1000.0;
    t.attack = 0.04;
    t.release = 0.22;
    t.decay = 1.4;
    t.vibratoHz = 4.8;
    t.vibratoDepth = 0.003;
    t.vibratoDelay = 0.45;
    t.partials = {{1.0, 1.0, 0.0}, {2.0, 0.28, 0.0}, {3.0, 0.09, 0.0}, {4.0, 0.03, 0.0}};
    t.frequency = [from, to](double time) {
        // Holds briefly, slides down with an eased curve, then settles.
        const double x = std::clamp((time - 0.10) / 0.45, 0.0, 1.0);
        const double eased = x * x * (3.0 - 2.0 * x);
        return from * std::pow(to / from, eased);
    };
    addTone(s, t, ceilingHz(e.rate));
    fadeEdges(s, 0.003, 0.02);
    return s;
}

} // namespace

const std::vector<SoundEffect>& soundEffects()
{
    static const std::vector<SoundEffect> effects{
        {101, 8000, 500, 16, "clock tick", clockTick},
        {102, 8000, 2880, 16, "fanfare for a passed final test", fanfare},
        {103, 22050, 70, 16, "pop: adjustment buttons become usable", pop},
        {104, 11025, 60, 16, "switch click: 12/24-hour view changed", switchClick},
        {105, 22050, 30, 16, "tiny tick for each repeated step", stepTick},
        {106, 11025, 40, 16, "button click", buttonClick},
        {107, 6000, 190, 16, "two-note chime for a right answer", rightAnswer},
        {108, 11025, 620, 16, "three-note chime when a section opens", sectionOpens},
        {109, 11025, 860, 16, "gentle descending tone for a wrong answer", wrongAnswer},
    };
    return effects;
}

Signal render(const SoundEffect& effect)
{
    Signal s = effect.render(effect);
    normalizePeak(s, targetPeakDb);
    return s;
}

} // namespace sounds
