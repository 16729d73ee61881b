// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavPcm.h"

#include "Risorse.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace WavPcm {

namespace {

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;

struct Formato {
    quint16 code = 0;
    int channels = 0;
    int rate = 0;
    int blockAlign = 0;
    int bits = 0;
};

quint16 u16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 u32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

// The "fmt " chunk, or nothing when it describes samples this decoder does not read.
std::optional<Formato> leggiFormato(const char* p, quint32 size)
{
    if (size < 16)
        return std::nullopt;
    Formato f;
    f.code = u16(p);
    f.channels = u16(p + 2);
    f.rate = static_cast<int>(std::min<quint32>(u32(p + 4), 1'000'000));
    f.blockAlign = u16(p + 12);
    f.bits = u16(p + 14);
    // The extensible header names the real format in the first two bytes of its sub-format.
    if (f.code == kFormatExtensible && size >= 40 && u16(p + 16) >= 22)
        f.code = u16(p + 24);
    const bool intero = f.code == kFormatPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool reale = f.code == kFormatFloat && f.bits == 32;
    if (!(intero || reale) || f.channels < 1 || f.rate < 1 || f.blockAlign != f.channels * f.bits / 8)
        return std::nullopt;
    return f;
}

// One sample of `bits` bits at `p`, scaled to [-1, 1).
float campione(const char* p, const Formato& f)
{
    switch (f.bits) {
    case 8:
        return (static_cast<unsigned char>(*p) - 128) / 128.0f;
    case 16:
        return static_cast<qint16>(u16(p)) / 32768.0f;
    case 24: {
        const quint32 u = static_cast<quint32>(static_cast<unsigned char>(p[0])) << 8
            | static_cast<quint32>(static_cast<unsigned char>(p[1])) << 16
            | static_cast<quint32>(static_cast<unsigned char>(p[2])) << 24;
        return static_cast<float>(static_cast<qint32>(u) / 2147483648.0);
    }
    default:
        if (f.code == kFormatFloat) {
            float v;
            const quint32 bitsFloat = u32(p);
            std::memcpy(&v, &bitsFloat, sizeof v);
            return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
        }
        return static_cast<float>(static_cast<qint32>(u32(p)) / 2147483648.0);
    }
}

// The windowed-sinc kernel at distance x (in input samples) for a cut-off of fc
// (a fraction of the input's Nyquist frequency) and `lobes` zero crossings a side.
double kernel(double x, double fc, int lobes)
{
    const double larghezza = lobes / fc;
    if (std::abs(x) >= larghezza)
        return 0.0;
    const double pi = 3.14159265358979323846;
    const double t = pi * fc * x;
    const double sinc = t == 0.0 ? 1.0 : std::sin(t) / t;
    const double finestra = 0.5 + 0.5 * std::cos(pi * x / larghezza); // Hann
    return fc * sinc * finestra;
}

} // namespace

std::optional<Pcm> decode(const QByteArray& wav)
{
    const char* d = wav.constData();
    const qsizetype n = wav.size();
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::optional<Formato> formato;
    qsizetype at = 12;
    while (at + 8 <= n) {
        const quint32 size = u32(d + at + 4);
        const qsizetype corpo = at + 8;
        const qsizetype disponibili = std::min<qsizetype>(size, n - corpo);
        if (std::memcmp(d + at, "fmt ", 4) == 0) {
            formato = leggiFormato(d + corpo, static_cast<quint32>(disponibili));
            if (!formato)
                return std::nullopt;
        } else if (std::memcmp(d + at, "data", 4) == 0) {
            if (!formato)
                return std::nullopt;
            const Formato& f = *formato;
            const int larghezza = f.bits / 8;
            Pcm pcm;
            pcm.rate = f.rate;
            const qsizetype frames = disponibili / f.blockAlign;
            pcm.samples.resize(static_cast<std::size_t>(frames));
            for (qsizetype i = 0; i < frames; ++i) {
                const char* frame = d + corpo + i * f.blockAlign;
                float somma = 0.0f;
                for (int c = 0; c < f.channels; ++c)
                    somma += campione(frame + c * larghezza, f);
                pcm.samples[static_cast<std::size_t>(i)] = somma / static_cast<float>(f.channels);
            }
            return pcm;
        }
        at = corpo + size + (size % 2);
    }
    return std::nullopt;
}

