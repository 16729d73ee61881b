// The final test: nine questions, three of each kind, with one error allowed.
// A row of nine small clocks shows the progress; nine right answers open the
// print window, a second wrong answer ends the test.

#include <QPointer>

#include "ControlloreEsercizi.h"

void ControlloreEsercizi::AvviaProva()
{
    QPointer<ControlloreEsercizi> vivo(this);
    PassoProva = 0;
    ErroreCommesso = false;
    ProvaInCorso = true;

    // The child cannot leave the test for another kind; "Esci" stays usable.
    vista.AbilitaTipi(false);
    vista.SvuotaPerProva();
    vista.SpuntaTipo(3);
    // The introduction; the test goes on when the child presses "Inizia Test!".
    orologio.MostraMessaggio(Messaggio::InizioProva);
    if (!Continua(vivo))
        return;

    vista.DisegnaOrologiProva();
    ProssimaDomanda();
}

void ControlloreEsercizi::ImpostaStileProva()
{
    // Each trio of questions shows Arabic numerals, then Roman numerals, then dots.
    if (PassoProva < 0 || PassoProva > 8)
        return;
    const int stili[3] = {1, 2, 0};
    orologio.ImpostaStileProva(stili[PassoProva % 3]);
}

void ControlloreEsercizi::ProssimaDomanda()
{
    if (PassoProva > 0)
        vista.SegnaRispostaEsatta(PassoProva);

    QPointer<ControlloreEsercizi> vivo(this);
    switch (PassoProva) {
    case -1:
        orologio.MostraMessaggio(Messaggio::ProvaPersa);
        if (!Continua(vivo))
            return;
        orologio.ChiudiEsercizi();
        return;
    case 0:
    case 1:
    case 2:
        optTest_Click(0);
        break;
    case 3:
    case 4:
    case 5:
        optTest_Click(1);
        break;
    case 6:
    case 7:
    case 8:
        optTest_Click(2);
        break;
    case 9:
        orologio.MostraMessaggio(Messaggio::ProvaSuperata);
        if (!Continua(vivo))
            return;
        // The reward: the print window, created afresh and released once it has closed.
        orologio.ApriStampa();
        if (!Continua(vivo))
            return;
        orologio.ChiudiEsercizi();
        break;
    default:
        break;
    }
    if (!Continua(vivo))
        return;

    ImpostaStileProva();
    // The style's click puts the focus on the clock face; reading questions need it in the hours box.
    if (vista.caselleVisibili() && PassoProva < 3)
        vista.FocusCasella(0);
}
