// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentences a screen reader says for the clock face.

#include <QString>

// The sentence a screen reader says for a shown time, in figures on the 24-hour
// clock as the hands' labels show it: "Sono le 15:20".
QString FraseOra(int ore, int minuti);

// Where the two hands point, as a teacher tells a child who cannot see the clock well,
// without saying the time: "La lancetta corta è tra il 3 e il 4. La lancetta lunga è
// sull'8." Between two numbers the long hand is placed on the minute dots after the
// number before it ("sul secondo puntino dopo il 3"). `ore` are hours 0 to 24 and
// `minuti` minutes 0 to 59, whole.
QString FraseLancette(int ore, int minuti);
