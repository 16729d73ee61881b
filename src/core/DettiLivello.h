// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sayings of "Imposta l'ora (2)" at a level: the fixed sayings whose time is one of
// the level's, together with sayings in the program's own words for every other time of
// the level ("Le tre del pomeriggio", "Le sette e mezza di sera"). The hands start at
// midnight, so a level never asks midnight itself: it would be right before the child
// moves anything. At any minute the fixed sayings are asked as they always were.

#include <QString>
#include <QVector>
#include <functional>

#include "Esercizi.h"
#include "Livelli.h"

// The program's own sayings are numbered from here on: this plus the minute of the day.
constexpr int kPrimoDettoProprio = 100;

// A saying that may be asked: its number (1 to 22 for the fixed ones), its words and its
// time in minutes of the day.
struct Detto {
    int numero = 0;
    QString testo;
    int minuti = 0;
    bool operator==(const Detto&) const = default;
};

// The program's own words for a time, as a saying: "Le tre del pomeriggio", "L'una di
// notte", "Mezzogiorno e un quarto".
QString DettoProprio(int ore, int minuti);

// The sayings a level asks, given the fixed ones (`fissi[i]` is saying i + 1): at any
// minute all of them; at any other level the fixed ones of the level's times and the
// program's own for the level's times whose words no fixed one has, never midnight.
QVector<Detto> DettiDelLivello(Livello livello, const QVector<ModoDiDire>& fissi);

// The time of a saying by its number, in minutes of the day; -1 for none (0) or a number
// unknown.
int MinutiDelDetto(int numero, const QVector<ModoDiDire>& fissi);

// A saying for a new question at a level: drawn among `detti` as floor(r x their count),
// again until its time differs from `minutiUltimo` (the last saying's; below 0 for none),
// unless no other time is there.
Detto DettoNuovoDelLivello(const QVector<Detto>& detti, int minutiUltimo, const std::function<double()>& estrai);
