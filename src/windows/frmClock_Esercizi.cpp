// SPDX-License-Identifier: GPL-3.0-or-later
// Entering and leaving the exercises, and what the exercise controller asks of the
// window: the shown time, the adjustment buttons, the pointer, the numeral style of a
// final-test question, messages and the print window.

#include <QPointer>
#include <functional>

#include "PassoOra.h"
#include "Platform.h"
#include "Suoni.h"
#include "TempoMostrato.h"
#include "frmClock.h"
#include "frmMsg.h"
#include "frmPrint.h"
#include "modTempolino.h"

using namespace modTempolino;

void frmClock::ModoEsercizi(bool dentro)
{
    // Everything the window changes while the exercise area is open, each row setting
    // its state inside the exercises (true) or outside them (false). Entering applies
    // the rows in order; leaving undoes them in the opposite order.
    const std::function<void(bool)> voci[] = {
        // The map closes and cannot be opened while the child practises; nor can the curiosities.
        [this](bool d) {
            if (d)
                chkFusiOrari->setChecked(false);
            chkFusiOrari->setEnabled(!d);
            cmdCuriosita->setEnabled(!d);
        },
        // Bigger hands without their labels.
        [this](bool d) {
            p1->ImpostaEtichette(!d);
            p1->ImpostaFattoreLancette(d ? 1.2f : 1.0f);
        },
        // The read-out and the face's voice would give the answer away.
        [this](bool d) { picAnalogic->setVisible(!d); },
        [this](bool d) { voceOrologio->Abilita(!d); },
        [this](bool d) { picTest->AbilitaTipi(d); },
        // The class clock would move the hands of the question.
        [this](bool d) { AbilitaLavagna(!d); },
        // Neither the current time nor free setting is offered during the exercises;
        // back outside, the clock follows the computer's time again (the click of
        // "Tempo attuale", with its sound).
        [this](bool d) {
            if (d) {
                grpCtrTime->clear();
                optCtrTime[1]->setEnabled(false);
                optCtrTime[0]->setEnabled(false);
            } else {
                optCtrTime[1]->setEnabled(true);
                grpCtrTime->select(1);
                optCtrTime[0]->setEnabled(true);
            }
        },
        [this](bool d) {
            cmdTest->setEnabled(!d);
            if (d)
                MostraCmdTime(false);
        },
        // The clock stands still on the whole minute, without its second hand; the
        // exercises set the adjustment buttons from here on. Back outside, the mode
        // buttons above bring the computer's time back.
        [this](bool d) {
            m_inEsercizi = d;
            if (d) {
                m_stato->ImpostaModo(StatoOrologio::Modo::Manuale);
                m_stato->ArrotondaMinuto();
            }
        },
        [this](bool d) { p1->ImpostaSecondi(!d); },
    };
    if (dentro) {
        for (const auto& voce : voci)
            voce(true);
    } else {
        for (auto it = std::rbegin(voci); it != std::rend(voci); ++it)
            (*it)(false);
    }
}

void frmClock::cmdTest_Click()
{
    Suona(Suono::NuovaSezione);
    ModoEsercizi(true);
    DisegnaCorniceInterna(picTest, 6);
    esercizi->Apri();
    picTest->show();
    // Every opening starts with "Indovina l'ora".
    picTest->SelezionaTipo(SceltaEsercizio::Lettura);
}

void frmClock::cmdExitTest_Click()
{
    // A prompt still being typed stops: the area it belongs to is going away. Clearing
    // the area also removes the final test's row of clocks.
    picTest->FermaScrittura();
    esercizi->Chiudi();
    picTest->cls();
    picTest->hide();
    ModoEsercizi(false);
    // Every numeral style is free again, and the default one chosen.
    for (QToolButton* b : {optStyleNum[1], optStyleNum[0], optStyleNum[2]})
        b->setEnabled(true);
    grpStyleNum->select(1);
}

void frmClock::ImpostaTempoCorrente(float T)
{
    m_stato->MostraOra(T);
}

float frmClock::OraCasuale()
{
    // A random whole minute of the day; the question shows it when it is ready.
    platform().random->reseed();
    return MinutoCasuale(platform().random->next());
}

OrologioMostrato frmClock::oraMostrata() const
{
    return {m_stato->TempoCorrente(), m_stato->OreCorrenti(), m_stato->MinutiCorrenti()};
}

void frmClock::SpostaMouse()
{
    platform().desktop->moveCursor(picRegolazione->centroPulsante(OreAvanti));
}

void frmClock::FocusQuadrante()
{
    p1->setFocus();
}

void frmClock::ImpostaStileProva(int stile)
{
    // The style of the question is chosen; the other two are locked meanwhile.
    optStyleNum[static_cast<size_t>(stile)]->setEnabled(true);
    grpStyleNum->select(stile);
    for (int i = 0; i < 3; ++i)
        if (i != stile)
            optStyleNum[static_cast<size_t>(i)]->setEnabled(false);
}

void frmClock::MostraMessaggio(Messaggio messaggio)
{
    ::MostraMessaggio(this, messaggio);
}

void frmClock::ApriStampa()
{
    // The print window is created afresh and released once it has closed.
    QPointer<frmPrint> stampa = new frmPrint(this);
    platform().dialogs->execModal(*stampa);
    delete stampa.data();
}
