// The exercise area of the main window: opening and closing it, choosing an
// exercise kind, the instruction, the prompt typed letter by letter, and moving
// the pointer onto the adjustment buttons.

#include <QPointer>

#include "ArrotondaPari.h"
#include "Esercizi.h"
#include "frmClock.h"
#include "modTempolino.h"
#include "PassoOra.h"
#include "Platform.h"
#include "Suoni.h"
#include "TrattieniFinestra.h"

using namespace modTempolino;

void frmClock::cmdTest_Click()
{
    if (SuoniAttivi)
        SuonaEffetto(Suono::NuovaSezione);

    // The map closes and cannot be opened while the child practises.
    chkFusiOrari->setChecked(false);
    chkFusiOrari->setEnabled(false);
    cmdCuriosita->setEnabled(false);

    p1->ImpostaEtichette(false);
    p1->ImpostaFattoreLancette(1.2f);
    // The read-out would give the answer away.
    picAnalogic->hide();

    for (int i = 0; i < 3; ++i)
        optTest[i]->setEnabled(true);

    // Neither the current time nor free setting is offered during the exercises.
    grpCtrTime->clear();
    optCtrTime[1]->setEnabled(false);
    optCtrTime[0]->setEnabled(false);

    cmdTest->setEnabled(false);
    MostraCmdTime(false);

    tmrClock->stop();
    ArrotondaMinuto();
    p1->ImpostaSecondi(false);

    DisegnaCorniceInterna(picTest, 6);

    ProvaInCorso = false;
    picTest->show();

    // Every opening starts with "Indovina l'ora".
    if (grpTest->isSelected(0))
        optTest_Click(0);
    else
        grpTest->select(0);
}

void frmClock::cmdExitTest_Click()
{
    // A prompt still being typed stops: the area it belongs to is going away.
    ++ScritturePremiOK;
    // Clearing the area also removes the final test's row of clocks.
    picTest->cls();
    picTest->hide();
    picAnalogic->show();

    p1->ImpostaSecondi(true);
    p1->ImpostaEtichette(true);
    p1->ImpostaFattoreLancette(1.0f);

    tmrClock->start();
    chkFusiOrari->setEnabled(true);

    // Back to the current time: the mode button's click restarts the clock and greys the adjustment.
    optCtrTime[1]->setEnabled(true);
    grpCtrTime->select(1);
    optCtrTime[0]->setEnabled(true);

    cmdTest->setEnabled(true);
    cmdCuriosita->setEnabled(true);

    optStyleNum[1]->setEnabled(true);
    optStyleNum[0]->setEnabled(true);
    optStyleNum[2]->setEnabled(true);
    grpStyleNum->select(1);
}

void frmClock::optTest_Click(int index)
{
    auto spunta = [this](int i) {
        if (!ProvaInCorso)
            imgSpunta->move(imgSpunta->x(), optTest[i]->y());
    };

    switch (index) {
    case 0:
        MostraCaselle(true);
        MostraCmdTime(false);
        txtTest[0]->setReadOnly(false);
        txtTest[1]->setReadOnly(false);
        spunta(0);
        PreparaLettura();
        break;
    case 1:
        MostraCaselle(true);
        MostraCmdTime(true);
        cmdVerificaTest->setFocus();
        spunta(1);
        PreparaImpostazione();
        SpostaMouse(OreAvanti);
        break;
    case 2:
        MostraCaselle(false);
        MostraCmdTime(true);
        spunta(2);
        PreparaModoDiDire();
        SpostaMouse(OreAvanti);
        p1->setFocus();
        break;
    case 3:
        AvviaProva();
        return;
    default:
        break;
    }
    lblMessaggioTest->setText(MessaggioTest(index));
    ScriviPremiOK();
}

QString frmClock::MessaggioTest(int index) const
{
    return TestoIstruzioni(index);
}

void frmClock::MostraCaselle(bool b)
{
    txtTest[0]->setVisible(b);
    txtTest[1]->setVisible(b);
    lbl_hh->setVisible(b);
    lbl_mm->setVisible(b);
    lblModiDiDire->setVisible(!b);
}

void frmClock::ScriviPremiOK()
{
    // Events run before every letter, so the child may answer, choose another kind or
    // close the area meanwhile. A typing started meanwhile writes the whole prompt
    // before this one resumes; this one then has nothing left to do.
    const int scrittura = ++ScritturePremiOK;
    const QString testo = TestoPremiOK();
    QPointer<frmClock> vivo(this);
    TrattieniFinestra guardia(this);

    imgIndicaOK->hide();
    for (int i = 1; i <= testo.size(); ++i) {
        platform().events->processEvents();
        if (!vivo || m_scaricato || guardia.inChiusura())
            return;
        if (scrittura != ScritturePremiOK)
            return;
        lblPremiOK->setText(testo.left(i));
        lblPremiOK->repaint();
        platform().events->pause(7);
        if (!vivo || m_scaricato || guardia.inChiusura())
            return;
        if (scrittura != ScritturePremiOK)
            return;
    }
    imgIndicaOK->show();
}

void frmClock::SpostaMouse(int pulsante)
{
    platform().desktop->moveCursor(picRegolazione->centroPulsante(pulsante));
}
