// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the class clock's big face on any painter (the window, a picture, a test
// image) at any size, with the main face's looks: the shaded dial in its grey rim, the
// green hour marks in the chosen style and the minute dots, the blue hour hand, the red
// minute hand and the white seconds hand with their value labels, the white hub. And
// what only the class clock shows: the minute numbers 5 ... 55 outside the rim in the
// minute hand's colour, the hours 13 to 24 inside the 1 to 12, and the arc the minute
// hand has covered since a marked start, shaded over the dial under the hands.
//
// The dial and the arc lie still while the hands move, so a window keeps the dial as a
// picture and paints the hands over it where they moved.

#include <QPainterPath>
#include <QRect>

#include "GeometriaLavagna.h"
#include "StatoOrologio.h"
#include "TempoPassato.h"
#include "TrascinaLancette.h"

class QPainter;

class DisegnoLavagna {
public:
    // What the still dial shows.
    struct Quadrante {
        StatoOrologio::StileNumeri stile = StatoOrologio::StileNumeri::Arabi;
        bool numeriMinuti = false;
        bool anello24 = false;
        bool operator==(const Quadrante&) const = default;
    };
    // What the hands show.
    struct Lancette {
        float T = 0; // the shown time, seconds since midnight
        bool secondi = true;
        bool etichette = false;
    };

    // A face in a square of side `lato`, in the painter's units, from its top left corner.
    explicit DisegnoLavagna(double lato);

    const MisureQuadrante& misure() const { return m_misure; }
    // The dial radius the hands are sized by, in whole units.
    int raggio() const { return m_raggio; }
    // The hour and minute hands at T, as they are drawn and grabbed.
    FormaLancette Forma(float T) const;

    // The black square, the dial with its rim, marks and numbers.
    void DisegnaQuadrante(QPainter& p, const Quadrante& q) const;
    // The arc covered since the start: each whole turn tints the dial, the turn under
    // way is shaded from where the minute hand stood at the start.
    void DisegnaArco(QPainter& p, const TempoPassato::Arco& arco) const;
    // The hands, their labels and the hub.
    void DisegnaLancette(QPainter& p, const Lancette& l) const;

    // Where the hands, labels and hub of `l` may colour pixels.
    QRect ConfiniLancette(const Lancette& l) const;
    // Where the shading changes between two arcs.
    QRect ConfiniArco(const TempoPassato::Arco& prima, const TempoPassato::Arco& dopo) const;

private:
    double m_lato;
    MisureQuadrante m_misure;
    int m_raggio;
};
