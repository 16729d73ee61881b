// SPDX-License-Identifier: GPL-3.0-or-later
#include "PassoOra.h"

float PassoOra(float T, int indice)
{
    switch (indice) {
    case OreIndietro:
        T -= 3600;
        if (T < 0)
            T += 86400;
        break;
    case MinutiIndietro:
        T -= 60;
        if (T < 0)
            T = 86340;
        break;
    case MinutiAvanti:
        T += 60;
        // From 24:00 a minute on is 00:01.
        if (T > 86400)
            T = 60;
        break;
    case OreAvanti:
        T += 3600;
        if (T >= 86400)
            T -= 86400;
        break;
    default:
        return T;
    }
    // Midnight is shown as 00:00 once the child has moved the hands.
    if (T == 86400)
        T = 0;
    return T;
}

int PausaRipetizione(int indice)
{
    return (indice == MinutiIndietro || indice == MinutiAvanti) ? 50 : 100;
}
