// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuadranteLavagna.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "AccessibileLavagna.h"
#include "AnelloFuoco.h"
#include "FrasiOra.h"
#include "OraInParole.h"
#include "Platform.h"
#include "Suoni.h"
#include "modTempolino.h"

QuadranteLavagna::QuadranteLavagna(StatoLavagna* stato, QWidget* parent) : QWidget(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("quadranteLavagna"));
    setAccessibleName(QStringLiteral("Orologio"));
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted here: Qt need not clear the face first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The pointer changes over a hand even before a button is pressed.
    setMouseTracking(true);
    new AnelloFuoco(this, 3);
    AccessibileLavagna::Registra(this);

    StatoOrologio* orologio = stato->orologio();
    connect(orologio, &StatoOrologio::tempoCambiato, this, &QuadranteLavagna::TempoCambiato);
    connect(orologio, &StatoOrologio::stileCambiato, this, &QuadranteLavagna::RifaiQuadrante);
    connect(stato, &StatoLavagna::opzioneCambiata, this, &QuadranteLavagna::OpzioneCambiata);
    connect(stato, &StatoLavagna::passatoCambiato, this, &QuadranteLavagna::PassatoCambiato);
}

DisegnoLavagna::Quadrante QuadranteLavagna::Aspetto() const
{
    return {m_stato->orologio()->stile(), m_stato->valore(StatoLavagna::Opzione::NumeriMinuti),
            m_stato->valore(StatoLavagna::Opzione::Anello24)};
}

DisegnoLavagna::Lancette QuadranteLavagna::Mani() const
{
    return {m_stato->orologio()->TempoCorrente(), m_stato->valore(StatoLavagna::Opzione::Secondi),
            m_stato->valore(StatoLavagna::Opzione::Etichette)};
}

void QuadranteLavagna::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_disegno = DisegnoLavagna(width());
    m_quadranteValido = false;
}

void QuadranteLavagna::RifaiQuadrante()
{
    m_quadranteValido = false;
    update();
}

void QuadranteLavagna::TempoCambiato()
{
    // The hands move: the place they left and the place they reach.
    const QRect nuova = m_disegno.ConfiniLancette(Mani(), this);
    if (nuova == m_zonaLancette && m_quadranteValido)
        update(nuova);
    else
        update(QRegion(m_zonaLancette) + nuova);
    m_zonaLancette = nuova;
}

void QuadranteLavagna::OpzioneCambiata(StatoLavagna::Opzione opzione)
{
    switch (opzione) {
    case StatoLavagna::Opzione::NumeriMinuti:
    case StatoLavagna::Opzione::Anello24:
        RifaiQuadrante();
        break;
    case StatoLavagna::Opzione::Secondi:
    case StatoLavagna::Opzione::Etichette:
        TempoCambiato();
        break;
    default:
        break;
    }
}

void QuadranteLavagna::PassatoCambiato()
{
    const TempoPassato::Arco arco = m_stato->passato().arco();
    const QRect zona = m_disegno.ConfiniArco(m_arco, arco);
    m_arco = arco;
    if (!zona.isEmpty())
        update(zona);
}

void QuadranteLavagna::paintEvent(QPaintEvent* event)
{
    const qreal dpr = devicePixelRatioF();
    const DisegnoLavagna::Quadrante aspetto = Aspetto();
    if (!m_quadranteValido || m_quadrante.devicePixelRatio() != dpr || !(aspetto == m_aspetto)) {
        // The dial at the screen's own pixels, so it stays sharp at any device pixel ratio.
        m_quadrante = QImage((QSizeF(size()) * dpr).toSize(), QImage::Format_RGB32);
        m_quadrante.setDevicePixelRatio(dpr);
        QPainter q(&m_quadrante);
        m_disegno.DisegnaQuadrante(q, aspetto);
        q.end();
        m_aspetto = aspetto;
        m_quadranteValido = true;
        ++m_disegniQuadrante;
    }
    QPainter p(this);
    // Only the dial under the region asked for is copied.
    for (const QRect& r : event->region())
        p.drawImage(r, m_quadrante, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
    m_arco = m_stato->passato().arco();
    m_disegno.DisegnaArco(p, m_arco);
    const DisegnoLavagna::Lancette mani = Mani();
    m_disegno.DisegnaLancette(p, mani);
    m_zonaLancette = m_disegno.ConfiniLancette(mani, this);
}

void QuadranteLavagna::Libera()
{
    m_stato->Imposta(StatoLavagna::Opzione::Computer, false);
}

void QuadranteLavagna::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    // The hands are grabbed in the main face's units, where they are laid out.
    const QPointF punto = m_disegno.InUnita(event->position());
    float T = m_stato->orologio()->TempoCorrente();
    Presa presa = Afferra(m_disegno.Forma(T), punto, T);
    if (presa.lancetta == Lancetta::Nessuna) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (m_stato->valore(StatoLavagna::Opzione::Computer)) {
        // The clock stands on its minute; the hand is taken where it then stands.
        Libera();
        T = m_stato->orologio()->TempoCorrente();
        presa = Afferra(m_disegno.Forma(T), punto, T);
    }
    m_presa = presa;
    setCursor(Qt::ClosedHandCursor);
}

void QuadranteLavagna::mouseMoveEvent(QMouseEvent* event)
{
    const float T = m_stato->orologio()->TempoCorrente();
    if (m_presa.lancetta == Lancetta::Nessuna) {
        // Hovering: the open hand tells which hand a press would take.
        if (event->buttons() == Qt::NoButton) {
            if (LancettaVicina(m_disegno.Forma(T), m_disegno.InUnita(event->position())) != Lancetta::Nessuna)
                setCursor(Qt::OpenHandCursor);
            else
                unsetCursor();
        }
        return;
    }
    // The release went elsewhere (a window opened over the face meanwhile).
    if (!(event->buttons() & Qt::LeftButton)) {
        m_presa = {};
        unsetCursor();
        return;
    }
    Esegui(Trascina(m_presa, m_disegno.CentroInUnita(), m_disegno.InUnita(event->position()), T));
}

void QuadranteLavagna::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_presa.lancetta == Lancetta::Nessuna || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    // The time stays where the hand was let go.
    m_presa = {};
    setCursor(Qt::OpenHandCursor);
}

void QuadranteLavagna::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_P && event->modifiers() == Qt::NoModifier) {
        DiciOra();
        return;
    }
    const Passi passi = PassiTasto(event->key(), event->modifiers());
    if (passi.quanti == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    Libera();
    Esegui(passi);
}

void QuadranteLavagna::Esegui(const Passi& passi)
{
    if (passi.quanti <= 0)
        return;
    for (int i = 0; i < passi.quanti; ++i)
        emit passo(passi.indice);
    if (modTempolino::SuoniAttivi() && m_suono.consenti(platform().clock->elapsedSeconds()))
        modTempolino::SuonaEffetto(Suono::Passo);
    Annuncia();
}

void QuadranteLavagna::Annuncia()
{
    QAccessibleEvent evento(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&evento);
}

QString QuadranteLavagna::frase() const
{
    const CampiOra& c = m_stato->orologio()->campi();
    return FraseOra(static_cast<int>(std::floor(c.ore)), static_cast<int>(std::floor(c.minuti)));
}

void QuadranteLavagna::DiciOra()
{
    const CampiOra& c = m_stato->orologio()->campi();
    modTempolino::DiciAVoce(OraInParole(static_cast<int>(std::floor(c.ore)), static_cast<int>(std::floor(c.minuti))));
}
