// SPDX-License-Identifier: GPL-3.0-or-later
// The program's nine sound effects: what each one is, the exact format it is
// stored in, and the recipe that synthesises it.
#pragma once

#include "dsp.h"

#include <functional>
#include <string>
#include <vector>

namespace sounds {

struct SoundEffect {
    int id;            // file name without extension, e.g. 101 → 101.wav
    int rate;          // samples per second
    int lengthMs;      // total length, rounded to the nearest sample
    int bitsPerSample; // 8 (unsigned) or 16 (signed) linear PCM
    std::string purpose;
    std::function<Signal(const SoundEffect&)> render;
};

// Every effect ends at this peak level, leaving headroom for the mixer.
inline constexpr double targetPeakDb = -3.0;

const std::vector<SoundEffect>& soundEffects();

// Renders one effect: synthesis, edge fades and peak normalisation.
Signal render(const SoundEffect& effect);

} // namespace sounds
