// Help in the ordinary exercises: the hint after a wrong answer, the solution after two,
// and going on to the next question once it has been shown. The final test gives none.

#include <QPointer>
#include <cmath>

#include "ControlloreEsercizi.h"
#include "Esercizi.h"
#include "OraInParole.h"
#include "Platform.h"
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
    ++m_domanda;
    m_errori = 0;
    m_soluzioneMostrata = false;
    m_inSoluzione = false;
    m_cmdTimeRitirati = false;
    if (m_aiuti) {
        m_aiuti->MostraSuggerimento(QString());
        m_aiuti->MostraPulsanteSoluzione(false);
    }
}

void ControlloreEsercizi::DomandaSeguente()
{
    const bool restituisci = m_cmdTimeRitirati;
    if (TipoEsercizio == 0) {
        // The solution locked the boxes.
        vista.BloccaCaselle(false);
        PreparaLettura();
        return;
    }
    if (restituisci)
        orologio.MostraCmdTime(true);
    if (TipoEsercizio == 1)
        PreparaImpostazione();
    else
        PreparaModoDiDire();
}

int ControlloreEsercizi::MinutiDomanda() const
{
    if (TipoEsercizio == 0)
        return static_cast<int>(orologio.oraMostrata().tempo) / 60;
    if (TipoEsercizio == 1)
        return ValoreCasella(vista.ore()) * 60 + ValoreCasella(vista.minuti());
    int H = 0, M = 0;
    OrarioModoDiDire(vista.orarioModoDiDire(), H, M);
    return H * 60 + M;
}

int ControlloreEsercizi::MinutiRisposta() const
{
    if (TipoEsercizio == 0)
        return ValoreCasella(vista.ore()) * 60 + ValoreCasella(vista.minuti());
    const OrologioMostrato o = orologio.oraMostrata();
    return static_cast<int>(std::floor(o.ore)) * 60 + static_cast<int>(std::floor(o.minuti));
}

void ControlloreEsercizi::Suggerisci()
{
    ++m_errori;
    if (!m_aiuti)
        return;
    m_aiuti->MostraSuggerimento(TestoSuggerimento(SbaglioProbabile(MinutiDomanda(), MinutiRisposta())));
    if (m_errori >= 2)
        m_aiuti->MostraPulsanteSoluzione(true);
}

void ControlloreEsercizi::MostraSoluzione()
{
    if (ProvaInCorso || m_errori < 2 || m_soluzioneMostrata || m_inSoluzione)
        return;
    QPointer<ControlloreEsercizi> vivo(this);
    const int domanda = m_domanda;
    const int giusta = MinutiDomanda() % (24 * 60);
    if (m_aiuti)
        m_aiuti->MostraPulsanteSoluzione(false);

    if (TipoEsercizio == 0) {
        // The boxes get the right time, and cannot be changed until the next question.
        vista.BloccaCaselle(false);
        vista.ImpostaCaselle(DueCifre(giusta / 60), DueCifre(giusta % 60));
        vista.BloccaCaselle(true);
    } else {
        // The hands go there step by step, where the child can follow them; the child's
        // buttons are put away meanwhile.
        orologio.MostraCmdTime(false);
        m_cmdTimeRitirati = true;
        m_inSoluzione = true;
        const int da = MinutiRisposta();
        for (int t : PassiDellaSoluzione(da, giusta)) {
            const bool ora = t % 60 == da % 60;
            orologio.ImpostaTempoCorrente(static_cast<float>(t * 60));
            platform().events->pause(ora ? kPausaOra : kPausaMinuti);
            // Closed, another question or another kind meanwhile: this solution is over.
            if (!Continua(vivo) || domanda != m_domanda)
                return;
        }
        m_inSoluzione = false;
    }
    m_soluzioneMostrata = true;
    const QString parole = OraInParole(giusta / 60, giusta % 60);
    if (m_aiuti)
        m_aiuti->MostraSuggerimento(parole + QLatin1Char('.'));
    modTempolino::DiciAVoce(parole);
    vista.FocusOK();
}
