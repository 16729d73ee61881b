// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealSoundPlayer.h"

#include <QAudioFormat>
#include <QHash>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <optional>
#include <pulse/pulseaudio.h>
#include <thread>

#include "Risorse.h"
#include "WavPcm.h"

namespace {

using Orologio = std::chrono::steady_clock;
using std::chrono::milliseconds;

// What the output holds ahead of the speaker: the delay of a sound, and the fewest
// bytes a stream starts on (a shorter sound is followed by silence up to it).
constexpr int kBufferMs = 20;
// Once a sound should be over, how long its stream may take to say so.
constexpr int kCodaMs = 1000;

} // namespace

// Lives on the sound thread, except for the request slot, which play() fills under
// the mutex. Everything that talks to the server runs on the thread's own main loop.
class RealSoundPlayer::Filo {
public:
    explicit Filo(LimitiSuono limiti) : m_limiti(limiti), m_loop(pa_mainloop_new())
    {
        if (m_loop)
            m_thread = std::thread([this] { Esegui(); });
    }

    ~Filo()
    {
        if (!m_loop)
            return;
        {
            std::lock_guard<std::mutex> l(m_mutex);
            m_fine = true;
        }
        pa_mainloop_wakeup(m_loop);
        m_thread.join();
        pa_mainloop_free(m_loop);
    }

    Filo(const Filo&) = delete;
    Filo& operator=(const Filo&) = delete;

    void Chiedi(int id)
    {
        if (!m_loop)
            return;
        {
            std::lock_guard<std::mutex> l(m_mutex);
            // Only the newest sound counts: one plays at a time, and a new one cuts the last.
            if (m_richiesta)
                ++m_conteggi.scartati;
            m_richiesta = Richiesta{id, Orologio::now()};
        }
        pa_mainloop_wakeup(m_loop);
    }

    Conteggi conteggi() const
    {
        std::lock_guard<std::mutex> l(m_mutex);
        return m_conteggi;
    }

private:
    struct Richiesta {
        int id;
        Orologio::time_point quando;
    };

    // ---- the thread's loop
    void Esegui()
    {
        for (;;) {
            std::optional<Richiesta> nuova;
            {
                std::lock_guard<std::mutex> l(m_mutex);
                if (m_fine)
                    break;
                nuova.swap(m_richiesta);
            }
            Riordina();
            if (nuova)
                Suona(*nuova);
            ControllaLimiti();
            Riordina();
            if (pa_mainloop_prepare(m_loop, AttesaMassima()) < 0 || pa_mainloop_poll(m_loop) < 0
                || pa_mainloop_dispatch(m_loop) < 0)
                break;
        }
        ChiudiFlusso();
        ChiudiContesto();
    }

    // Microseconds until the nearest time limit, or -1 for none.
    int AttesaMassima() const
    {
        std::optional<Orologio::time_point> prossimo;
        for (const auto& t : {m_limiteContesto, m_limiteFlusso})
            if (t && (!prossimo || *t < *prossimo))
                prossimo = t;
        if (!prossimo)
            return -1;
        const auto resta = std::chrono::duration_cast<std::chrono::microseconds>(*prossimo - Orologio::now());
        return static_cast<int>(std::clamp<long long>(resta.count(), 0, 10'000'000));
    }

    void ControllaLimiti()
    {
        const auto ora = Orologio::now();
        if (m_limiteFlusso && ora >= *m_limiteFlusso) {
            // A stream the server never opened: the server is not answering.
            const bool aperto = m_flusso && pa_stream_get_state(m_flusso) == PA_STREAM_READY;
            ChiudiFlusso();
            if (!aperto)
                Abbandona();
        }
        if (m_limiteContesto && ora >= *m_limiteContesto)
            Abbandona();
    }

    // Frees what the server's callbacks said is over: never inside the callbacks themselves.
    void Riordina()
    {
        if (m_flussoFinito)
            ChiudiFlusso();
        if (m_contestoCaduto)
            Abbandona();
    }

