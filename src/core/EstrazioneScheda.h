// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The items of a worksheet drawn from its code: for each clock the kind, the time
// shown or asked, and for the two-clock kinds the time that passes.
//
// The times are the level's, spread over the dial and the day: the dial's twelve
// hours are cut into as many equal stretches as there are clocks and one time is
// drawn in each, so no two clocks show the same position of the hands; half of them
// fall in the first twelve hours of the day and half in the second. The clocks are
// then shuffled, and the kinds follow one another in the order of the list. A clock
// to draw is never at midnight (the hands of noon, said "mezzogiorno"), nor is the
// new time of "Che ore saranno?".

#include <QVector>

#include "CodiceScheda.h"

struct VoceScheda {
    TipoVoce tipo = TipoVoce::Leggi;
    // Minutes since midnight: the clock shown, or the time to draw.
    int inizio = 0;
    // Minutes from the first clock to the second; zero for the one-clock kinds.
    int durata = 0;

    // The second clock's time, minutes since midnight.
    int fine() const { return (inizio + durata) % (24 * 60); }

    bool operator==(const VoceScheda&) const = default;
};

// The longest time that passes on a sheet of the level, in minutes.
int DurataMassima(Livello livello);

// The items of the code's sheet, as many as it has clocks.
QVector<VoceScheda> EstraiScheda(const CodiceScheda& codice);
