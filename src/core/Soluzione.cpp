// SPDX-License-Identifier: GPL-3.0-or-later
#include "Soluzione.h"

#include <cstdlib>

QVector<int> PassiDellaSoluzione(int da, int a)
{
    constexpr int giorno = 24 * 60;
    const int partenza = ((da % giorno) + giorno) % giorno;
    int differenza = ((a - da) % giorno + giorno) % giorno;
    if (differenza > giorno / 2)
        differenza -= giorno;
    const int verso = differenza < 0 ? -1 : 1;
    const int totale = std::abs(differenza);

    QVector<int> passi;
    int t = partenza;
    auto avanza = [&](int minuti, int quanti) {
        for (int i = 0; i < quanti; ++i) {
            t = ((t + verso * minuti) % giorno + giorno) % giorno;
            passi.append(t);
        }
    };
    avanza(60, totale / 60);
    avanza(5, totale % 60 / 5);
    avanza(1, totale % 5);
    return passi;
}
