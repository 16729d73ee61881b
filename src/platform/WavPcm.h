// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the program's sounds and getting them ready for an audio output, with
// no device involved: a RIFF/WAVE file becomes mono samples, which are brought
// to the output's rate and written in its sample layout.

#include <QAudioFormat>
#include <QByteArray>
#include <optional>
#include <vector>

namespace WavPcm {

// A decoded sound: mono samples in [-1, 1] at `rate` samples a second.
struct Pcm {
    int rate = 0;
    std::vector<float> samples;
};

// Decodes linear PCM of 8 (unsigned), 16, 24 or 32 bits, or 32-bit float, with
// any number of channels (mixed down to one). Chunks other than "fmt " and
// "data" are skipped. Nothing for a file that is not such a WAV or is cut short
// before its samples; a data chunk shorter than it claims gives what is there.
std::optional<Pcm> decode(const QByteArray& wav);

// The same sound at `toRate`, band-limited (windowed sinc), lasting as long as
// before to the nearest sample.
std::vector<float> resample(const std::vector<float>& samples, int fromRate, int toRate);

// The sound at the rate, channel count and sample format of `format`, the mono
// signal copied into every channel; empty for a format it cannot write.
QByteArray toFormat(const Pcm& pcm, const QAudioFormat& format);

// The program's sound `id` (from the resources) as written to an output of `format`;
// empty for an unknown or unreadable sound. Safe on any thread.
QByteArray samplesOfSound(int id, const QAudioFormat& format);

} // namespace WavPcm
