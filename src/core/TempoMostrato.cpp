// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempoMostrato.h"

#include <cmath>

CampiOra DerivaCampi(float T)
{
    CampiOra c;
    const float S = std::floor(T);
    c.ore = S / 3600.0f;
    const float resto = T - std::floor(c.ore) * 3600.0f;
    c.minuti = std::floor(resto) / 60.0f;
    c.secondi = std::floor(resto - std::floor(c.minuti) * 60.0f);
    return c;
}

float ArrotondaAlMinuto(float T)
{
    const long L = std::lrint(T);
    const long Q = (L + 30) / 3600;
    const long M = ((L + 30) - Q * 3600) / 60;
    return static_cast<float>(Q * 3600 + M * 60);
}

float MinutoCasuale(double r)
{
    const float T = ArrotondaAlMinuto(static_cast<float>(std::floor(r * 86400.0 + 1.0)));
    return T >= 86400.0f ? 0.0f : T;
}

QString TestoLettura(const CampiOra& campi, bool dodiciOre)
{
    int h = static_cast<int>(std::floor(campi.ore));
    if (dodiciOre && h > 12)
        h -= 12;
    return QStringLiteral("%1:%2:%3")
        .arg(h)
        .arg(static_cast<int>(std::floor(campi.minuti)), 2, 10, QLatin1Char('0'))
        .arg(static_cast<int>(campi.secondi), 2, 10, QLatin1Char('0'));
}

QString ParteDelGiorno(float T, const QString& attuale)
{
    if (T >= 0 && T <= 21600)
        return QStringLiteral("Notte");
    if (T > 21600 && T <= 43200)
        return QStringLiteral("Mattino");
    if (T > 43200 && T <= 64800)
        return QStringLiteral("Pomeriggio");
    if (T > 64800 && T < 86400)
        return QStringLiteral("Sera");
    return attuale;
}
