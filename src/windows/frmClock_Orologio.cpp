// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of the main window: the child's handlers of the two clock modes, the
// 12/24-hour read-out, the dial's numeral style and the map, and what the window's
// parts do when the clock's state changes (the time shown, the mode, the style).

#include <cmath>

#include "Platform.h"
#include "Suoni.h"
#include "frmClock.h"
#include "modTempolino.h"

using namespace modTempolino;

void frmClock::TempoCambiato()
{
    const float T = m_stato->TempoCorrente();
    p1->MostraOra(T, m_stato->campi());
    // The part of the day follows the shown time; hidden during the exercises, the
    // read-out keeps its last texts.
    picAnalogic->MostraOra(T, m_stato->campi());
}

void frmClock::optCtrTime_Click(int index)
{
    // The clock stands on the whole minute with the buttons usable, or follows the
    // computer again from the next tick (ModoCambiato shows the buttons accordingly).
    m_stato->ImpostaModo(index == 0 ? StatoOrologio::Modo::Manuale : StatoOrologio::Modo::TempoAttuale);
    if (index != 0)
        Suona(Suono::Clic);
    p1->setFocus();
}

void frmClock::ModoCambiato(StatoOrologio::Modo modo)
{
    // The exercises offer neither mode and set the adjustment buttons themselves.
    if (m_inEsercizi)
        return;
    const bool manuale = modo == StatoOrologio::Modo::Manuale;
    grpCtrTime->mark(manuale ? 0 : 1);
    MostraCmdTime(manuale);
}

void frmClock::opt12_24_Click(int index)
{
    p1->setFocus();
    Suona(Suono::Vista12o24);
    // The read-out changes at once, also while the clock stands still.
    m_stato->ImpostaDodiciOre(index == 0);
}

void frmClock::optStyleNum_Click(int index)
{
    p1->setFocus();
    Suona(Suono::Clic);
    m_stato->ImpostaStile(static_cast<StatoOrologio::StileNumeri>(index));
}

void frmClock::StileCambiato(StatoOrologio::StileNumeri stile)
{
    grpStyleNum->mark(static_cast<int>(stile));
    p1->ImpostaStile(static_cast<QuadranteOrologio::Stile>(stile));
    // The dial is drawn again with the window's drawing held, then the hands back on it.
    BloccaAggiornamento(true);
    DisegnaQuadrante();
    TempoCambiato();
    BloccaAggiornamento(false);
}

void frmClock::DisegnaQuadrante()
{
    p1->DisegnaQuadrante();
}

void frmClock::chkFusiOrari_Click()
{
    if (chkFusiOrari->isChecked()) {
        // The map grows with its animation; MappaAnimata finishes once it is over.
        mappaFusi->ApriMappa(true, p1->mostraEtichette());
    } else {
        // No click when the exercises close the map themselves.
        mappaFusi->ApriMappa(false, p1->mostraEtichette());
        mappaFusi->mappa()->clearPicture();
        mappaFusi->DisegnaTerra(static_cast<int>(std::floor(m_stato->OreCorrenti())));
    }
    p1->setFocus();
}

void frmClock::MappaAnimata()
{
    // Still open once the animation is over: place the strips and frame the map.
    if (chkFusiOrari->isChecked()) {
        mappaFusi->PosizionaFasce(m_stato->TempoCorrente());
        DisegnaCorniceInterna(mappaFusi->mappa(), 6);
    }
    mappaFusi->DisegnaTerra(static_cast<int>(std::floor(m_stato->OreCorrenti())));
}

void frmClock::MostraCmdTime(bool mostra)
{
    m_stato->ImpostaRegolazioneAttiva(mostra);
}

void frmClock::cmdTime_Click()
{
    p1->setFocus();
}
