// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The levels of the exercises: which times of the day a question may ask, from the
// whole hours to any minute, and the draws of a level's questions.

#include <QString>
#include <QVector>
#include <functional>

enum class Livello {
    OreIntere = 0,    // 7:00
    MezzOre = 1,      // 7:00, 7:30
    Quarti = 2,       // 7:00, 7:15, 7:30, 7:45
    CinqueMinuti = 3, // 7:05, 7:10 ...
    OgniMinuto = 4    // any minute of the day
};

constexpr int kNumeroLivelli = 5;

// The name of a level as the child reads it in the list: "Ore intere" ... "Ogni minuto".
QString NomeLivello(Livello livello);

// The minutes between two times of the level: 60, 30, 15, 5 or 1.
int PassoDelLivello(Livello livello);

// True when a time (hours and minutes) is one of the level's.
bool OrarioDelLivello(Livello livello, int ore, int minuti);

// A time of the level from a random draw r in [0, 1), in seconds since midnight, every
// time of the level over the whole day equally likely. Any minute is drawn as the
// clock's own random minute is (MinutoCasuale).
float TempoDelLivello(Livello livello, double r);

// The time of a new question: `primo`, unless it is the previous question's time; then
// further draws of the level until one differs. `precedente` below 0: no question yet.
float TempoNuovo(Livello livello, float primo, float precedente, const std::function<double()>& estrai);

// The number of a saying for a new question: drawn among `candidati` (saying numbers)
// as floor(r x their count), again until it is not `ultimo`, unless it is the only one.
// With all 22 sayings this is the draw of the sayings' exercise as it always was.
int DettoNuovo(const QVector<int>& candidati, int ultimo, const std::function<double()>& estrai);
