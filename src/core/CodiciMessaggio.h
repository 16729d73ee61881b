// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of the message window, by their codes in the message table.

enum class Messaggio : int {
    RispostaEsatta = 0,     // "Risposta esatta!"
    RispostaSbagliata = 1,  // "Hai sbagliato: riprova!..."
    OreTroppoGrandi = 2,    // the hours box holds 24 or more
    MinutiTroppoGrandi = 3, // the minutes box holds 60 or more
    MancanoOre = 4,         // "devi inserire l'ora."
    MancanoMinuti = 5,      // "devi inserire i minuti."
    InizioProva = 6,        // the final test is about to start
    ProvaPersa = 7,         // a second error: the final test is over
    ProvaSuperata = 8,      // nine right answers
    UnErrore = 9,           // the one error the final test allows
};
