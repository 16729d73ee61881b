// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sounds {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// 0 → 1 along half a cosine period: no corner at either end.
double raisedCosine(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

} // namespace

Signal Signal::silence(int rate, int lengthMs)
{
    Signal s;
    s.rate = rate;
    // Integer rounding to the nearest sample (halves round up), so a length
    // such as 70 ms at 22050 Hz gives the same count on every machine.
    const long long count = (static_cast<long long>(rate) * lengthMs + 500) / 1000;
    s.samples.assign(static_cast<std::size_t>(count), 0.0);
    return s;
}

std::size_t Signal::indexAt(double seconds) const
{
    const double i = std::round(seconds * rate);
    if (i <= 0)
        return 0;
    return std::min(samples.size(), static_cast<std::size_t>(i));
}

Noise::Noise(std::uint64_t seed) : m_state(seed ? seed : 0x9E3779B97F4A7C15ULL) {}

double Noise::next()
{
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    const std::uint64_t r = m_state * 0x2545F4914F6CDD1DULL;
    // Top 53 bits give an exactly representable double in [0, 1).
    const double unit = double(r >> 11) * (1.0 / 9007199254740992.0);
    return 2.0 * unit - 1.0;
}

Biquad Biquad::lowPass(int rate, double cutoffHz, double q)
{
    const double w = twoPi * cutoffHz / rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0 = (1.0 - c) / 2.0 / a0;
    f.b1 = (1.0 - c) / a0;
    f.b2 = f.b0;
    f.a1 = -2.0 * c / a0;
    f.a2 = (1.0 - alpha) / a0;
    return f;
}

Biquad Biquad::highPass(int rate, double cutoffHz, double q)
{
    const double w = twoPi * cutoffHz / rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0 = (1.0 + c) / 2.0 / a0;
    f.b1 = -(1.0 + c) / a0;
    f.b2 = f.b0;
    f.a1 = -2.0 * c / a0;
    f.a2 = (1.0 - alpha) / a0;
    return f;
}

Biquad Biquad::bandPass(int rate, double centreHz, double q)
{
    // Constant 0 dB peak gain at the centre frequency.
    const double w = twoPi * centreHz / rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0 = alpha / a0;
    f.b1 = 0.0;
    f.b2 = -alpha / a0;
    f.a1 = -2.0 * c / a0;
    f.a2 = (1.0 - alpha) / a0;
    return f;
}

double Biquad::process(double x)
{
    // Transposed direct form II.
    const double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
}

void addTone(Signal& signal, const Tone& tone, double maxHz)
{
    const std::size_t first = signal.indexAt(tone.start);
    const std::size_t last = signal.indexAt(tone.start + tone.length);
    const double dt = 1.0 / signal.rate;
    // Partials are thinned out over the last 8 % below the limit instead of
    // being switched off abruptly when a glide or vibrato crosses it.
    const double fadeBand = 0.08 * maxHz;

    std::vector<double> phase(tone.partials.size(), 0.0);
    for (std::size_t i = first; i < last; ++i) {
        const double t = double(i - first) * dt;

        double f = tone.frequency(t);
        if (tone.vibratoHz > 0.0 && t > tone.vibratoDelay) {
            const double ramp = raisedCosine((t - tone.vibratoDelay) / 0.15);
            f *= 1.0 + tone.vibratoDepth * ramp * std::sin(twoPi * tone.vibratoHz * (t - tone.vibratoDelay));
        }

        double env = tone.level * raisedCosine(t / tone.attack);
        if (tone.decay > 0.0)
            env *= std::exp(-t / tone.decay);
        const double releaseStart = tone.length - tone.release;
        if (tone.release > 0.0 && t > releaseStart)
            env *= 1.0 - raisedCosine((t - releaseStart) / tone.release);

        double value = 0.0;
        for (std::size_t k = 0; k < tone.partials.size(); ++k) {
            const Partial& p = tone.partials[k];
            const double fk = f * p.ratio;
            const double guard = std::clamp((maxHz - fk) / fadeBand, 0.0, 1.0);
            double a = p.level * guard;
            if (p.decay > 0.0)
                a *= std::exp(-t / p.decay);
            value += a * std::sin(phase[k]);
            phase[k] = std::fmod(phase[k] + twoPi * fk * dt, twoPi);
        }
        signal.samples[i] += env * value;
    }
}

void addMode(Signal& signal, double start, double frequency, double level, double decay)
{
    const std::size_t first = signal.indexAt(start);
    const double dt = 1.0 / signal.rate;
    for (std::size_t i = first; i < signal.samples.size(); ++i) {
        const double t = double(i - first) * dt;
        const double env = std::exp(-t / decay);
        if (env < 1e-6)
            break;
        signal.samples[i] += level * env * std::sin(twoPi * frequency * t);
    }
}

void addNoiseBurst(Signal& signal, Noise& noise, double start, double length, double centreHz, double q, double level)
{
    const std::size_t first = signal.indexAt(start);
    const double dt = 1.0 / signal.rate;
    Biquad filter = Biquad::bandPass(signal.rate, centreHz, q);
    // The burst itself is `length` long; the filter is allowed to ring on
    // afterwards until it has died away.
    const double rise = std::min(0.0004, length * 0.25);
    for (std::size_t i = first; i < signal.samples.size(); ++i) {
        const double t = double(i - first) * dt;
        double drive = 0.0;
        if (t < length)
            drive = raisedCosine(t / rise) * std::exp(-3.0 * t / length) * noise.next();
        const double y = filter.process(drive);
        signal.samples[i] += level * y;
        if (t > length + 0.05)
            break;
    }
}

void highPass(Signal& signal, double cutoffHz)
{
    Biquad filter = Biquad::highPass(signal.rate, cutoffHz);
    for (double& s : signal.samples)
        s = filter.process(s);
}

void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds)
{
    const std::size_t n = signal.samples.size();
    const auto fadeIn = static_cast<std::size_t>(std::round(fadeInSeconds * signal.rate));
    const auto fadeOut = static_cast<std::size_t>(std::round(fadeOutSeconds * signal.rate));
    for (std::size_t i = 0; i < fadeIn && i < n; ++i)
        signal.samples[i] *= raisedCosine(double(i) / double(fadeIn));
    for (std::size_t i = 0; i < fadeOut && i < n; ++i)
        signal.samples[n - 1 - i] *= raisedCosine(double(i) / double(fadeOut));
}

void normalizePeak(Signal& signal, double peakDb)
{
    double peak = 0.0;
    for (double s : signal.samples)
        peak = std::max(peak, std::abs(s));
    if (peak <= 0.0)
        return;
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& s : signal.samples)
        s *= gain;
}

double peakDb(const Signal& signal)
{
    double peak = 0.0;
    for (double s : signal.samples)
        peak = std::max(peak, std::abs(s));
    return peak > 0.0 ? 20.0 * std::log10(peak) : -1000.0;
}

double noteHz(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

} // namespace sounds
