// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A time of day in Italian words, as a teacher says it to a child, and back.
//
// The teacher's wording counts the hours to twelve and adds the part of the day
// when it tells morning from evening: "Sono le tre e un quarto del pomeriggio",
// "Sono le nove meno un quarto di sera", "È mezzogiorno e dieci", "È l'una e venti
// di notte", "Mancano due minuti alle dieci del mattino". The 24-hour wording names
// the afternoon's hours by their number and needs no part of the day: "Sono le
// tredici e cinque", "Manca un minuto alle tredici".
//
// Minutes up to half past are added to the hour ("e un quarto", "e mezza", "e
// ventitré"); twenty-five, twenty, a quarter, ten and five minutes before the hour are
// taken from the next hour ("meno un quarto"), and the last four minutes are counted
// down to it ("Manca un minuto a mezzanotte"). Any other minute after half past is
// added to the hour ("Sono le tre e quarantuno").

#include <QString>

enum class FormaOra {
    Maestra,     // twelve hours and the part of the day
    Ventiquattro // the hours of the 24-hour clock
};

// The words for `ore` (0 to 24, 24 being midnight) and `minuti` (0 to 59), without a
// full stop.
QString OraInParole(int ore, int minuti, FormaOra forma = FormaOra::Maestra);

// Reads a time said in words back: the program's own sentences in either wording, the
// sayings of the exercises ("Mezzogiorno e mezzo", "Nove e tre quarti", "Le tredici e
// quindici") and the usual variants (without "Sono"/"È", "e tre quarti", "e quindici",
// "le dodici", "di mattina"). Without a part of the day an hour up to twelve is the
// morning's. False when the words are not a time; `ore` (0 to 23) and `minuti` are set
// only when true.
bool ParoleInOra(const QString& parole, int& ore, int& minuti);

// A number from 1 to 59 in words: 1 "uno", 21 "ventuno", 23 "ventitré", 38 "trentotto".
QString NumeroInParole(int n);
