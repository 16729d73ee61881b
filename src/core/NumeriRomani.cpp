// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumeriRomani.h"

#include <array>

namespace {

struct Romano {
    int valore;
    const char* simboli;
};
std::array<Romano, 5> TabellaRomani{};
bool RomaniPronti = false;

} // namespace

void InizializzaRomani()
{
    TabellaRomani = {{{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}}};
    RomaniPronti = true;
}

void CancellaRomani()
{
    TabellaRomani = {};
    RomaniPronti = false;
}

QString NumeroRomano(int n)
{
    if (!RomaniPronti)
        InizializzaRomani();
    QString testo;
    for (size_t i = 0; n > 0 && i < TabellaRomani.size(); ++i) {
        while (n >= TabellaRomani[i].valore) {
            n -= TabellaRomani[i].valore;
            testo += QLatin1String(TabellaRomani[i].simboli);
        }
    }
    return testo;
}
