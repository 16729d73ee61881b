// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometriaLavagna.h"

#include <algorithm>

namespace {
// The panel holds four buttons a row: at least five rows' heights wide, at most ten.
constexpr int kPannelloMinimo = 5;
constexpr int kPannelloMassimo = 10;
constexpr int kMargine = 8;
} // namespace

GeometriaLavagna CalcolaGeometria(QSize finestra)
{
    const int W = std::max(finestra.width(), 1);
    const int H = std::max(finestra.height(), 1);
    GeometriaLavagna g;
    // Fourteen rows to the screen's height, never below what a finger needs.
    g.riga = std::max(kRigaMinima, H / 14);
    const int pannello = std::clamp(W - H, kPannelloMinimo * g.riga, kPannelloMassimo * g.riga);
    const int lato = std::max(0, std::min(H, W - pannello - kMargine));
    // The face in the middle of the room the panel leaves, the panel at the right edge.
    const int liberoX = W - pannello - kMargine;
    g.quadrante = QRect((liberoX - lato) / 2, (H - lato) / 2, lato, lato);
    g.pannello = QRect(W - pannello, 0, pannello - kMargine, H);
    return g;
}

MisureQuadrante MisureDelQuadrante(double lato)
{
    MisureQuadrante m;
    m.centro = QPointF(lato / 2, lato / 2);
    // The minute numbers take the outer ring of the square; the dial and its rim the rest.
    m.raggio = lato * 0.40;
    // The rim is thirteen parts in 180 of the radius wide, as on the main face.
    m.bordo = m.raggio * 193.0 / 180.0;
    m.numeriMinuti = (m.bordo + lato / 2) / 2;
    m.fontMinuti = (lato / 2 - m.bordo) * 0.62;
    m.numeriOre = m.raggio * 0.83;
    m.anello24 = m.raggio * 0.64;
    m.fontAnello = m.raggio * 0.075;
    return m;
}
