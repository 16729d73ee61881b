// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace sounds {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    out.insert(out.end(), tag, tag + 4);
}

std::uint32_t get16(const std::vector<std::uint8_t>& in, std::size_t at)
{
    return std::uint32_t(in[at]) | (std::uint32_t(in[at + 1]) << 8);
}

std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at)
{
    return get16(in, at) | (get16(in, at + 2) << 16);
}

bool tagAt(const std::vector<std::uint8_t>& in, std::size_t at, const char (&tag)[5])
{
    return std::equal(tag, tag + 4, in.begin() + static_cast<std::ptrdiff_t>(at));
}

bool fail(std::string* error, const std::string& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool writeWav(const std::string& path, const Signal& signal, int bitsPerSample, std::string* error)
{
    if (bitsPerSample != 8 && bitsPerSample != 16)
        return fail(error, "only 8-bit and 16-bit PCM are written");

    const std::uint32_t blockAlign = std::uint32_t(bitsPerSample / 8);
    const auto dataSize = static_cast<std::uint32_t>(signal.samples.size() * blockAlign);
    const std::uint32_t pad = dataSize % 2; // chunks are word-aligned

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize + pad);
    putTag(out, "RIFF");
    put32(out, 4 + (8 + 16) + (8 + dataSize + pad));
    putTag(out, "WAVE");

    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // linear PCM
    put16(out, 1); // mono
    put32(out, std::uint32_t(signal.rate));
    put32(out, std::uint32_t(signal.rate) * blockAlign);
    put16(out, blockAlign);
    put16(out, std::uint32_t(bitsPerSample));

    putTag(out, "data");
    put32(out, dataSize);
    for (double s : signal.samples) {
        s = std::clamp(s, -1.0, 1.0);
        if (bitsPerSample == 8) {
            // Unsigned, silence at 128.
            out.push_back(static_cast<std::uint8_t>(128 + std::lround(s * 127.0)));
        } else {
            const auto v = static_cast<std::int16_t>(std::lround(s * 32767.0));
            put16(out, static_cast<std::uint16_t>(v));
        }
    }
    if (pad)
        out.push_back(0);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return fail(error, "cannot open " + path + " for writing");
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file)
        return fail(error, "cannot write " + path);
    return true;
}

std::optional<WavFile> readWav(const std::string& path, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        fail(error, "cannot open file");
        return std::nullopt;
    }
    const std::vector<std::uint8_t> in{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    if (in.size() < 12 || !tagAt(in, 0, "RIFF") || !tagAt(in, 8, "WAVE")) {
        fail(error, "not a RIFF/WAVE file");
        return std::nullopt;
    }
    if (get32(in, 4) != in.size() - 8) {
        fail(error,
             "RIFF size field is " + std::to_string(get32(in, 4)) + ", file holds " + std::to_string(in.size() - 8)
                 + " bytes after it");
        return std::nullopt;
    }

    WavFile wav;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= in.size()) {
        const std::uint32_t size = get32(in, at + 4);
        const std::size_t body = at + 8;
        if (body + size > in.size()) {
            fail(error, "a chunk runs past the end of the file");
            return std::nullopt;
        }
        if (tagAt(in, at, "fmt ")) {
            if (size < 16) {
                fail(error, "fmt chunk is too short");
                return std::nullopt;
            }
            wav.format = static_cast<std::uint16_t>(get16(in, body));
            wav.channels = static_cast<std::uint16_t>(get16(in, body + 2));
            wav.rate = get32(in, body + 4);
            wav.byteRate = get32(in, body + 8);
            wav.blockAlign = static_cast<std::uint16_t>(get16(in, body + 12));
            wav.bitsPerSample = static_cast<std::uint16_t>(get16(in, body + 14));
            haveFormat = true;
        } else if (tagAt(in, at, "data")) {
            if (!haveFormat) {
                fail(error, "data chunk comes before the fmt chunk");
                return std::nullopt;
            }
            if (wav.format != 1) {
                fail(error, "format code " + std::to_string(wav.format) + " is not linear PCM (1)");
                return std::nullopt;
            }
            if (wav.channels == 0 || (wav.bitsPerSample != 8 && wav.bitsPerSample != 16)) {
                fail(error, "unsupported channel count or sample size");
                return std::nullopt;
            }
            if (wav.blockAlign != wav.channels * wav.bitsPerSample / 8) {
                fail(error, "block align " + std::to_string(wav.blockAlign) + " does not match channels × bytes");
                return std::nullopt;
            }
            if (wav.byteRate != wav.rate * wav.blockAlign) {
                fail(error, "byte rate " + std::to_string(wav.byteRate) + " does not match rate × block align");
                return std::nullopt;
            }
            if (size % wav.blockAlign != 0) {
                fail(error, "data size is not a whole number of frames");
                return std::nullopt;
            }
            for (std::size_t i = body; i < body + size; i += wav.blockAlign) {
                if (wav.bitsPerSample == 8) {
                    wav.samples.push_back((double(in[i]) - 128.0) / 127.0);
                } else {
                    const auto v = static_cast<std::int16_t>(get16(in, i));
                    wav.samples.push_back(double(v) / 32767.0);
                }
            }
            haveData = true;
        }
        at = body + size + (size % 2);
    }
    if (at != in.size()) {
        fail(error, "trailing bytes after the last chunk");
        return std::nullopt;
    }
    if (!haveFormat || !haveData) {
        fail(error, "fmt or data chunk missing");
        return std::nullopt;
    }
    return wav;
}

} // namespace sounds
