// The clock of the main window: the tick, showing a time on every part, the two
// clock modes, the 12/24-hour read-out and the dial's numeral style.

#include <cmath>

#include "Accessibilita.h"
#include "ArrotondaPari.h"
#include "PassoOra.h"
#include "Platform.h"
#include "Suoni.h"
#include "TempoMostrato.h"
#include "frmClock.h"
#include "modTempolino.h"

using namespace modTempolino;

void frmClock::tmrClock_Timer()
{
    TempoCorrente = static_cast<float>(platform().clock->secondsSinceMidnight());
    MostraOra(TempoCorrente);
}

void frmClock::MostraOra(float T)
{
    const CampiOra c = DerivaCampi(T);
    OreCorrenti = c.ore;
    MinutiCorrenti = c.minuti;
    SecondiCorrenti = c.secondi;

    p1->MostraOra(T, c);

    // The part of the day follows TempoCorrente, the hands the time they are given.
    picAnalogic->MostraOra(TempoCorrente, c);

    const int minuto = static_cast<int>(std::floor(MinutiCorrenti));
    if (chkFusiOrari->isChecked() && minuto != UltimiValori[1]) {
        mappaFusi->PosizionaFasce(TempoCorrente);
        UltimiValori[1] = static_cast<short>(minuto);
    }
    const int ora = static_cast<int>(std::floor(OreCorrenti));
    if (ora != UltimiValori[0]) {
        DisegnaPaesaggio(ora);
        mappaFusi->DisegnaTerra(ora);
        mappaFusi->PosizionaFasce(TempoCorrente);
        UltimiValori[0] = static_cast<short>(ora);
    }
}

void frmClock::ArrotondaMinuto()
{
    TempoCorrente = ArrotondaAlMinuto(TempoCorrente);
}

float frmClock::OraCasuale()
{
    platform().random->reseed();
    TempoCorrente = MinutoCasuale(platform().random->next());
    return TempoCorrente;
}

void frmClock::optCtrTime_Click(int index)
{
    if (index == 0) {
        tmrClock->stop();
        ArrotondaMinuto();
        MostraCmdTime(true);
        MostraOra(TempoCorrente);
    } else {
        tmrClock->start();
        MostraCmdTime(false);
        if (SuoniAttivi)
            SuonaEffetto(Suono::Clic);
    }
    p1->setFocus();
}

void frmClock::opt12_24_Click(int)
{
    p1->setFocus();
    if (SuoniAttivi)
        SuonaEffetto(Suono::Vista12o24);
    MostraOra(TempoCorrente);
}

void frmClock::optStyleNum_Click(int index)
{
    p1->ImpostaStile(static_cast<QuadranteOrologio::Stile>(index));
    p1->setFocus();
    platform().events->processEvents();
    if (SuoniAttivi)
        SuonaEffetto(Suono::Clic);
    BloccaAggiornamento(true);
    p1->DisegnaQuadrante();
    MostraOra(TempoCorrente);
    BloccaAggiornamento(false);
}

void frmClock::DisegnaQuadrante()
{
    p1->DisegnaQuadrante();
}

void frmClock::DisegnaPaesaggio(int ora)
{
    picWindows->DisegnaPaesaggio(ora);
}

void frmClock::ApriMappa(bool apri)
{
    // No click when the exercises close the map themselves.
    mappaFusi->ApriMappa(apri, p1->mostraEtichette());
}

void frmClock::chkFusiOrari_Click()
{
    if (chkFusiOrari->isChecked()) {
        if (!mappaFusi->ApriMappa(true, p1->mostraEtichette()))
            return;
        // Still open once the animation is over: place the strips and frame the map.
        if (chkFusiOrari->isChecked()) {
            mappaFusi->PosizionaFasce(TempoCorrente);
            DisegnaCorniceInterna(mappaFusi->mappa(), 6);
        }
    } else {
        mappaFusi->ApriMappa(false, p1->mostraEtichette());
        mappaFusi->mappa()->clearPicture();
    }
    mappaFusi->DisegnaTerra(static_cast<int>(std::floor(OreCorrenti)));
    p1->setFocus();
}

void frmClock::MostraCmdTime(bool mostra)
{
    picRegolazione->MostraCmdTime(mostra);
}

void frmClock::RegolaOra(int index)
{
    TempoCorrente = PassoOra(TempoCorrente, index);
    MostraOra(TempoCorrente);
}

void frmClock::cmdTime_MouseDown(int index)
{
    picRegolazione->cmdTime_MouseDown(index);
}

void frmClock::cmdTime_MouseUp(int index)
{
    picRegolazione->cmdTime_MouseUp(index);
}

void frmClock::cmdTime_Click(int)
{
    p1->setFocus();
}
