// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One step of the manual adjustment of the shown time, and how fast a held
// adjustment button repeats.

// The four adjustment buttons, by their index in the group cmdTime.
enum IndicePasso {
    OreIndietro = 0,
    MinutiIndietro = 1,
    MinutiAvanti = 2,
    OreAvanti = 3,
};

// The shown time T (seconds since midnight, 0 to 86400) moved by one step of
// button `indice`, wrapped around midnight: 00:00 minus a minute is 23:59, 23:59 plus
// a minute is 00:00 (never 24:00), 23:30 plus an hour is 00:30, 00:30 minus an hour
// is 23:30. Any other index leaves T as it is.
float PassoOra(float T, int indice);

// The length of each of the three pauses between two steps of a held button, in
// milliseconds: 50 for the minute buttons, 100 for the hour buttons.
int PausaRipetizione(int indice);
