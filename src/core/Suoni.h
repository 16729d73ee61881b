// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's sound effects, by their resource numbers.

enum class Suono : int {
    Ticchettio = 101,        // the clock's tick: splash animation, message window
    ProvaSuperata = 102,     // the final test passed
    RegolazionePronta = 103, // the adjustment buttons become usable
    Vista12o24 = 104,        // the 12/24-hour read-out changed
    Passo = 105,             // one step of a held adjustment button or of the map's opening
    Clic = 106,              // an ordinary click
    RispostaEsatta = 107,    // a right answer
    NuovaSezione = 108,      // a new section opens
    RispostaSbagliata = 109, // a wrong answer or a lost test
};
