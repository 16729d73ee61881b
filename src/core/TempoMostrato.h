// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arithmetic of the shown time: seconds since midnight, the hours, minutes and
// seconds derived from it, rounding to the minute, the digital read-out and the
// name of the part of the day.

#include <QString>

struct CampiOra {
    float ore = 0;     // fractional hours (10.5 at 10:30:00)
    float minuti = 0;  // fractional minutes within the hour (30.5 at 10:30:30)
    float secondi = 0; // whole seconds within the minute
};

// The hours, minutes and seconds of the shown time T (seconds since midnight).
CampiOra DerivaCampi(float T);

// T rounded to the nearest whole minute (10:30:29 gives 10:30, 10:30:30 gives 10:31).
float ArrotondaAlMinuto(float T);

// A whole minute of the day from a random draw r in [0, 1). A draw that would
// round up to 24:00 gives 00:00, so a question is never set at 24:00.
float MinutoCasuale(double r);

// The digital read-out "H:MM:SS"; with the 12-hour view the hours after 12 lose 12.
QString TestoLettura(const CampiOra& campi, bool dodiciOre);

// The part of the day for T; outside the four ranges the current name stays.
QString ParteDelGiorno(float T, const QString& attuale);
