// The final test: nine questions, three of each kind, with one error allowed.
// A row of nine small clocks shows the progress; nine right answers open the
// print window, a second wrong answer ends the test.

#include <QPointer>

#include "ArrotondaPari.h"
#include "CodiciMessaggio.h"
#include "frmClock.h"
#include "frmMsg.h"
#include "frmPrint.h"
#include "modTempolino.h"
#include "Platform.h"

using namespace modTempolino;

namespace {

// The progress row: clocks 28 pixels apart, under the prompt of the exercise area.
constexpr int kPassoRiga = 28;

QPoint InizioRiga(const QLabel* lblPremiOK)
{
    return {ArrotondaPari(lblPremiOK->x()), lblPremiOK->y() + 20};
}

} // namespace

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
    MostraMessaggio(this, Messaggio::InizioProva);

    DisegnaOrologiProva();
    ProssimaDomanda();
}

void frmClock::DisegnaOrologiProva()
{
    const QPoint inizio = InizioRiga(lblPremiOK);
    for (int i = 1; i <= 9; ++i)
        picTest->paintPicture(imgTestOrologio, inizio.x() + (i - 1) * kPassoRiga, inizio.y());
    picTest->refresh();
}

void frmClock::SegnaRispostaEsatta()
{
    const QPoint inizio = InizioRiga(lblPremiOK);
    picTest->paintPicture(imgSpunta->pixmap().toImage(), inizio.x() + (PassoProva - 1) * kPassoRiga, inizio.y());
    picTest->refresh();
}

void frmClock::ImpostaStileProva()
{
    // Each trio of questions shows Arabic numerals, then Roman numerals, then dots;
    // the other two styles are locked meanwhile.
    int stile = -1;
    switch (PassoProva) {
    case 0:
    case 3:
    case 6:
        stile = 1;
        break;
    case 1:
    case 4:
    case 7:
        stile = 2;
        break;
    case 2:
    case 5:
    case 8:
        stile = 0;
        break;
    default:
        return;
    }
    optStyleNum[static_cast<size_t>(stile)]->setEnabled(true);
    grpStyleNum->select(stile);
    for (int i = 0; i < 3; ++i)
        if (i != stile)
            optStyleNum[static_cast<size_t>(i)]->setEnabled(false);
}

void frmClock::ProssimaDomanda()
{
    if (PassoProva > 0)
        SegnaRispostaEsatta();

    QPointer<frmClock> vivo(this);
    switch (PassoProva) {
    case -1:
        MostraMessaggio(this, Messaggio::ProvaPersa);
        if (!vivo || m_scaricato)
            return;
        cmdExitTest_Click();
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
    case 9: {
        MostraMessaggio(this, Messaggio::ProvaSuperata);
        if (!vivo || m_scaricato)
            return;
        platform().events->processEvents();
        // The reward: the print window, created afresh and released once it has closed.
        QPointer<frmPrint> stampa = new frmPrint(this);
        platform().dialogs->execModal(*stampa);
        delete stampa.data();
        if (!vivo || m_scaricato)
            return;
        platform().events->processEvents();
        if (!vivo || m_scaricato)
            return;
        cmdExitTest_Click();
        break;
    }
    default:
        break;
    }
    if (!vivo || m_scaricato)
        return;

    ImpostaStileProva();
    // The style's click puts the focus on the clock face; reading questions need it in the hours box.
    if (!txtTest[0]->isHidden() && PassoProva < 3)
        txtTest[0]->setFocus();
}
