// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenario.h"

#include <algorithm>
#include <cmath>

#include "ArrotondaPari.h"

namespace Scenario {

namespace {

int Componente(int valore)
{
    return std::clamp(valore, 0, 255);
}

} // namespace

Unita UnitaDellaScena(double larghezza, double altezza)
{
    return {ArrotondaPari(larghezza / 2 / 6), ArrotondaPari(altezza / 10)};
}

Cielo CieloDellOra(int ora)
{
    if (ora <= 4 || (ora >= 20 && ora <= 23))
        return Cielo::Stellato;
    if (ora >= 8 && ora <= 16)
        return Cielo::Nuvoloso;
    return Cielo::Sfumato;
}

QColor ColoreRiga(int ora, int k)
{
    switch (ora) {
    case 5:
    case 19:
        // From black at the top to deep blue at the bottom: night turning into day.
        return {0, 0, Componente(k)};
    case 6:
    case 18:
        // Blue at the top, red at the bottom: the sun on the horizon.
        return {Componente(k), Componente(80 - ArrotondaPari(k / 4.0)), Componente(160 - ArrotondaPari(k / 2.0))};
    case 7:
    case 17:
        // Deep blue at the top, light blue at the bottom.
        return {0, Componente(k), 255};
    default:
        return {0, 0, 0};
    }
}

bool NuvoleGirate(int ora)
{
    return ora == 9 || ora == 11 || ora == 13 || ora == 15;
}

std::vector<Posto> FigureDellOra(int ora, double larghezza, double altezza)
{
    const Unita u = UnitaDellaScena(larghezza, altezza);
    const double A = u.A, B = u.B;
    // A 32-pixel picture is centred on x by moving it 16 pixels to the left.
    auto a = [](double x, double y) { return QPointF(x - 16, y); };
    // The rooster and the owl sit at the bottom right, inside the window.
    const QPointF inBasso(larghezza - 37, altezza - 70);

    if (ora >= 0 && ora <= 4)
        return {{Figura::Luna, a((ora + 6) * A, (ora + 1) * B)}};
    if (ora >= 20 && ora <= 23)
        return {{Figura::Luna, a((ora - 18) * A, (25 - ora) * B)}};
    if (ora >= 8 && ora <= 12)
        return {{Figura::Sole, a((ora - 6) * A, (13 - ora) * B)}};
    if (ora >= 13 && ora <= 16)
        return {{Figura::Sole, a((ora - 6) * A, (ora - 11) * B)}};
    switch (ora) {
    case 5:
        return {{Figura::Luna, a(11 * A, 7 * B)}};
    case 6:
        return {{Figura::SoleNascente, a(0, 8 * B)}, {Figura::Gallo, inBasso}};
    case 7:
        return {{Figura::SolePallido, a(A, 6 * B)}};
    case 17:
        return {{Figura::SolePallido, a(11 * A, 6 * B)}};
    case 18:
        return {{Figura::SoleNascente, a(12 * A, 8 * B)}};
    case 19:
        return {{Figura::Luna, a(A, 7 * B)}, {Figura::Civetta, inBasso}};
    default:
        return {};
    }
}

int AltezzaStella(double estrazione)
{
    return static_cast<int>(std::floor(estrazione * kAltezzaStelle + 1));
}

std::vector<int> ColonneStelle(double larghezza)
{
    std::vector<int> colonne;
    const int fine = ArrotondaPari(larghezza);
    for (int x = 0; x <= fine; x += kPassoStelle)
        colonne.push_back(x);
    return colonne;
}

} // namespace Scenario
