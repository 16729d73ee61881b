// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock's state, one for the whole program: the shown time and the fields derived
// from it, the last hour, minute and saying drawn, whether the clock follows the
// computer's time or stands still to be set by hand, whether the hands may be moved by
// hand now, the 12/24-hour view of the read-out, the dial's numeral style and the
// program's sound switch. It keeps the clock's tick, 200 ms, running while the clock
// follows the computer.
//
// Whoever shows the clock listens to its notices (the main window's face, read-out,
// scene and map, and any other view of the same clock); whoever moves the clock calls
// its procedures (the tick, the adjustment buttons, the hands dragged on a face, the
// exercises, another view). Every change notifies, each notice only when something
// changed, except the shown time: showing a time always notifies, so that a view may
// redraw it. Nothing here knows a widget.

#include <QObject>
#include <QTimer>
#include <functional>

#include "TempoMostrato.h"

class StatoOrologio : public QObject {
    Q_OBJECT
    Q_PROPERTY(float TempoCorrente READ TempoCorrente WRITE MostraOra NOTIFY tempoCambiato)
    Q_PROPERTY(Modo modo READ modo WRITE ImpostaModo NOTIFY modoCambiato)
    Q_PROPERTY(bool RegolazioneAttiva READ RegolazioneAttiva WRITE ImpostaRegolazioneAttiva NOTIFY regolazioneCambiata)
    Q_PROPERTY(bool dodiciOre READ dodiciOre WRITE ImpostaDodiciOre NOTIFY vistaCambiata)
    Q_PROPERTY(StileNumeri stile READ stile WRITE ImpostaStile NOTIFY stileCambiato)
    Q_PROPERTY(bool SuoniAttivi READ SuoniAttivi WRITE ImpostaSuoniAttivi NOTIFY suoniCambiati)

public:
    // The clock follows the computer's time ("Tempo attuale"), or stands still and is
    // moved by hand, by the exercises or by another view ("Modifica i minuti o le ore").
    enum class Modo { TempoAttuale, Manuale };
    Q_ENUM(Modo)
    // The dial's hour marks, in the order of their option buttons.
    enum class StileNumeri { Punti = 0, Arabi = 1, Romani = 2 };
    Q_ENUM(StileNumeri)

    // What has been drawn last: the whole hour of the scene and the globe (-1 before the
    // first, so the first time shown draws them), the whole minute of the map's strips
    // (-1 before the first), and the number of the last saying asked (1 to 22; 0 before
    // the first).
    struct UltimiValori {
        int ora = -1;
        int minuto = -1;
        int modoDiDire = 0;
    };

    // `oraDelComputer` reads the computer's clock, seconds since midnight with a fraction.
    explicit StatoOrologio(std::function<double()> oraDelComputer, QObject* parent = nullptr);

    // ---- the shown time, seconds since midnight (0 to 86400), and what derives from it
    float TempoCorrente() const { return m_tempo; }
    float OreCorrenti() const { return m_campi.ore; }
    float MinutiCorrenti() const { return m_campi.minuti; }
    float SecondiCorrenti() const { return m_campi.secondi; }
    const CampiOra& campi() const { return m_campi; }
    const UltimiValori& ultimiValori() const { return m_ultimi; }

    // Shows the time T everywhere: the fields follow it, then the notices go out (the
    // time; the minute and the hour when they differ from the last ones drawn).
    void MostraOra(float T);
    // The shown time rounded to the nearest whole minute, and shown.
    void ArrotondaMinuto();
    // One step of adjustment button `indice` (IndicePasso), around midnight, shown.
    void RegolaOra(int indice);
    // The saying just asked by the exercises, kept with the clock.
    void RicordaModoDiDire(int numero) { m_ultimi.modoDiDire = numero; }

    // ---- following the computer
    Modo modo() const { return m_modo; }
    // Switching to standing still rounds the shown time to the whole minute; back to the
    // computer's time, the next tick shows it.
    void ImpostaModo(Modo modo);
    // The clock's tick: shows the computer's time.
    void tmrClock_Timer();
    // The clock runs from the moment its window is up (Avvia) until it closes (Ferma):
    // it ticks while it follows the computer, and not while a long action holds it.
    void Avvia();
    void Ferma();
    // A long action starts or ends (the map opening, a side window open): the clock does
    // not tick meanwhile, and the next tick after the last one ends catches up. Calls
    // nest; an end without a start is ignored.
    void Sospendi();
    void Riprendi();
    // True while the tick is due to come.
    bool inCorsa() const { return m_tmrClock->isActive(); }

    // ---- the choices shown with the clock
    // The hands may be moved by hand now (the adjustment buttons usable, the hands dragged).
    bool RegolazioneAttiva() const { return m_regolazione; }
    void ImpostaRegolazioneAttiva(bool attiva);
    bool dodiciOre() const { return m_dodiciOre; }
    void ImpostaDodiciOre(bool dodici);
    StileNumeri stile() const { return m_stile; }
    void ImpostaStile(StileNumeri stile);
    // The sounds and the voice of the whole program on or off.
    bool SuoniAttivi() const { return m_suoni; }
    void ImpostaSuoniAttivi(bool attivi);

signals:
    // The shown time; the fields have followed it.
    void tempoCambiato(float T);
    // A new whole minute, or a new whole hour (0 to 24), of the shown time.
    void minutoCambiato(int minuto);
    void oraCambiata(int ora);
    void modoCambiato(StatoOrologio::Modo modo);
    void regolazioneCambiata(bool attiva);
    void vistaCambiata(bool dodiciOre);
    void stileCambiato(StatoOrologio::StileNumeri stile);
    void suoniCambiati(bool attivi);

private:
    void AggiornaTicchettio();

    std::function<double()> m_oraDelComputer;
    QTimer* m_tmrClock;
    float m_tempo = 0;
    CampiOra m_campi;
    UltimiValori m_ultimi;
    Modo m_modo = Modo::TempoAttuale;
    bool m_avviato = false;
    int m_sospensioni = 0;
    bool m_regolazione = false;
    bool m_dodiciOre = false;
    StileNumeri m_stile = StileNumeri::Arabi;
    bool m_suoni = true;
};
