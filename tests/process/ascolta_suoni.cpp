// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the program's sounds in a recording of the sound server's output and
// says how much of each came out. The process-level sound test runs it.
//
//   ascolta_suoni <rate> <recording.raw> <id>=<sound.raw> ...
//
// Every file is raw 16-bit little-endian mono at <rate>; the sounds are the
// program's WAV files brought to that rate by another tool. Each stretch of the
// recording that is not silent is matched against every sound: the sound is
// slid over its start, and the best place by normalised correlation must agree
// at 0.9 or better. Then the sound is compared piece by piece (10 ms at a time)
// to find how much of it came out before it stopped or stopped matching, and the
// search goes on after what was heard. One
// line is written per stretch, in the order heard:
//
//   SOUND <id> <start ms> <heard ms> <length ms> <correlation>
//   UNKNOWN <start ms>
//
// where <length ms> is how long the sound itself is audible and <heard ms> how
// much of that was found. Exit status 0, or 2 on bad use or unreadable files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Below this a sample counts as silence (about -60 dB of full scale).
constexpr double kFloor = 1e-3;
// How far the start of a sound may sit from where the recording first rises.
constexpr double kSearchMs = 4.0;
constexpr double kPieceMs = 10.0;
constexpr double kMatch = 0.9;
constexpr double kPieceMatch = 0.8;
// Silence that ends a stretch nothing matched.
constexpr double kGapMs = 30.0;

struct Suono {
    std::string id;
    std::vector<double> s;
    std::size_t primo = 0;  // first audible sample
    std::size_t ultimo = 0; // one past the last audible sample
};

bool leggi(const std::string& path, std::vector<double>& out)
{
    std::ifstream f(path, std::ios::binary);
    if (!f)
        return false;
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    out.resize(b.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<std::int16_t>(b[2 * i] | (b[2 * i + 1] << 8)) / 32768.0;
    return true;
}

// Normalised correlation of `a` from `pa` and `b` from `pb` over n samples (0 when
// either is silent or `a` runs out).
double correlazione(const std::vector<double>& a, std::size_t pa, const std::vector<double>& b, std::size_t pb,
                    std::size_t n)
{
    if (pa + n > a.size())
        return 0.0;
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += a[pa + i] * b[pb + i];
        aa += a[pa + i] * a[pa + i];
        bb += b[pb + i] * b[pb + i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
}

double rms(const std::vector<double>& a, std::size_t from, std::size_t n)
{
    double e = 0;
    for (std::size_t i = from; i < from + n && i < a.size(); ++i)
        e += a[i] * a[i];
    return std::sqrt(e / static_cast<double>(n));
}

// How many samples of `t`'s audible part, from its start, came out at `inizio`
// in the recording: every piece must match in shape and level, and a piece that
// is (nearly) silent in the sound must be as quiet in the recording.
std::size_t udito(const std::vector<double>& rec, std::size_t inizio, const Suono& t, std::size_t pezzo)
{
    std::size_t fine = t.primo;
    for (std::size_t p = t.primo; p < t.ultimo; p += pezzo) {
        const std::size_t n = std::min(pezzo, t.ultimo - p);
        const double livello = rms(t.s, p, n);
        const double registrato = rms(rec, inizio + p, n);
        if (livello < kFloor) {
            if (registrato > 2 * kFloor)
                break;
        } else {
            const double rapporto = registrato / livello;
            if (correlazione(rec, inizio + p, t.s, p, n) < kPieceMatch || rapporto < 0.5 || rapporto > 2.0)
                break;
        }
        fine = p + n;
    }
    return fine - t.primo;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: ascolta_suoni <rate> <recording.raw> <id>=<sound.raw> ...\n");
        return 2;
    }
    const double rate = std::stod(argv[1]);
    auto ms = [rate](double samples) { return samples * 1000.0 / rate; };
    const auto campioni = [rate](double millis) { return static_cast<std::size_t>(millis * rate / 1000.0); };
    std::vector<double> rec;
    if (!leggi(argv[2], rec)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    std::vector<Suono> suoni;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto uguale = arg.find('=');
        Suono t;
        t.id = arg.substr(0, uguale);
        if (uguale == std::string::npos || !leggi(arg.substr(uguale + 1), t.s)) {
            std::fprintf(stderr, "cannot read the sound %s\n", arg.c_str());
            return 2;
        }
        while (t.primo < t.s.size() && std::abs(t.s[t.primo]) < kFloor)
            ++t.primo;
        t.ultimo = t.s.size();
        while (t.ultimo > t.primo && std::abs(t.s[t.ultimo - 1]) < kFloor)
            --t.ultimo;
        if (t.ultimo == t.primo) {
            std::fprintf(stderr, "the sound %s is silent\n", t.id.c_str());
            return 2;
        }
        suoni.push_back(std::move(t));
    }

    const std::size_t ricerca = campioni(kSearchMs);
    const std::size_t pezzo = campioni(kPieceMs);
    std::size_t i = 0;
    while (i < rec.size()) {
        if (std::abs(rec[i]) < kFloor) {
            ++i;
            continue;
        }
        // The recording rises at i: try every sound with its first audible sample near there.
        const Suono* migliore = nullptr;
        std::size_t inizio = 0;
        double meglio = 0.0;
        for (const Suono& t : suoni) {
            for (std::size_t a = i + ricerca >= t.primo + 2 * ricerca ? i + ricerca - t.primo - 2 * ricerca : 0;
                 a + t.primo <= i + ricerca; ++a) {
                const double c = correlazione(rec, a + t.primo, t.s, t.primo, t.ultimo - t.primo);
                if (c > meglio) {
                    meglio = c;
                    migliore = &t;
                    inizio = a;
                }
            }
        }
        if (migliore && meglio >= kMatch) {
            const std::size_t sentito = udito(rec, inizio, *migliore, pezzo);
            std::printf("SOUND %s %.1f %.1f %.1f %.3f\n", migliore->id.c_str(), ms(double(inizio)), ms(double(sentito)),
                        ms(double(migliore->ultimo - migliore->primo)), meglio);
            i = std::max(i + 1, inizio + migliore->primo + std::max<std::size_t>(sentito, 1));
            continue;
        }
        std::printf("UNKNOWN %.1f\n", ms(double(i)));
        // Pass over the rest of this stretch: up to the next gap of silence.
        std::size_t quiete = 0;
        while (i < rec.size() && quiete < campioni(kGapMs)) {
            quiete = std::abs(rec[i]) < kFloor ? quiete + 1 : 0;
            ++i;
        }
    }
    return 0;
}
