// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class clock's big face: it shows the clock's state (the shown time, the numeral
// style) and the class clock's switches (seconds hand, minute numbers, the 13 to 24
// ring, labels) and the arc of the time passed, drawn by DisegnoLavagna at the screen's
// own resolution. The dial is kept as a picture; a new time paints again only where
// the hands were and are.
//
// The teacher's hands on it, as on the main face: pressing near a hand grabs it and
// dragging turns it (mouse or finger), the arrow and page keys step the time while the
// face has the focus, the key P says the time. Each whole step is an adjustment step
// passed on by `passo`. A clock that follows the computer's time stands still when a
// hand is grabbed or a key pressed, so the teacher never has to switch first.

#include <QImage>
#include <QWidget>

#include "DisegnoLavagna.h"
#include "LimiteFrequenza.h"
#include "StatoLavagna.h"
#include "TrascinaLancette.h"

class QuadranteLavagna : public QWidget {
    Q_OBJECT
public:
    QuadranteLavagna(StatoLavagna* stato, QWidget* parent = nullptr);

    // The painter for the face's present size.
    const DisegnoLavagna& disegno() const { return m_disegno; }
    // What a screen reader says: the shown time in figures, as on the main face.
    QString frase() const;
    // Tells screen readers that the face shows a time the teacher has just set.
    void Annuncia();
    // Says the shown time in a teacher's words.
    void DiciOra();
    // The hand being dragged, or none.
    Lancetta lancettaPresa() const { return m_presa.lancetta; }
    // How many times the dial has been drawn: a new time never draws it.
    int quadrantiDisegnati() const { return m_disegniQuadrante; }

signals:
    // One step of adjustment button `indice` (see PassoOra.h).
    void passo(int indice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DisegnoLavagna::Quadrante Aspetto() const;
    DisegnoLavagna::Lancette Mani() const;
    void TempoCambiato();
    void OpzioneCambiata(StatoLavagna::Opzione opzione);
    void PassatoCambiato();
    void RifaiQuadrante();
    // The clock stands still to be moved by hand.
    void Libera();
    void Esegui(const Passi& passi);

    StatoLavagna* m_stato;
    DisegnoLavagna m_disegno{0};
    // The dial at the screen's resolution, and what it shows.
    QImage m_quadrante;
    DisegnoLavagna::Quadrante m_aspetto;
    bool m_quadranteValido = false;
    int m_disegniQuadrante = 0;
    // What was painted last, to paint again only what changes.
    QRect m_zonaLancette;
    TempoPassato::Arco m_arco;
    Presa m_presa;
    LimiteFrequenza m_suono{0.05};
};
