// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exercise controller needs of the exercise area on screen. The area
// (AreaEsercizi) is the real one; the windowless tests put a stand-in in its place.

#include <QString>

#include "Esercizi.h"

class VistaEsercizi {
public:
    virtual ~VistaEsercizi() = default;

    // The answer boxes with their labels (true) or the saying (false).
    virtual void MostraCaselle(bool b) = 0;
    virtual bool caselleVisibili() const = 0;
    // The texts of the two boxes, and whether the child can change them.
    virtual void ImpostaCaselle(const QString& ore, const QString& minuti) = 0;
    virtual void BloccaCaselle(bool bloccate) = 0;
    virtual QString ore() const = 0;
    virtual QString minuti() const = 0;
    // The focus to box 0 (hours) or 1 (minutes), or to "OK!".
    virtual void FocusCasella(int indice) = 0;
    virtual void FocusOK() = 0;

    // The saying shown in place of the boxes, with the four digits HHMM of its time.
    virtual void MostraModoDiDire(const QString& testo, const QString& orario) = 0;
    virtual QString orarioModoDiDire() const = 0;

    // The instruction of the kind on screen.
    virtual void MostraIstruzione(const QString& testo) = 0;
    // The short note under the instruction that the hands can also be dragged.
    virtual void MostraNotaLancette(bool /*mostra*/) {}
    // Starts typing the prompt letter by letter, then shows the hand pointing at "OK!";
    // a prompt still being typed starts again.
    virtual void ScriviPremiOK() = 0;
    // A prompt still being typed stops.
    virtual void FermaScrittura() = 0;
    // The tick mark beside a choice.
    virtual void SpuntaTipo(SceltaEsercizio scelta) = 0;
    // The first three kinds can be chosen (false during the final test).
    virtual void AbilitaTipi(bool abilitati) = 0;

    // Empties the boxes, the saying, the instruction and the prompt for the final test.
    virtual void SvuotaPerProva() = 0;
    // The final test's row of nine clocks, and the tick on clock `passo` (1 to 9).
    virtual void DisegnaOrologiProva() = 0;
    virtual void SegnaRispostaEsatta(int passo) = 0;
};
