// SPDX-License-Identifier: GPL-3.0-or-later
// The final test: nine questions, three of each kind, with one error allowed.
// A row of nine small clocks shows the progress; nine right answers open the
// print window, a second wrong answer ends the test.

#include "ControlloreEsercizi.h"

void ControlloreEsercizi::AvviaProva()
{
    PassoProva = 0;
    ErroreCommesso = false;
    m_fase = FaseProva::InCorso;

    // The child cannot leave the test for another kind; "Esci" stays usable.
    vista.AbilitaTipi(false);
    vista.SvuotaPerProva();
    vista.SpuntaTipo(SceltaEsercizio::TestFinale);
    // The introduction; the test goes on when the child presses "Inizia Test!".
    orologio.MostraMessaggio(Messaggio::InizioProva);

    vista.DisegnaOrologiProva();
    ProssimaDomanda();
}

void ControlloreEsercizi::ImpostaStileProva()
{
    // Each trio of questions shows Arabic numerals, then Roman numerals, then dots.
    if (m_fase != FaseProva::InCorso)
        return;
    const int stili[3] = {1, 2, 0};
    orologio.ImpostaStileProva(stili[PassoProva % 3]);
}

void ControlloreEsercizi::ProssimaDomanda()
{
    // The tick for the question just answered right.
    if (PassoProva > 0 && m_fase != FaseProva::Persa)
        vista.SegnaRispostaEsatta(PassoProva);

    switch (m_fase) {
    case FaseProva::Nessuna:
        return;
    case FaseProva::Persa:
        orologio.MostraMessaggio(Messaggio::ProvaPersa);
        orologio.ChiudiEsercizi();
        return;
    case FaseProva::Superata:
        orologio.MostraMessaggio(Messaggio::ProvaSuperata);
        // The reward: the print window, created afresh and released once it has closed.
        orologio.ApriStampa();
        orologio.ChiudiEsercizi();
        return;
    case FaseProva::InCorso:
        break;
    }

    // Three questions of each kind, in the order of the kinds.
    const SceltaEsercizio tipi[3] = {SceltaEsercizio::Lettura, SceltaEsercizio::Impostazione,
                                     SceltaEsercizio::ModoDiDire};
    optTest_Click(tipi[PassoProva / 3]);
    ImpostaStileProva();
    // The style's click puts the focus on the clock face; reading questions need it in the hours box.
    if (vista.caselleVisibili() && PassoProva < 3)
        vista.FocusCasella(0);
}
