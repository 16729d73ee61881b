// SPDX-License-Identifier: GPL-3.0-or-later
// Help in the ordinary exercises: the hint after a wrong answer, the solution after two,
// and going on to the next question once it has been shown. The final test gives none.

#include <cmath>

#include "ControlloreEsercizi.h"
#include "Esercizi.h"
#include "OraInParole.h"
#include "Soluzione.h"
#include "Suggerimenti.h"
#include "VistaAiuti.h"
#include "modTempolino.h"

namespace {
// Pauses between the solution's steps: the short hand's whole hours, then the minutes.
constexpr int kPausaOra = 200;
constexpr int kPausaMinuti = 100;
} // namespace

void ControlloreEsercizi::NuovaDomanda()
{
    m_errori = 0;
    m_soluzioneMostrata = false;
    // A solution on its way stops: this question is over.
    m_inSoluzione = false;
    tmrSoluzione->stop();
    m_passiSoluzione.clear();
    m_cmdTimeRitirati = false;
    if (m_aiuti) {
        m_aiuti->MostraSuggerimento(QString());
        m_aiuti->MostraPulsanteSoluzione(false);
    }
}

void ControlloreEsercizi::DomandaSeguente()
{
    const bool restituisci = m_cmdTimeRitirati;
    if (TipoEsercizio == TipoDomanda::Lettura) {
        // The solution locked the boxes.
        vista.BloccaCaselle(false);
        PreparaLettura();
        return;
    }
    if (restituisci)
        orologio.MostraCmdTime(true);
    if (TipoEsercizio == TipoDomanda::Impostazione)
        PreparaImpostazione();
    else
        PreparaModoDiDire();
}

int ControlloreEsercizi::MinutiDomanda() const
{
    if (TipoEsercizio == TipoDomanda::Lettura)
        return static_cast<int>(orologio.oraMostrata().tempo) / 60;
    if (TipoEsercizio == TipoDomanda::Impostazione)
        return ValoreCasella(vista.ore()) * 60 + ValoreCasella(vista.minuti());
    int H = 0, M = 0;
    OrarioModoDiDire(vista.orarioModoDiDire(), H, M);
    return H * 60 + M;
}

int ControlloreEsercizi::MinutiRisposta() const
{
    if (TipoEsercizio == TipoDomanda::Lettura)
        return ValoreCasella(vista.ore()) * 60 + ValoreCasella(vista.minuti());
    const OrologioMostrato o = orologio.oraMostrata();
    return static_cast<int>(std::floor(o.ore)) * 60 + static_cast<int>(std::floor(o.minuti));
}

void ControlloreEsercizi::Suggerisci()
{
    ++m_errori;
    if (!m_aiuti)
        return;
    // Written and said: a child who does not read well yet hears it.
    const QString testo = Suggerimento(MinutiDomanda(), MinutiRisposta());
    m_aiuti->MostraSuggerimento(testo);
    modTempolino::DiciAVoce(testo);
    if (m_errori >= 2)
        m_aiuti->MostraPulsanteSoluzione(true);
}

void ControlloreEsercizi::MostraSoluzione()
{
    if (ProvaInCorso() || m_errori < 2 || m_soluzioneMostrata || m_inSoluzione)
        return;
    m_soluzione = MinutiDomanda() % (24 * 60);
    if (m_aiuti)
        m_aiuti->MostraPulsanteSoluzione(false);

    if (TipoEsercizio == TipoDomanda::Lettura) {
        // The boxes get the right time, and cannot be changed until the next question.
        vista.BloccaCaselle(false);
        vista.ImpostaCaselle(DueCifre(m_soluzione / 60), DueCifre(m_soluzione % 60));
        vista.BloccaCaselle(true);
        SoluzioneMostrata();
        return;
    }
    // The hands go there step by step, where the child can follow them; the child's
    // buttons are put away meanwhile. Another question or another kind stops them
    // (NuovaDomanda), and so does the area closing.
    orologio.MostraCmdTime(false);
    m_cmdTimeRitirati = true;
    m_inSoluzione = true;
    m_passiSoluzione = PassiDellaSoluzione(MinutiRisposta(), m_soluzione);
    PassoSoluzione();
}

void ControlloreEsercizi::PassoSoluzione()
{
    if (m_passiSoluzione.isEmpty()) {
        m_inSoluzione = false;
        SoluzioneMostrata();
        return;
    }
    // A step of the short hand stays a little longer than a step of the long hand.
    const int da = static_cast<int>(orologio.oraMostrata().tempo) / 60;
    const int t = m_passiSoluzione.takeFirst();
    const bool ora = t % 60 == da % 60;
    orologio.ImpostaTempoCorrente(static_cast<float>(t * 60));
    tmrSoluzione->start(ora ? kPausaOra : kPausaMinuti);
}

void ControlloreEsercizi::SoluzioneMostrata()
{
    m_soluzioneMostrata = true;
    const QString parole = OraInParole(m_soluzione / 60, m_soluzione % 60);
    if (m_aiuti)
        m_aiuti->MostraSuggerimento(parole + QLatin1Char('.'));
    modTempolino::DiciAVoce(parole);
    vista.FocusOK();
}
