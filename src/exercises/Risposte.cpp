// The answer boxes and the judging of an answer with "OK!".

#include <QPointer>
#include <QTimer>

#include "CodiciMessaggio.h"
#include "Esercizi.h"
#include "frmClock.h"
#include "frmMsg.h"

void frmClock::txtTest_GotFocus(int index)
{
    // Typing replaces the old answer.
    QLineEdit* casella = txtTest[index];
    casella->setSelection(0, 2);
    // A click into the box would put the cursor where the mouse is, after the focus
    // arrived: select once more when the click has been handled, unless the child
    // has typed meanwhile.
    const QString testo = casella->text();
    QPointer<QLineEdit> guardia(casella);
    QTimer::singleShot(0, casella, [guardia, testo] {
        if (guardia && guardia->hasFocus() && guardia->text() == testo && !guardia->hasSelectedText())
            guardia->setSelection(0, 2);
    });
}

void frmClock::txtTest_Change(int index)
{
    if (index == 0 && ContieneNumero(txtTest[0]->text())) {
        if (OltreIlLimite(txtTest[0]->text(), 24)) {
            MostraMessaggio(this, Messaggio::OreTroppoGrandi);
            txtTest[0]->setText(QString());
        }
        if (txtTest[0]->text().size() == 2)
            txtTest[1]->setFocus();
    } else if (index == 1 && ContieneNumero(txtTest[1]->text())) {
        if (OltreIlLimite(txtTest[1]->text(), 60)) {
            MostraMessaggio(this, Messaggio::MinutiTroppoGrandi);
            txtTest[1]->setText(QString());
        }
    }
}

void frmClock::cmdVerificaTest_Click()
{
    const Verdetto v = GiudicaRisposta(TipoEsercizio, txtTest[0]->text(), txtTest[1]->text(),
                                       {TempoCorrente, OreCorrenti, MinutiCorrenti},
                                       lblModiDiDire->property("Tag").toString());
    switch (v) {
    case Verdetto::MancanoOre:
        MostraMessaggio(this, Messaggio::MancanoOre);
        txtTest[0]->setFocus();
        return;
    case Verdetto::MancanoMinuti:
        MostraMessaggio(this, Messaggio::MancanoMinuti);
        txtTest[1]->setFocus();
        return;
    case Verdetto::Nessuno:
        return;
    case Verdetto::Esatta:
        MostraMessaggio(this, Messaggio::RispostaEsatta);
        if (ProvaInCorso) {
            ++PassoProva;
            ProssimaDomanda();
        } else if (TipoEsercizio == 0) {
            PreparaLettura();
        } else if (TipoEsercizio == 1) {
            PreparaImpostazione();
        } else {
            PreparaModoDiDire();
        }
        return;
    case Verdetto::Sbagliata:
        if (!ProvaInCorso) {
            // The question stays for another try.
            MostraMessaggio(this, Messaggio::RispostaSbagliata);
        } else if (!ErroreCommesso) {
            // The one error the final test allows: the same question stays.
            ErroreCommesso = true;
            MostraMessaggio(this, Messaggio::UnErrore);
        } else {
            PassoProva = -1;
            ProssimaDomanda();
        }
        return;
    }
}
