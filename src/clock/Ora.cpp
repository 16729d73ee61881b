// The shown time of the main window: the clock tick, showing a time everywhere,
// the two clock modes and the 12/24-hour read-out.

#include <cmath>

#include "Accessibilita.h"
#include "ArrotondaPari.h"
#include "frmClock.h"
#include "modTempolino.h"
#include "Platform.h"
#include "Suoni.h"
#include "TempoMostrato.h"

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

    // The hands move in whole seconds: five ticks a second redraw the face only once.
    const auto faccia = std::make_tuple(static_cast<long>(std::floor(T)), MostraEtichette, MostraSecondi,
                                        FattoreLancette, DisegniQuadrante);
    if (faccia != m_facciaDisegnata) {
        m_facciaDisegnata = faccia;
        DisegnaFaccia();
        // Screen readers hear the shown time as a sentence; during the exercises, where the
        // read-out and the labels are hidden, only where the hands point, never the answer.
        const int ore = static_cast<int>(c.ore), minuti = static_cast<int>(c.minuti);
        const QString frase =
            MostraEtichette ? Accessibilita::FraseOra(ore, minuti) : Accessibilita::FraseLancette(ore, minuti);
        if (p1->accessibleDescription() != frase)
            p1->setAccessibleDescription(frase);
    }

    // The read-out is left alone while the exercises hide it.
    if (!picAnalogic->isHidden()) {
        const QString lettura = TestoLettura(c, grp12_24->isSelected(0));
        if (lblDigitalClock->text() != lettura)
            lblDigitalClock->setText(lettura);
        const QString parte = ParteDelGiorno(TempoCorrente, lblMPSN->text());
        if (lblMPSN->text() != parte)
            lblMPSN->setText(parte);
    }

    const int minuto = static_cast<int>(std::floor(MinutiCorrenti));
    if (chkFusiOrari->isChecked() && minuto != UltimiValori[1]) {
        PosizionaFasce();
        UltimiValori[1] = static_cast<short>(minuto);
    }
    const int ora = static_cast<int>(std::floor(OreCorrenti));
    if (ora != UltimiValori[0]) {
        DisegnaPaesaggio(ora);
        DisegnaTerra(ora);
        PosizionaFasce();
        UltimiValori[0] = static_cast<short>(ora);
    }
}

void frmClock::DisegnaFaccia()
{
    // The face goes back to the stored dial; then the hands, their labels and the hub.
    p1->cls();
    p1->beginBatch();
    const float F = FattoreLancette;
    DisegnaLancetta(ArrotondaPari(Raggio * 0.44 * F), ArrotondaPari(Raggio * 0.06 * F), QStringLiteral("sOre"));
    DisegnaLancetta(ArrotondaPari(Raggio * 0.64 * F), ArrotondaPari(Raggio * 0.04 * F), QStringLiteral("sMinuti"));
    if (MostraSecondi)
        DisegnaLancetta(ArrotondaPari(Raggio * 0.72), 0, QStringLiteral("sSecondi"));
    p1->fillColor = ColoreSecondi;
    p1->fillSolid = true;
    p1->drawWidth = 1;
    p1->circle(CentroX, CentroY, 5, Qt::black);
    p1->endBatch();
}

void frmClock::ArrotondaMinuto()
{
    TempoCorrente = ArrotondaAlMinuto(TempoCorrente);
}

void frmClock::OraCasuale()
{
    platform().random->reseed();
    TempoCorrente = MinutoCasuale(platform().random->next());
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
