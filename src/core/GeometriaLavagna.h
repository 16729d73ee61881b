// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the class clock's parts go on a screen of any size: the face, a square as high
// as the screen where the width allows, and beside it the panel of buttons and
// switches, which keeps room for four buttons a row a finger can hit on a whiteboard;
// and, inside the face, the radii of the dial, of its numbers, of the ring of the hours
// 13 to 24 and of the minute numbers outside the dial. All in logical pixels.

#include <QPointF>
#include <QRect>
#include <QSize>

// A button for a finger on a whiteboard is never lower than this.
constexpr int kRigaMinima = 64;

struct GeometriaLavagna {
    int riga = kRigaMinima; // the height of a row of buttons
    QRect quadrante;        // the face's square
    QRect pannello;         // the buttons and switches
};

// The parts for a window of this size.
GeometriaLavagna CalcolaGeometria(QSize finestra);

// The circles of a face drawn in a square of side `lato`.
struct MisureQuadrante {
    QPointF centro;
    double raggio = 0;       // the dial, inside its rim
    double bordo = 0;        // the outer edge of the rim
    double numeriOre = 0;    // the centres of the 1 to 12
    double anello24 = 0;     // the centres of the 13 to 24
    double numeriMinuti = 0; // the centres of the 5 ... 55 outside the rim
    double fontMinuti = 0;   // the pixel sizes of the class clock's own numbers
    double fontAnello = 0;
};
MisureQuadrante MisureDelQuadrante(double lato);
