// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printed dial composed as elements at any size: the cut-out sheet's big dial and
// the worksheets' small ones are the same drawing, scaled. The hands of a time can
// be added on it.

#include "ComposizioneFoglio.h"
#include "StileQuadrante.h"

namespace Foglio {

struct Quadrante {
    QPointF centro;
    // 1 is the cut-out sheet's dial, whose outer circle is RaggioEsterno (94 mm) wide.
    float scala = 1;
    StileQuadrante numeri = StileQuadrante::Arabi;
    // The minute numbers round the rim, 0 to 59.
    bool minuti = false;

    double raggio() const { return RaggioEsterno * static_cast<double>(scala); }
};

// Appends the dial's circles, hour numbers (or dots) and minute dots in drawing order.
void ComponiQuadrante(QVector<Elemento>& elementi, const Quadrante& q, const MisuraTesto& misura);

// Angles of the hands at a time, degrees clockwise from 12: the hour hand moves on
// with the minutes.
double AngoloOre(int minutiDelGiorno);
double AngoloMinuti(int minutiDelGiorno);

// Appends the hour and minute hands of a time on the dial.
void ComponiLancette(QVector<Elemento>& elementi, const Quadrante& q, int minutiDelGiorno);

} // namespace Foglio
