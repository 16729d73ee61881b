// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the class clock's big face on any painter (the window, a picture, a test
// image) at any size. The dial, the hands, their labels and the hub are the main face's
// own drawing (DisegnoOrologio), scaled so that its dial has the class clock's radius;
// over it comes what only the class clock shows: the minute numbers 5 ... 55 outside the
// rim in the minute hand's colour, the hours 13 to 24 inside the 1 to 12, and the arc the
// minute hand has covered since a marked start, shaded over the dial under the hands.
//
// The hands are laid out in the main face's units (a dial of radius 180); grabbing them
// works in those units too, so that what is grabbed is exactly what is drawn.
//
// The dial and the arc lie still while the hands move, so a window keeps the dial as a
// picture and paints the hands over it where they moved.

#include <QPainterPath>
#include <QRect>
#include <QTransform>

#include "DisegnoOrologio.h"
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
    // The dial radius in the painter's units, whole.
    int raggio() const { return static_cast<int>(m_misure.raggio); }

    // From the painter's units to the main face's (dial radius 180), where the hands
    // are laid out and grabbed.
    QPointF InUnita(QPointF punto) const { return m_inversa.map(punto); }
    // The centre, and the hour and minute hands at T, in the main face's units.
    QPointF CentroInUnita() const;
    FormaLancette Forma(float T) const;

    // The black square, the dial with its rim, marks and numbers.
    void DisegnaQuadrante(QPainter& p, const Quadrante& q) const;
    // The arc covered since the start: each whole turn tints the dial, the turn under
    // way is shaded from where the minute hand stood at the start.
    void DisegnaArco(QPainter& p, const TempoPassato::Arco& arco) const;
    // The hands, their labels and the hub.
    void DisegnaLancette(QPainter& p, const Lancette& l) const;

    // Where the hands, labels and hub of `l` may colour pixels; the labels measured on
    // `misura` (the window they are drawn on).
    QRect ConfiniLancette(const Lancette& l, const QPaintDevice* misura = nullptr) const;
    // Where the shading changes between two arcs.
    QRect ConfiniArco(const TempoPassato::Arco& prima, const TempoPassato::Arco& dopo) const;

private:
    DisegnoOrologio Orologio(const Lancette& l) const;

    double m_lato;
    MisureQuadrante m_misure;
    // The main face's box, scaled so that its dial has this face's radius.
    QRectF m_area;
    QTransform m_trasformazione;
    QTransform m_inversa;
};
