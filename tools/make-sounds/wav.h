// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and independently re-reading mono linear-PCM RIFF/WAVE files of the
// kind the program's sound player accepts (8-bit unsigned or 16-bit signed).
#pragma once

#include "dsp.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sounds {

// Writes the signal as a canonical 44-byte-header WAV file. Values are
// rounded to the nearest step; anything outside [-1, 1] would be clamped,
// but the generator keeps its peaks well below that.
bool writeWav(const std::string& path, const Signal& signal, int bitsPerSample, std::string* error);

struct WavFile {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<double> samples; // first channel, scaled to [-1, 1]
};

// Parses a file chunk by chunk and rejects anything a plain PCM player could
// trip over: wrong RIFF size, missing or misplaced chunks, a compressed
// format code, or block-align/byte-rate fields that disagree with the rest.
std::optional<WavFile> readWav(const std::string& path, std::string* error);

} // namespace sounds
