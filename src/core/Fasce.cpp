// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fasce.h"

PosizioneFasce PosizioniFasce(double T, double larghezzaMappa, double larghezzaFascia)
{
    const double Hg = larghezzaFascia / 2;
    const double P = larghezzaMappa / 1440; // pixels per minute of the day
    PosizioneFasce f{};
    f.giorno = (86400 - T) / 60 * P - Hg;
    f.notte = (T <= 43200 ? 43200 - T : 129600 - T) / 60 * P - Hg;
    return f;
}
