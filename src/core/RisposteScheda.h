// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of a worksheet's items: what each clock asks, and the answer in figures
// and in words for the key, on the 12-hour clock with the part of the day ("3:15 del
// pomeriggio", "Le tre e un quarto del pomeriggio") or on the 24-hour clock ("15:15",
// "Le quindici e un quarto").

#include <QString>

#include "EstrazioneScheda.h"

// A time in figures: "3:05 del pomeriggio", "12:30 di notte"; "15:05", "0:30".
QString OraInCifre(int minuti, FormaOra forma);

// The time as a saying, without "Sono"/"È": "Le tre e venti del pomeriggio",
// "Mezzogiorno e mezzo", "Mancano due minuti alle dieci del mattino".
QString OraDetta(int minuti, FormaOra forma);

// The part of the day a clock stands in: "È mattina.", "È pomeriggio.", "È sera.", "È notte."
QString FraseParteDelGiorno(int minuti);

// A time that passes, in figures and in words: "1 ora e 25 minuti", "un'ora e
// venticinque minuti"; "45 minuti", "quarantacinque minuti"; "2 ore", "due ore".
QString DurataInCifre(int minuti);
QString DurataInParole(int minuti);

// When, as a teacher says it: "tra 25 minuti", "tra un quarto d'ora", "tra mezz'ora",
// "tra un'ora e un quarto", "tra due ore e 10 minuti".
QString TraQuanto(int minuti);

struct TestoVoce {
    // The question above the clock and what it gives to work with.
    QString domanda;
    QString dato;
    // The answer of the key.
    QString rispostaCifre;
    QString rispostaParole;
};

TestoVoce TestiVoce(const VoceScheda& voce, FormaOra forma);
