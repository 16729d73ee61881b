// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrasiOra.h"

QString FraseOra(int ore, int minuti)
{
    return QStringLiteral("Sono le %1:%2").arg(ore).arg(minuti, 2, 10, QLatin1Char('0'));
}

namespace {

// A number of the dial with its article: "il 3", "l'8".
QString ConArticolo(int n)
{
    return (n == 1 || n == 8 || n == 11) ? QStringLiteral("l'%1").arg(n) : QStringLiteral("il %1").arg(n);
}

// "sul 3", "sull'8".
QString Sul(int n)
{
    return (n == 1 || n == 8 || n == 11) ? QStringLiteral("sull'%1").arg(n) : QStringLiteral("sul %1").arg(n);
}

// The number of the dial for a twelfth of the turn: 0 and 12 are both "12".
int NumeroDelQuadrante(int dodicesimo)
{
    const int n = ((dodicesimo % 12) + 12) % 12;
    return n == 0 ? 12 : n;
}

} // namespace

QString FraseLancette(int ore, int minuti)
{
    static const char* const ordinali[5] = {"", "primo", "secondo", "terzo", "quarto"};
    const int h = NumeroDelQuadrante(ore);
    const QString corta = minuti == 0
        ? Sul(h)
        : QStringLiteral("tra %1 e %2").arg(ConArticolo(h), ConArticolo(NumeroDelQuadrante(h + 1)));
    const int prima = NumeroDelQuadrante(minuti / 5);
    const int puntino = minuti % 5;
    const QString lunga = puntino == 0
        ? Sul(prima)
        : QStringLiteral("sul %1 puntino dopo %2").arg(QLatin1String(ordinali[puntino]), ConArticolo(prima));
    return QStringLiteral("La lancetta corta è %1. La lancetta lunga è %2.").arg(corta, lunga);
}
