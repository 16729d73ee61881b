// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The logic of the exercises that needs no window: the instruction texts, the
// typed prompt, reading a saying, drawing one, the range checks of the answer
// boxes and judging an answer.

#include <QString>

// The kind of the question on screen, by which its answer is judged.
enum class TipoDomanda {
    Lettura = 0,      // read the time on the clock ("Indovina l'ora")
    Impostazione = 1, // set the clock to the time in the boxes ("Imposta l'ora (1)")
    ModoDiDire = 2,   // set the clock to the time of a saying ("Imposta l'ora (2)")
};

// The four choices of the exercise area, in the order of their option buttons: the
// three kinds of question and the final test.
enum class SceltaEsercizio {
    Lettura = 0,
    Impostazione = 1,
    ModoDiDire = 2,
    TestFinale = 3,
};

// Where the final test stands.
enum class FaseProva {
    Nessuna,  // no final test since the area opened
    InCorso,  // a question of the test is asked (or its introduction shown)
    Persa,    // the second wrong answer ended it
    Superata, // nine right answers
};

// The prompt typed letter by letter under the instruction.
QString TestoPremiOK();

// The instruction of a kind of question.
QString TestoIstruzioni(TipoDomanda tipo);

// True when the text of an answer box is a number (digits only, at least one).
bool ContieneNumero(const QString& testo);
// The number in an answer box, or 0 when its text is not a number.
int ValoreCasella(const QString& testo);
// True when the box holds a number that is `limite` or more (24 for hours, 60 for minutes).
bool OltreIlLimite(const QString& testo, int limite);

// A number written with two digits: 7 gives "07".
QString DueCifre(int n);

// A saying as stored, "text.HHMM": the words to show and the four digits of its time.
struct ModoDiDire {
    QString testo;
    QString orario;
};
ModoDiDire LeggiModoDiDire(const QString& voce);

// The number of a saying (1 to 22) for a random draw r in [0, 1).
int NumeroModoDiDire(double r);
// The hours and minutes of a saying's four digits HHMM; an empty time counts as "0".
void OrarioModoDiDire(const QString& orario, int& ore, int& minuti);

enum class Verdetto {
    Esatta,        // the answer is right
    Sbagliata,     // the answer is wrong
    MancanoOre,    // the hours box is empty (reading the clock)
    MancanoMinuti, // the minutes box is empty (reading the clock)
};

// What the clock shows while an answer is judged.
struct OrologioMostrato {
    float tempo = 0;  // seconds since midnight
    float ore = 0;    // fractional hours
    float minuti = 0; // fractional minutes within the hour
};

// Judges an answer on the 24-hour clock. Reading: the boxes must give the time shown.
// Setting by the boxes: the hands must show the time of the boxes. Setting by a
// saying: the hands must show the time of the saying (`orario`, HHMM).
Verdetto GiudicaRisposta(TipoDomanda tipo, const QString& ore, const QString& minuti, const OrologioMostrato& orologio,
                         const QString& orario);
