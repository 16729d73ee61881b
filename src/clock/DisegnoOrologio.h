// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock face as a drawing: the dial (the shaded disc, its rim, the hour marks in one
// of three styles and the minute dots), the three hands with their value labels and the
// hub, for a given time and look, onto any QPainter (a window, an image, a printer, a
// PDF) and at any size.
//
// The face is designed for a dial of radius R in a box of (2R + 28) x (2R + 48) units,
// y downward, the centre in the middle of the box. Given an area, the drawing is that
// box scaled evenly to fit the area and centred in it; an area of the box's own size
// draws it unit for pixel. The fonts are sized for that box and follow the scale, so a
// face 2000 pixels across looks like the small one, only larger.
//
//     DisegnoOrologio disegno(aspetto);
//     disegno.disegnaQuadrante(p, area);        // the dial: dear, keep it as a picture
//     disegno.disegnaLancette(p, area, campi);  // hands, labels and hub over it
//
// The hands can also be laid out once (forma) and painted later (disegnaForma): a face
// that repaints parts of itself compares two layouts to find what moved.

#include <QColor>
#include <QHash>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <array>
#include <vector>

#include "StatoOrologio.h"
#include "TempoMostrato.h"

class QPainter;
class QPaintDevice;

// How the face looks, apart from the time it shows.
struct AspettoOrologio {
    StatoOrologio::StileNumeri stile = StatoOrologio::StileNumeri::Arabi;
    bool mostraSecondi = true;    // the second hand and its label
    bool mostraEtichette = true;  // the value labels at the hands
    float fattoreLancette = 1.0f; // the hour and minute hands' size (1.2 during the exercises)
    int raggio = 180;             // the dial's radius in the face's own units
    bool operator==(const AspettoOrologio&) const = default;
};

class DisegnoOrologio {
public:
    // One thing drawn over the dial, in the face's own units: a hand, a value label or the hub.
    struct Tratto {
        enum class Tipo { Lancetta, Etichetta, Perno };
        Tipo tipo = Tipo::Perno;
        std::array<QPoint, 4> angoli{}; // a hand's corners: right, tail, left, tip
        QColor colore;                  // a hand's fill, a label's colour
        QString testo;                  // a label
        QPointF punto;                  // a label's baseline start, the hub's centre
        QRectF confini;                 // where it may colour: outline and smoothed edge included
        bool operator==(const Tratto&) const = default;
    };
    // The hands of one time, in the order they cover each other: the hour hand and its
    // label, the minute hand and its label, the second hand and its label, the hub.
    using Forma = std::vector<Tratto>;

    explicit DisegnoOrologio(const AspettoOrologio& aspetto = {});
    const AspettoOrologio& aspetto() const { return m_aspetto; }
    void impostaAspetto(const AspettoOrologio& aspetto) { m_aspetto = aspetto; }

    // The face's box for a dial of radius R: (2R + 28) x (2R + 48).
    static QSize dimensione(int raggio);
    // The centre of the dial in the face's own units.
    QPointF centro() const;
    // From the face's own units to the area: an even scale, centred.
    QTransform trasformazione(const QRectF& area) const;

    // The dial: black around it, the shaded disc, the rim, the hour marks, the minute dots.
    void disegnaQuadrante(QPainter& p, const QRectF& area) const;
    // The hands of the time with these fields, their labels and the hub.
    void disegnaLancette(QPainter& p, const QRectF& area, const CampiOra& campi) const;
    // The same for the time T, seconds since midnight.
    void disegnaLancette(QPainter& p, const QRectF& area, float T) const;
    // The whole face: the dial, then the hands.
    void disegna(QPainter& p, const QRectF& area, const CampiOra& campi) const;

    // The hands of a time laid out in the face's own units; the labels are measured on
    // `misura` (a window, an image; an image of 96 dpi when none is given).
    Forma forma(const CampiOra& campi, const QPaintDevice* misura = nullptr) const;
    // Paints a layout made by forma() into the area.
    void disegnaForma(QPainter& p, const QRectF& area, const Forma& forma) const;

    static constexpr QColor kColoreQuadrante{0, 255, 0};
    static constexpr QColor kColoreEtichette{255, 255, 255};
    static constexpr QColor kColoreOre{0, 0, 255};
    static constexpr QColor kColoreMinuti{255, 0, 0};
    static constexpr QColor kColoreSecondi{255, 255, 255};

private:
    void Lancetta(Forma& forma, double angolo, double distanza, int valore, QChar unita, int L, int W,
                  const QColor& colore, const QPaintDevice* misura) const;
    void DisegnaTratto(QPainter& p, const Tratto& t) const;

    AspettoOrologio m_aspetto;
    // The labels measured once each, for the resolution they were measured at: a
    // drawing that lays out the hands every second measures only new texts.
    struct Misura {
        double larghezza = 0;
        QRectF inchiostro;
    };
    mutable QHash<QString, Misura> m_misure;
    mutable int m_dpiMisure = 0;
};