    // ---- the connection
    void Suona(const Richiesta& r)
    {
        if (Risorse::percorsoSuono(r.id).isEmpty())
            return Scarta();
        if (m_attesa)
            Conta(&Conteggi::scartati);
        m_attesa = r;
        if (m_contesto) {
            if (m_frequenza > 0)
                ApriFlusso();
            return;
        }
        m_contesto = pa_context_new(pa_mainloop_get_api(m_loop), "Tempolino");
        if (!m_contesto)
            return Scarta();
        pa_context_set_state_callback(m_contesto, &Filo::StatoContesto, this);
        // A program that plays clicks never starts a sound server of its own.
        if (pa_context_connect(m_contesto, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            Abbandona();
            return;
        }
        m_limiteContesto = Orologio::now() + milliseconds(m_limiti.connessioneMs);
    }

    static void StatoContesto(pa_context* c, void* dati)
    {
        auto* f = static_cast<Filo*>(dati);
        switch (pa_context_get_state(c)) {
        case PA_CONTEXT_READY:
            // The sounds are made at the rate of the default output, which the server names.
            pa_operation_unref(pa_context_get_server_info(c, &Filo::InfoServer, f));
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            f->m_contestoCaduto = true;
            break;
        default:
            break;
        }
    }

    static void InfoServer(pa_context* c, const pa_server_info* info, void* dati)
    {
        auto* f = static_cast<Filo*>(dati);
        if (!info) {
            f->m_contestoCaduto = true;
            return;
        }
        f->m_frequenzaServer = static_cast<int>(info->sample_spec.rate);
        pa_operation_unref(pa_context_get_sink_info_by_name(c, info->default_sink_name, &Filo::InfoUscita, f));
    }

    static void InfoUscita(pa_context*, const pa_sink_info* info, int fine, void* dati)
    {
        auto* f = static_cast<Filo*>(dati);
        if (info && !fine) {
            f->m_frequenzaUscita = static_cast<int>(info->sample_spec.rate);
            return;
        }
        // The list is over: the connection is ready for sounds.
        f->Pronto(f->m_frequenzaUscita > 0 ? f->m_frequenzaUscita : f->m_frequenzaServer);
    }

    void Pronto(int frequenza)
    {
        if (frequenza <= 0) {
            m_contestoCaduto = true;
            return;
        }
        m_limiteContesto.reset();
        if (frequenza != m_frequenza)
            m_campioni.clear();
        m_frequenza = frequenza;
        {
            std::lock_guard<std::mutex> l(m_mutex);
            ++m_conteggi.connessioni;
        }
        if (m_attesa)
            ApriFlusso();
    }

    // Drops the connection (refused, broken, or silent past its limit) and the sound
    // waiting for it; the next sound asks the server again.
    void Abbandona()
    {
        const bool connesso = m_contesto != nullptr;
        ChiudiFlusso();
        ChiudiContesto();
        if (connesso) {
            std::lock_guard<std::mutex> l(m_mutex);
            ++m_conteggi.fallite;
        }
        if (m_attesa)
            Scarta();
    }

    void ChiudiContesto()
    {
        m_limiteContesto.reset();
        m_contestoCaduto = false;
        m_frequenzaUscita = m_frequenzaServer = 0;
        if (!m_contesto)
            return;
        pa_context_set_state_callback(m_contesto, nullptr, nullptr);
        pa_context_disconnect(m_contesto);
        pa_context_unref(m_contesto);
        m_contesto = nullptr;
    }

    // ---- one sound's stream
    void ApriFlusso()
    {
        ChiudiFlusso();
        const Richiesta r = *m_attesa;
        if (Orologio::now() - r.quando > milliseconds(m_limiti.ritardoMassimoMs))
            return Scarta();
        m_dati = Campioni(r.id);
        if (m_dati.isEmpty())
            return Scarta();
        const pa_sample_spec formato{PA_SAMPLE_FLOAT32NE, static_cast<uint32_t>(m_frequenza), 1};
        m_flusso = pa_stream_new(m_contesto, "Suono", &formato, nullptr);
        if (!m_flusso)
            return Scarta();
        pa_stream_set_state_callback(m_flusso, &Filo::StatoFlusso, this);
        const auto buffer = static_cast<uint32_t>(pa_usec_to_bytes(kBufferMs * 1000, &formato));
        pa_buffer_attr attributi;
        attributi.maxlength = static_cast<uint32_t>(-1);
        attributi.tlength = buffer;
        attributi.prebuf = static_cast<uint32_t>(-1);
        attributi.minreq = static_cast<uint32_t>(-1);
        attributi.fragsize = static_cast<uint32_t>(-1);
        if (pa_stream_connect_playback(m_flusso, nullptr, &attributi, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
            ChiudiFlusso();
            return Scarta();
        }
        // Shorter sounds are followed by silence, so that the stream starts on them.
        if (m_dati.size() < qsizetype(buffer))
            m_dati.append(QByteArray(qsizetype(buffer) - m_dati.size(), '\0'));
        m_limiteFlusso = r.quando + milliseconds(m_limiti.flussoMs);
    }

    static void StatoFlusso(pa_stream* s, void* dati)
    {
        auto* f = static_cast<Filo*>(dati);
        if (s != f->m_flusso)
            return;
        switch (pa_stream_get_state(s)) {
        case PA_STREAM_READY:
            f->Scrivi();
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            f->m_flussoFinito = true;
            break;
        default:
            break;
        }
    }

    void Scrivi()
    {
        if (!m_attesa)
            return;
        const Richiesta r = *m_attesa;
        m_attesa.reset();
        // The server answered, but too late for this click.
        if (Orologio::now() - r.quando > milliseconds(m_limiti.ritardoMassimoMs)) {
            m_flussoFinito = true;
            Conta(&Conteggi::scartati);
            return;
        }
        if (pa_stream_write(m_flusso, m_dati.constData(), static_cast<size_t>(m_dati.size()), nullptr, 0,
                            PA_SEEK_RELATIVE)
            < 0) {
            m_flussoFinito = true;
            Conta(&Conteggi::scartati);
            return;
        }
        pa_operation_unref(pa_stream_drain(m_flusso, &Filo::Finito, this));
        const pa_sample_spec* formato = pa_stream_get_sample_spec(m_flusso);
        const auto durata = milliseconds(
            static_cast<long long>(pa_bytes_to_usec(static_cast<uint64_t>(m_dati.size()), formato) / 1000));
        m_limiteFlusso = Orologio::now() + durata + milliseconds(kCodaMs);
        Conta(&Conteggi::suonati);
    }

    static void Finito(pa_stream* s, int, void* dati)
    {
        auto* f = static_cast<Filo*>(dati);
        if (s == f->m_flusso)
            f->m_flussoFinito = true;
    }

    void ChiudiFlusso()
    {
        m_limiteFlusso.reset();
        m_flussoFinito = false;
        if (!m_flusso)
            return;
        pa_stream_set_state_callback(m_flusso, nullptr, nullptr);
        pa_stream_disconnect(m_flusso);
        pa_stream_unref(m_flusso);
        m_flusso = nullptr;
    }

    // The sound at the output's rate, decoded once.
    const QByteArray& Campioni(int id)
    {
        auto it = m_campioni.constFind(id);
        if (it == m_campioni.constEnd()) {
            QAudioFormat formato;
            formato.setSampleRate(m_frequenza);
            formato.setChannelCount(1);
            formato.setSampleFormat(QAudioFormat::Float);
            it = m_campioni.insert(id, WavPcm::samplesOfSound(id, formato));
        }
        return *it;
    }

    void Scarta()
    {
        m_attesa.reset();
        Conta(&Conteggi::scartati);
    }

    void Conta(int Conteggi::*quale)
    {
        std::lock_guard<std::mutex> l(m_mutex);
        ++(m_conteggi.*quale);
    }

    const LimitiSuono m_limiti;
    pa_mainloop* m_loop;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    std::optional<Richiesta> m_richiesta; // under the mutex
    bool m_fine = false;                  // under the mutex
    Conteggi m_conteggi;                  // under the mutex

    // The sound thread's own.
    pa_context* m_contesto = nullptr;
    bool m_contestoCaduto = false;
    std::optional<Orologio::time_point> m_limiteContesto;
    int m_frequenzaServer = 0;
    int m_frequenzaUscita = 0;
    int m_frequenza = 0;
    QHash<int, QByteArray> m_campioni;

    std::optional<Richiesta> m_attesa; // the sound waiting for its connection or stream
    pa_stream* m_flusso = nullptr;
    bool m_flussoFinito = false;
    std::optional<Orologio::time_point> m_limiteFlusso;
    QByteArray m_dati;
};

RealSoundPlayer::RealSoundPlayer(LimitiSuono limiti) : m_filo(std::make_unique<Filo>(limiti)) {}

RealSoundPlayer::~RealSoundPlayer() = default;

void RealSoundPlayer::play(int id)
{
    m_filo->Chiedi(id);
}

RealSoundPlayer::Conteggi RealSoundPlayer::conteggi() const
{
    return m_filo->conteggi();
}
