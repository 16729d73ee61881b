// SPDX-License-Identifier: GPL-3.0-or-later
// How long a sound takes from RealSoundPlayer::play() to its first samples
// leaving the sound server. Run by bench/sound-latency.sh, which starts a
// private PulseAudio server whose default source follows what the default sink
// plays: this program records it while it plays the program's sounds, and for
// each play finds when the sound's first audible sample arrived.
//
// The arrival time is taken when the recorder hands the samples over, less the
// samples that came after the sound's first one, so it still holds the
// recorder's own delay: the figures are upper bounds.
//
//   tempolino_sound_latency [rounds]
//
// Four cases: the very first sound (the output is opened for it), a sound after
// the output has been paused, a sound while the output still runs after the last
// one ended, and a sound that cuts one still playing.

#include <QAudioSource>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "RealSoundPlayer.h"
#include "WavPcm.h"

namespace {

constexpr double kSoglia = 0.01; // of full scale: where a sound counts as started
constexpr double kTestaMs = 5.0; // how much of a sound's start is looked for

struct Passo {
    const char* caso;
    int id;
    int poiMs; // wait before the next play
};

// After the first sound, a round of four: one after the output was paused, two while
// it is still running with the last sound over, and one cutting a sound that plays.
constexpr Passo kPrimo{"first sound (output opened)", 106, 900};
constexpr Passo kGiro[] = {
    {"output paused before", 106, 100},
    {"output running, last one over", 105, 90},
    {"output running, last one over", 101, 60},
    {"cutting the sound that plays", 107, 900},
};

struct Misura {
    const char* caso;
    qint64 suonatoNs;
    std::vector<float> testa; // the sound's first audible milliseconds
    double ritardoMs = -1;
};

std::vector<float> testaDi(int id, const QAudioFormat& formato)
{
    const QByteArray dati = WavPcm::samplesOfSound(id, formato);
    const auto* s = reinterpret_cast<const qint16*>(dati.constData());
    const qsizetype n = dati.size() / 2;
    qsizetype a = 0;
    while (a < n && std::abs(s[a]) <= kSoglia * 32768)
        ++a;
    std::vector<float> testa;
    for (qsizetype i = a; i < n && i < a + static_cast<qsizetype>(kTestaMs * formato.sampleRate() / 1000); ++i)
        testa.push_back(s[i] / 32768.0f);
    return testa;
}

// Where `testa` starts in `r` from `da` on, by normalised correlation of 0.95 or more; -1 if nowhere.
qsizetype trova(const std::vector<float>& r, qsizetype da, const std::vector<float>& testa)
{
    const auto n = static_cast<qsizetype>(testa.size());
    double tt = 0;
    for (float x : testa)
        tt += double(x) * x;
    for (qsizetype p = da; p + n <= static_cast<qsizetype>(r.size()); ++p) {
        double rt = 0, rr = 0;
        for (qsizetype i = 0; i < n; ++i) {
            rt += double(r[p + i]) * testa[i];
            rr += double(r[p + i]) * r[p + i];
        }
        if (rr > 0 && rt / std::sqrt(rr * tt) >= 0.95)
            return p;
    }
    return -1;
}

void riassumi(const std::vector<Misura>& misure, const char* caso)
{
    std::vector<double> v;
    int persi = 0;
    for (const Misura& m : misure) {
        if (std::strcmp(m.caso, caso) != 0)
            continue;
        if (m.ritardoMs >= 0)
            v.push_back(m.ritardoMs);
        else
            ++persi;
    }
    if (v.empty()) {
        std::printf("%-32s no sound heard\n", caso);
        return;
    }
    std::sort(v.begin(), v.end());
    std::printf("%-32s %2zu sounds: min %5.1f ms, median %5.1f ms, max %5.1f ms%s\n", caso, v.size(), v.front(),
                v[v.size() / 2], v.back(), persi ? " (some not found)" : "");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int giri = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    const QAudioDevice ingresso = QMediaDevices::defaultAudioInput();
    if (ingresso.isNull()) {
        std::fprintf(stderr, "no recording source (start the private server of bench/sound-latency.sh)\n");
        return 2;
    }
    QAudioFormat formato;
    formato.setSampleRate(ingresso.preferredFormat().sampleRate());
    formato.setChannelCount(1);
    formato.setSampleFormat(QAudioFormat::Int16);
    QAudioSource sorgente(ingresso, formato);
    sorgente.setBufferSize(formato.bytesForDuration(5000));
    QIODevice* registrazione = sorgente.start();
    if (!registrazione) {
        std::fprintf(stderr, "the recording source does not start\n");
        return 2;
    }

    RealSoundPlayer player;
    QElapsedTimer orologio;
    orologio.start();
    std::vector<Misura> misure;
    // What has been recorded since the last play, and when its last sample arrived.
    std::vector<float> preso;
    qint64 ultimoNs = 0;

    QObject::connect(registrazione, &QIODevice::readyRead, [&] {
        ultimoNs = orologio.nsecsElapsed();
        const QByteArray dati = registrazione->readAll();
        const auto* s = reinterpret_cast<const qint16*>(dati.constData());
        for (qsizetype i = 0; i < dati.size() / 2; ++i)
            preso.push_back(s[i] / 32768.0f);
        if (misure.empty() || misure.back().ritardoMs >= 0)
            return;
        Misura& m = misure.back();
        const qsizetype p = trova(preso, 0, m.testa);
        if (p < 0)
            return;
        const double dopoMs =
            1000.0 * static_cast<double>(static_cast<qsizetype>(preso.size()) - p) / formato.sampleRate();
        m.ritardoMs = (ultimoNs - m.suonatoNs) / 1e6 - dopoMs;
    });

    int fatti = 0;
    std::function<void()> prossimo = [&] {
        if (fatti == 1 + giri * static_cast<int>(std::size(kGiro))) {
            app.quit();
            return;
        }
        const Passo& passo = fatti == 0 ? kPrimo : kGiro[(fatti - 1) % std::size(kGiro)];
        ++fatti;
        // Only what arrives after the play can hold the sound.
        preso.clear();
        misure.push_back({passo.caso, orologio.nsecsElapsed(), testaDi(passo.id, formato)});
        player.play(passo.id);
        QTimer::singleShot(passo.poiMs, prossimo);
    };
    QTimer::singleShot(1000, prossimo);
    app.exec();

    std::printf("recorded at %d Hz in 5 ms fragments; from play() to the sound's first audible sample\n",
                formato.sampleRate());
    riassumi(misure, kPrimo.caso);
    for (const char* caso : {"output paused before", "output running, last one over", "cutting the sound that plays"})
        riassumi(misure, caso);
    return 0;
}
