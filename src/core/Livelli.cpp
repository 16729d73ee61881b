// SPDX-License-Identifier: GPL-3.0-or-later
#include "Livelli.h"

#include <QtGlobal>
#include <cmath>

#include "TempoMostrato.h"

QString NomeLivello(Livello livello)
{
    switch (livello) {
    case Livello::OreIntere:
        return QStringLiteral("Ore intere");
    case Livello::MezzOre:
        return QStringLiteral("Mezz'ore");
    case Livello::Quarti:
        return QStringLiteral("Quarti d'ora");
    case Livello::CinqueMinuti:
        return QStringLiteral("Cinque minuti");
    case Livello::OgniMinuto:
        break;
    }
    return QStringLiteral("Ogni minuto");
}

int PassoDelLivello(Livello livello)
{
    switch (livello) {
    case Livello::OreIntere:
        return 60;
    case Livello::MezzOre:
        return 30;
    case Livello::Quarti:
        return 15;
    case Livello::CinqueMinuti:
        return 5;
    case Livello::OgniMinuto:
        break;
    }
    return 1;
}

bool OrarioDelLivello(Livello livello, int ore, int minuti)
{
    return ore >= 0 && ore < 24 && minuti >= 0 && minuti < 60 && minuti % PassoDelLivello(livello) == 0;
}

float TempoDelLivello(Livello livello, double r)
{
    if (livello == Livello::OgniMinuto)
        return MinutoCasuale(r);
    const int passo = PassoDelLivello(livello);
    const int quanti = 24 * 60 / passo;
    const int i = qBound(0, static_cast<int>(std::floor(r * quanti)), quanti - 1);
    return static_cast<float>(i * passo * 60);
}

float TempoNuovo(Livello livello, float primo, float precedente, const std::function<double()>& estrai)
{
    float T = primo;
    while (T == precedente)
        T = TempoDelLivello(livello, estrai());
    return T;
}

int DettoNuovo(const QVector<int>& candidati, int ultimo, const std::function<double()>& estrai)
{
    if (candidati.isEmpty())
        return 0;
    const auto quanti = static_cast<int>(candidati.size());
    auto estrazione = [&] { return candidati[qBound(0, static_cast<int>(std::floor(estrai() * quanti)), quanti - 1)]; };
    int n = estrazione();
    if (quanti > 1) {
        while (n == ultimo)
            n = estrazione();
    }
    return n;
}
