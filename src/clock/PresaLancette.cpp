// SPDX-License-Identifier: GPL-3.0-or-later
#include "PresaLancette.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "AccessibileQuadrante.h"
#include "AnelloFuoco.h"
#include "Platform.h"
#include "QuadranteOrologio.h"
#include "Suoni.h"
#include "modTempolino.h"

PresaLancette::PresaLancette(QuadranteOrologio* quadrante, std::function<bool()> attiva)
    : QObject(quadrante), m_quadrante(quadrante), m_attiva(std::move(attiva))
{
    setObjectName(QStringLiteral("presaLancette"));
    if (quadrante->testAttribute(Qt::WA_SetCursor))
        m_puntatoreProprio = quadrante->cursor();
    // The pointer changes over a hand even before a button is pressed.
    quadrante->setMouseTracking(true);
    quadrante->installEventFilter(this);
    // The focused face shows it: the keys step the hands there.
    new AnelloFuoco(quadrante, 2, AnelloFuoco::Quando::DaTastiera);
    AccessibileQuadrante::Registra(quadrante);
}

void PresaLancette::Annuncia()
{
    AccessibileQuadrante::Annuncia(m_quadrante);
}

bool PresaLancette::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_quadrante)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return Premi(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return Muovi(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return Rilascia(static_cast<QMouseEvent*>(event));
    case QEvent::KeyPress:
        return Tasto(static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

bool PresaLancette::TempoDisegnato(float& T) const
{
    const long secondo = m_quadrante->facciaDisegnata().secondo;
    if (secondo < 0)
        return false;
    T = static_cast<float>(secondo);
    return true;
}

QPointF PresaLancette::Centro() const
{
    // The face draws in upward coordinates; its pixels share the centre point.
    return {m_quadrante->centroX(), m_quadrante->height() - m_quadrante->centroY()};
}

Lancetta PresaLancette::LancettaSotto(QPointF p) const
{
    float T = 0;
    if (!attiva() || !TempoDisegnato(T))
        return Lancetta::Nessuna;
    return LancettaVicina(Forma(T), p);
}

FormaLancette PresaLancette::Forma(float T) const
{
    return FormaDelleLancette(Centro(), m_quadrante->raggio(), m_quadrante->fattoreLancette(), T);
}

bool PresaLancette::Premi(const QMouseEvent* evento)
{
    float T = 0;
    if (evento->button() != Qt::LeftButton || !attiva() || !TempoDisegnato(T))
        return false;
    const Presa presa = Afferra(Forma(T), evento->position(), T);
    // A press away from the hands does nothing.
    if (presa.lancetta == Lancetta::Nessuna)
        return false;
    m_presa = presa;
    ImpostaPuntatore(Puntatore::Chiusa);
    return true;
}

bool PresaLancette::Muovi(const QMouseEvent* evento)
{
    if (m_presa.lancetta == Lancetta::Nessuna) {
        // Hovering: the open hand tells which hand a press would take.
        if (evento->buttons() != Qt::NoButton)
            return false;
        ImpostaPuntatore(LancettaSotto(evento->position()) != Lancetta::Nessuna ? Puntatore::Aperta
                                                                                : Puntatore::Proprio);
        return false;
    }
    // The hands were put away during the drag (the mode changed, another exercise), or
    // the release went elsewhere (a window opened over the face meanwhile).
    if (!attiva() || !(evento->buttons() & Qt::LeftButton)) {
        Lascia(evento->position());
        return true;
    }
    float T = 0;
    if (TempoDisegnato(T))
        Esegui(Trascina(m_presa, Centro(), evento->position(), T));
    return true;
}

bool PresaLancette::Rilascia(const QMouseEvent* evento)
{
    if (m_presa.lancetta == Lancetta::Nessuna || evento->button() != Qt::LeftButton)
        return false;
    // The time stays where the hand was let go.
    Lascia(evento->position());
    return true;
}

void PresaLancette::Lascia(QPointF dove)
{
    m_presa = {};
    ImpostaPuntatore(LancettaSotto(dove) != Lancetta::Nessuna ? Puntatore::Aperta : Puntatore::Proprio);
}

bool PresaLancette::Tasto(const QKeyEvent* evento)
{
    if (!attiva())
        return false;
    const Passi passi = PassiTasto(evento->key(), evento->modifiers());
    if (passi.quanti == 0)
        return false;
    Esegui(passi);
    return true;
}

void PresaLancette::Esegui(const Passi& passi)
{
    if (passi.quanti <= 0)
        return;
    // Every step goes through the window's adjustment, which shows the time everywhere.
    for (int i = 0; i < passi.quanti; ++i)
        emit passo(passi.indice);
    if (modTempolino::SuoniAttivi() && m_suono.consenti(platform().clock->elapsedSeconds()))
        modTempolino::SuonaEffetto(Suono::Passo);
    Annuncia();
}

void PresaLancette::ImpostaPuntatore(Puntatore puntatore)
{
    if (puntatore == m_puntatore)
        return;
    m_puntatore = puntatore;
    switch (puntatore) {
    case Puntatore::Aperta:
        m_quadrante->setCursor(Qt::OpenHandCursor);
        break;
    case Puntatore::Chiusa:
        m_quadrante->setCursor(Qt::ClosedHandCursor);
        break;
    case Puntatore::Proprio:
        if (m_puntatoreProprio)
            m_quadrante->setCursor(*m_puntatoreProprio);
        else
            m_quadrante->unsetCursor();
        break;
    }
}
