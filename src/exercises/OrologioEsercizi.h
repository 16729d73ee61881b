// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exercise controller asks of the clock it belongs to. The main window is the
// real one; the windowless tests put a stand-in in its place. Every call returns when
// it is done: a message or the print window has been shown and closed by then.

#include "CodiciMessaggio.h"
#include "Esercizi.h"

class OrologioEsercizi {
public:
    virtual ~OrologioEsercizi() = default;

    // The shown time becomes T and every part of the clock shows it.
    virtual void ImpostaTempoCorrente(float T) = 0;
    // A random whole minute of the day, for a question to show.
    virtual float OraCasuale() = 0;
    // What the clock shows now.
    virtual OrologioMostrato oraMostrata() const = 0;
    // The last saying asked (1 to 22, 0 before the first), kept with the clock.
    virtual int UltimoModoDiDire() const = 0;
    virtual void RicordaModoDiDire(int numero) = 0;

    // The adjustment buttons usable (true) or put away.
    virtual void MostraCmdTime(bool mostra) = 0;
    // The mouse pointer onto the "Ore avanti" button.
    virtual void SpostaMouse() = 0;
    // The keyboard's focus to the clock face.
    virtual void FocusQuadrante() = 0;
    // The dial's numeral style of a final-test question, the other two styles locked.
    virtual void ImpostaStileProva(int stile) = 0;

    // Shows a message modally; returns when the child has closed it.
    virtual void MostraMessaggio(Messaggio messaggio) = 0;
    // Opens the print window, the final test's reward, modally.
    virtual void ApriStampa() = 0;
    // Closes the exercise area.
    virtual void ChiudiEsercizi() = 0;
};