std::vector<float> resample(const std::vector<float>& samples, int fromRate, int toRate)
{
    if (fromRate <= 0 || toRate <= 0 || samples.empty())
        return {};
    if (fromRate == toRate)
        return samples;
    const qint64 in = static_cast<qint64>(samples.size());
    const qint64 out = (in * toRate + fromRate / 2) / fromRate;
    // Output sample n sits at input position n * fromRate / toRate: a whole part and
    // a fraction of toRate. The fractions repeat, so each one's kernel is made once.
    const int g = std::gcd(fromRate, toRate);
    const qint64 fasiEsatte = toRate / g;
    const int fasi = static_cast<int>(std::min<qint64>(fasiEsatte, 4096));
    constexpr int kLobes = 8;
    const double fc = std::min(1.0, static_cast<double>(toRate) / fromRate);
    const int meta = static_cast<int>(std::ceil(kLobes / fc)); // taps each side
    const int prese = 2 * meta;
    std::vector<double> tabella(static_cast<std::size_t>(fasi) * prese);
    for (int f = 0; f < fasi; ++f) {
        const double frazione = static_cast<double>(f) / fasi;
        for (int k = 0; k < prese; ++k)
            tabella[static_cast<std::size_t>(f) * prese + k] = kernel(frazione - (k - meta + 1), fc, kLobes);
    }
    std::vector<float> risultato(static_cast<std::size_t>(out));
    for (qint64 i = 0; i < out; ++i) {
        const qint64 posizione = i * fromRate;
        const qint64 intero = posizione / toRate;
        const qint64 resto = posizione % toRate;
        const int f = fasiEsatte <= 4096 ? static_cast<int>(resto / g) : static_cast<int>(resto * fasi / toRate);
        const double* k = &tabella[static_cast<std::size_t>(f) * prese];
        double somma = 0.0;
        const qint64 primo = intero - meta + 1;
        for (int t = 0; t < prese; ++t) {
            const qint64 j = primo + t;
            if (j >= 0 && j < in)
                somma += k[t] * samples[static_cast<std::size_t>(j)];
        }
        risultato[static_cast<std::size_t>(i)] = static_cast<float>(somma);
    }
    return risultato;
}

QByteArray toFormat(const Pcm& pcm, const QAudioFormat& format)
{
    const int canali = format.channelCount();
    const int rate = format.sampleRate();
    const QAudioFormat::SampleFormat tipo = format.sampleFormat();
    if (canali < 1 || rate < 1 || tipo == QAudioFormat::Unknown)
        return {};
    const std::vector<float> mono = resample(pcm.samples, pcm.rate, rate);
    const int larghezza = format.bytesPerSample();
    QByteArray uscita(static_cast<qsizetype>(mono.size()) * canali * larghezza, Qt::Uninitialized);
    char* p = uscita.data();
    for (float s : mono) {
        const double v = std::clamp(static_cast<double>(s), -1.0, 1.0);
        // Qt's audio outputs take samples in the machine's own byte order.
        char campione[4];
        switch (tipo) {
        case QAudioFormat::UInt8:
            campione[0] = static_cast<char>(std::clamp<long>(128 + std::lround(v * 128.0), 0, 255));
            break;
        case QAudioFormat::Int16: {
            const auto i = static_cast<qint16>(std::clamp<long>(std::lround(v * 32768.0), -32768, 32767));
            std::memcpy(campione, &i, sizeof i);
            break;
        }
        case QAudioFormat::Int32: {
            const auto i =
                static_cast<qint32>(std::clamp<long long>(std::llround(v * 2147483648.0), -2147483648LL, 2147483647LL));
            std::memcpy(campione, &i, sizeof i);
            break;
        }
        default: {
            const float f = static_cast<float>(v);
            std::memcpy(campione, &f, sizeof f);
            break;
        }
        }
        for (int c = 0; c < canali; ++c) {
            std::memcpy(p, campione, static_cast<std::size_t>(larghezza));
            p += larghezza;
        }
    }
    return uscita;
}

QByteArray samplesOfSound(int id, const QAudioFormat& format)
{
    const QString path = Risorse::percorsoSuono(id);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<Pcm> pcm = decode(file.readAll());
    return pcm ? toFormat(*pcm, format) : QByteArray();
}

} // namespace WavPcm
