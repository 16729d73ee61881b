// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock face `p1`: the dial with its hour marks in the chosen style, the three
// hands with their value labels and the hub, drawn by DisegnoOrologio. The dial is
// drawn once for a style and size and kept as a picture at the resolution of the
// device it is shown on; each paint puts the dial back and draws the hands over it,
// from the face's state, in whatever part of the face the window asks for. A new shown
// time asks only for the parts where something moved, so a tick repaints little, and
// since every paint draws the whole face in its part, the window can never keep pixels
// of an older face. The hour hand, first under the rest and the slowest, is kept on a
// copy of the dial until it moves, so a paint need not fill it again. The face also owns the switches the exercises set (labels, second
// hand, larger hands) and tells screen readers what it shows.

#include <QColor>
#include <QImage>
#include <QString>

#include "DisegnoOrologio.h"
#include "PictureBox.h"
#include "TempoMostrato.h"

class QuadranteOrologio : public PictureBox {
    Q_OBJECT
public:
    // The looks of the hour marks, by the index of their option button.
    using Stile = StatoOrologio::StileNumeri;

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
    // hour and minute hands (1.2 during the exercises). They show from the next MostraOra.
    void ImpostaEtichette(bool mostra) { MostraEtichette = mostra; }
    void ImpostaSecondi(bool mostra) { MostraSecondi = mostra; }
    void ImpostaFattoreLancette(float fattore) { FattoreLancette = fattore; }
    bool mostraEtichette() const { return MostraEtichette; }
    bool mostraSecondi() const { return MostraSecondi; }
    float fattoreLancette() const { return FattoreLancette; }

    QColor coloreOre() const { return DisegnoOrologio::kColoreOre; }
    QColor coloreMinuti() const { return DisegnoOrologio::kColoreMinuti; }

    // Draws the dial in the current style and size and keeps it as the face's picture;
    // the face shows the bare dial until the next MostraOra.
    void DisegnaQuadrante();

    // Shows the time T with its derived fields: the hands, their labels and the hub move
    // there, and only where something moved is painted again. A time in the same whole
    // second, with the same switches, leaves the face alone.
    void MostraOra(float T, const CampiOra& campi);
    const Faccia& facciaDisegnata() const { return m_faccia; }
    // How the face looks and the hands it shows now, as DisegnoOrologio draws them.
    const AspettoOrologio& aspettoDisegnato() const { return m_aspetto; }
    const DisegnoOrologio::Forma& formaDisegnata() const { return m_forma; }
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
    void paintEvent(QPaintEvent* event) override;
    void paintOver(QPainter& painter) const override;

private:
    // The dial at the resolution of a device `dpr` pixels to the face's pixel.
    const QImage& Fondo(qreal dpr);
    // The dial with the hour hand on it, at that resolution.
    const QImage& FondoConOre(qreal dpr);
    QImage DisegnaFondo(qreal dpr) const;

    short Raggio = 180;
    float CentroX = 194;
    float CentroY = 204;
    bool MostraEtichette = true;
    bool MostraSecondi = true;
    float FattoreLancette = 1.0f;
    Stile m_stile = Stile::Arabi;
    CampiOra m_campi;

    int m_disegniQuadrante = 0;
    Faccia m_faccia;

    // The look of the dial drawn and of the hands shown, and the hands themselves
    // (none before the first time is shown on a new dial).
    AspettoOrologio m_aspetto;
    DisegnoOrologio m_disegno;
    DisegnoOrologio::Forma m_forma;
    // The dial at the window's resolution, also the picture image() shows; and at one
    // other resolution, for a paint onto another device (a grab, a second screen).
    QImage m_fondo, m_fondoAltro;
    // The dial with the hour hand, which lies under everything else and moves least: the
    // hand it holds, and the image (null until a paint asks for it).
    DisegnoOrologio::Tratto m_manoOre;
    QImage m_fondoConOre;
};
