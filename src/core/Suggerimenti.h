// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// After a wrong answer, the likely mistake and a short sentence that names it.
//
// The question and the answer are times of the day in whole minutes (0 to 1439): for
// reading the clock, the time shown and the time written; for setting the clock, the
// time asked and the time the hands show. The rules look at both directions where the
// mistake can be made both ways (reading or setting).

#include <QString>

enum class Sbaglio {
    Nessuno,            // the answer is right
    MattinoSera,        // twelve hours off: the morning for the evening, the night for the afternoon
    MinutiComeNumero,   // the minutes taken as the number the long hand points at (20 read as 4)
    QuasiGiusta,        // one to four minutes off
    OraDopo,            // the next hour, minutes right: at a quarter to, it is still the hour before
    OraPrima,           // the hour before, minutes right: the short hand has passed the number already
    OraDopoMattinoSera, // the next hour and twelve hours off: 18:45 read as 7:45, 14:45 as 3:45
    LancetteScambiate,  // the long hand read as the hours and the short one as the minutes
    Generale            // none of these
};

// The likely mistake of `risposta` to `domanda` (minutes of the day; any whole number is
// taken modulo a day).
Sbaglio SbaglioProbabile(int domanda, int risposta);

// The hint for the likely mistake of `risposta` to `domanda`, one or two short sentences
// for the child that name the numbers of the dial concerned; empty for a right answer.
QString Suggerimento(int domanda, int risposta);
// The hint for a mistake made answering `risposta` to `domanda`.
QString TestoSuggerimento(Sbaglio sbaglio, int domanda, int risposta);
