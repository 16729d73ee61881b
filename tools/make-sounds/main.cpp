// SPDX-License-Identifier: GPL-3.0-or-later
// make-sounds: synthesises the program's sound effects into WAV files and
// can check that a folder of them has exactly the expected format.
//
//   make-sounds OUTPUT_DIR          write 101.wav … 109.wav
//   make-sounds --check SOUND_DIR   verify headers, rates, lengths, levels

#include "sounds.h"
#include "wav.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace sounds;

std::string fileFor(const std::filesystem::path& dir, const SoundEffect& effect)
{
    return (dir / (std::to_string(effect.id) + ".wav")).string();
}

int writeAll(const std::filesystem::path& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "cannot create %s: %s\n", dir.string().c_str(), ec.message().c_str());
        return 1;
    }
    for (const SoundEffect& effect : soundEffects()) {
        const Signal signal = render(effect);
        const std::string path = fileFor(dir, effect);
        std::string error;
        if (!writeWav(path, signal, effect.bitsPerSample, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        std::printf("%s  %5d Hz  %2d-bit  %6zu samples  %s\n", path.c_str(), effect.rate, effect.bitsPerSample,
                    signal.samples.size(), effect.purpose.c_str());
    }
    return 0;
}

// Verifies one file; prints a line either way and returns whether it passed.
bool checkOne(const std::filesystem::path& dir, const SoundEffect& effect)
{
    const std::string path = fileFor(dir, effect);
    std::string error;
    const auto wav = readWav(path, &error);
    if (!wav) {
        std::printf("FAIL %s: %s\n", path.c_str(), error.c_str());
        return false;
    }

    const std::size_t expectedFrames = Signal::silence(effect.rate, effect.lengthMs).samples.size();
    double peak = 0.0;
    for (double s : wav->samples)
        peak = std::max(peak, std::abs(s));
    const double peakDb = peak > 0.0 ? 20.0 * std::log10(peak) : -1000.0;
    // One quantisation step of the stored format.
    const double step = wav->bitsPerSample == 8 ? 1.0 / 127.0 : 1.0 / 32767.0;

    std::string problem;
    if (wav->channels != 1)
        problem = "not mono";
    else if (wav->rate != std::uint32_t(effect.rate))
        problem = "rate " + std::to_string(wav->rate) + " instead of " + std::to_string(effect.rate);
    else if (wav->bitsPerSample != effect.bitsPerSample)
        problem = std::to_string(wav->bitsPerSample) + "-bit instead of " + std::to_string(effect.bitsPerSample);
    else if (wav->samples.size() != expectedFrames)
        problem = std::to_string(wav->samples.size()) + " samples instead of " + std::to_string(expectedFrames);
    else if (std::abs(peakDb - targetPeakDb) > 0.25)
        problem = "peak " + std::to_string(peakDb) + " dBFS is off the target level";
    else if (std::abs(wav->samples.front()) > 2 * step || std::abs(wav->samples.back()) > 2 * step)
        problem = "does not start and end at silence";

    std::printf("%s %s  fmt=%u ch=%u rate=%u bits=%u align=%u byterate=%u  %.4f s  peak %.2f dBFS%s%s\n",
                problem.empty() ? "ok  " : "FAIL", path.c_str(), wav->format, wav->channels, wav->rate,
                wav->bitsPerSample, wav->blockAlign, wav->byteRate, double(wav->samples.size()) / wav->rate, peakDb,
                problem.empty() ? "" : "  ", problem.c_str());
    return problem.empty();
}

int checkAll(const std::filesystem::path& dir)
{
    bool allGood = true;
    for (const SoundEffect& effect : soundEffects())
        allGood = checkOne(dir, effect) && allGood;
    return allGood ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) != "--check")
        return writeAll(argv[1]);
    if (argc == 3 && std::string(argv[1]) == "--check")
        return checkAll(argv[2]);
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n       %s --check SOUND_DIR\n", argv[0], argv[0]);
    return 2;
}
