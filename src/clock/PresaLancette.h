// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child's hands on the clock face: pressing near a hand grabs it and dragging
// turns it (with the mouse or a finger; Qt turns touches into mouse events), and the
// arrow and page keys step the time while the face has the focus. Each whole step is a
// step of the adjustment buttons, passed on by `passo`; sound 105 goes with the steps at
// most every 50 ms. All this only while `attiva` says the hands may be moved (the
// adjustment buttons are usable); otherwise the face does what it did before.
//
// The grip watches the face's events and gives the face its focus ring; the pointer is
// an open hand over a hand that can be grabbed and a closed hand while dragging.

#include <QCursor>
#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

#include "LimiteFrequenza.h"
#include "TrascinaLancette.h"

class QKeyEvent;
class QMouseEvent;
class QuadranteOrologio;

class PresaLancette : public QObject {
    Q_OBJECT
public:
    // Attaches to the face, which owns it.
    PresaLancette(QuadranteOrologio* quadrante, std::function<bool()> attiva);

    // Whether the hands may be moved now.
    bool attiva() const { return m_attiva && m_attiva(); }
    // The hand being dragged, or none.
    Lancetta lancettaPresa() const { return m_presa.lancetta; }

public slots:
    // Tells screen readers that the face shows a time the child has just set.
    void Annuncia();

signals:
    // One step of the adjustment button `index` (see PassoOra.h).
    void passo(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Puntatore { Proprio, Aperta, Chiusa };

    bool Premi(const QMouseEvent* evento);
    bool Muovi(const QMouseEvent* evento);
    bool Rilascia(const QMouseEvent* evento);
    bool Tasto(const QKeyEvent* evento);
    void Esegui(const Passi& passi);
    void Lascia(QPointF dove);

    // The shown time as the face has drawn it, and its hands; false before the first drawing.
    bool TempoDisegnato(float& T) const;
    QPointF Centro() const;
    // The two hands as the face draws them at T.
    FormaLancette Forma(float T) const;
    Lancetta LancettaSotto(QPointF p) const;
    void ImpostaPuntatore(Puntatore puntatore);

    QuadranteOrologio* m_quadrante;
    std::function<bool()> m_attiva;
    Presa m_presa;
    LimiteFrequenza m_suono{0.05};
    Puntatore m_puntatore = Puntatore::Proprio;
    // The pointer the face had of its own, if any, shown away from the hands.
    std::optional<QCursor> m_puntatoreProprio;
};
