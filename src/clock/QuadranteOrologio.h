#pragma once
// The clock face `p1`: the dial with its hour marks in the chosen style, the three
// hands with their value labels and the hub. The dial is drawn once and kept as the
// face's background picture; each redraw of the shown time clears back to it and
// draws the hands. The face also owns the switches the exercises set (labels, second
// hand, larger hands) and tells screen readers what it shows.

#include <QColor>
#include <QString>

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
    const QString& frase() const { return m_frase; }

signals:
    // The dial has just been drawn anew (at load, or for another style).
    void quadranteRidisegnato();

private:
    void DisegnaFaccia();
    void AggiornaDescrizione();

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
    QString m_frase;
};
