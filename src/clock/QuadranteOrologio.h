// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock face `p1`: the dial with its hour marks in the chosen style, the three
// hands with their value labels and the hub. The dial is drawn once and kept as the
// face's background picture. A redraw of the shown time puts the dial back only where
// something moved: the hour and minute hands with their labels are redone there in
// the face's image, and the second hand, its label and the hub, which move every
// second, are painted over the image at each paint. The face also owns the switches
// the exercises set (labels, second hand, larger hands) and tells screen readers what
// it shows.

#include <QColor>
#include <QHash>
#include <QString>
#include <array>
#include <vector>

#include "PictureBox.h"
#include "TempoMostrato.h"

class QuadranteOrologio : public PictureBox {
    Q_OBJECT
public:
    // The looks of the hour marks, by the index of their option button.
    enum class Stile { Punti = 0, Arabi = 1, Romani = 2 };

    // What the face shows now. A redraw that would show the same leaves the face alone.
    struct Faccia {
        long secondo = -1; // the whole second of the shown time
        bool etichette = false;
        bool secondi = false;
        float fattore = 0;
        int quadrante = -1; // which drawing of the dial it stands on
        bool operator==(const Faccia&) const = default;
    };

    explicit QuadranteOrologio(QWidget* parent = nullptr);

    // The dial radius in pixels (180, or 234 on larger screens); the face's size follows it
    // when the dial is drawn.
    void ImpostaRaggio(short raggio) { Raggio = raggio; }
    short raggio() const { return Raggio; }
    float centroX() const { return CentroX; }
    float centroY() const { return CentroY; }

    void ImpostaStile(Stile stile) { m_stile = stile; }
    Stile stile() const { return m_stile; }

    // The exercise switches: value labels at the hands, the second hand, the size of the
    // hour and minute hands (1.2 during the exercises).
    void ImpostaEtichette(bool mostra) { MostraEtichette = mostra; }
    void ImpostaSecondi(bool mostra) { MostraSecondi = mostra; }
    void ImpostaFattoreLancette(float fattore) { FattoreLancette = fattore; }
    bool mostraEtichette() const { return MostraEtichette; }
    bool mostraSecondi() const { return MostraSecondi; }
    float fattoreLancette() const { return FattoreLancette; }

    QColor coloreOre() const { return ColoreOre; }
    QColor coloreMinuti() const { return ColoreMinuti; }

    // Draws the dial in the current style and keeps it as the face's background picture.
    void DisegnaQuadrante();
    void DisegnaQuarti(float& x, float& y, int angolo);
    // Draws one hand ("sOre", "sMinuti", "sSecondi") and, with the labels on, its value.
    void DisegnaLancetta(int lunghezza, int semiLarghezza, const QString& chiave);

    // Shows the time T with its derived fields: clears the face to the dial and draws the
    // hands and the hub, unless the face shows exactly that already.
    void MostraOra(float T, const CampiOra& campi);
    const Faccia& facciaDisegnata() const { return m_faccia; }
    // How many times the dial has been drawn since the face was made: its drawings are
    // dear, and a tick must never cause one.
    int quadrantiDisegnati() const { return m_disegniQuadrante; }
    // What a screen reader says for the face: the shown time, or during the exercises
    // where the hands point.
    QString frase() const;

signals:
    // The dial has just been drawn anew (at load, or for another style).
    void quadranteRidisegnato();

protected:
    void paintOver(QPainter& painter) const override;

private:
    // One thing drawn over the dial: a hand, a value label or the hub, with the
    // rectangle of the pixels it may colour (smoothed edges included).
    struct Tratto {
        enum class Tipo { Lancetta, Etichetta, Perno };
        Tipo tipo = Tipo::Perno;
        std::array<QPoint, 4> angoli{}; // a hand's corners
        QColor colore;                  // a hand's fill, a label's colour
        QString testo;                  // a label
        QPointF punto;                  // a label's baseline start, the hub's centre
        QRect confini;
        bool operator==(const Tratto& o) const;
    };
    using Tratti = std::vector<Tratto>;

    void DisegnaFaccia();
    void DisegnaTratto(QPainter& p, const Tratto& t) const;
    bool Tocca(const Tratto& t, const QRect& area) const;
    // A label's width in the face's units and the box of its ink from its baseline start.
    struct Misura {
        double larghezza = 0;
        QRectF inchiostro;
    };
    const Misura& MisuraTesto(const QString& testo);
    QRect ConfiniEtichetta(const QString& testo, const QPointF& punto) const;
    // The pixels where the drawings `prima` and `dopo` differ may lie only in the result.
    static QRegion Differenza(const Tratti& prima, const Tratti& dopo);

    short Raggio = 180;
    float CentroX = 194;
    float CentroY = 204;
    bool MostraEtichette = true;
    bool MostraSecondi = true;
    float FattoreLancette = 1.0f;
    Stile m_stile = Stile::Arabi;
    CampiOra m_campi;

    const QColor ColoreQuadrante{0, 255, 0};
    const QColor ColoreEtichette{255, 255, 255};
    const QColor ColoreOre{0, 0, 255};
    const QColor ColoreMinuti{255, 0, 0};
    const QColor ColoreSecondi{255, 255, 255};

    int m_disegniQuadrante = 0;
    Faccia m_faccia;

    // What lies under the second hand and is kept in the face's image (the hour and minute
    // hands and their labels), and what is painted over it (the second hand, its label,
    // the hub); the new drawing is gathered in the second pair while a redraw runs.
    Tratti m_sotto, m_sopra, m_nuoviSotto, m_nuoviSopra;
    // The labels' texts measured in the face's font, once each.
    QHash<QString, Misura> m_misure;
};
