// The final test: nine questions, three of each kind, with one error allowed.

#include "frmClock.h"
#include "frmMsg.h"

void frmClock::AvviaProva()
{
    PassoProva = 0;
    ErroreCommesso = false;
    ProvaInCorso = true;

    // The child cannot leave the test for another kind; "Esci" stays usable.
    optTest[0]->setEnabled(false);
    optTest[1]->setEnabled(false);
    optTest[2]->setEnabled(false);

    // A prompt still being typed stops, and the area is emptied for the test.
    ++ScritturePremiOK;
    txtTest[0]->setText(QString());
    txtTest[1]->setText(QString());
    lblPremiOK->setText(QString());
    lblMessaggioTest->setText(QString());
    lblModiDiDire->setText(QString());
    imgIndicaOK->hide();

    imgSpunta->move(imgSpunta->x(), optTest[3]->y());
    // The introduction; the test goes on when the child presses "Inizia Test!".
    MostraMessaggio(this, 6);

    DisegnaOrologiProva();
    ProssimaDomanda();
}

void frmClock::DisegnaOrologiProva() {}
void frmClock::SegnaRispostaEsatta() {}
void frmClock::ImpostaStileProva() {}
void frmClock::ProssimaDomanda() {}
