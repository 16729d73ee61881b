// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoLavagna.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Lancette.h"
#include "TempoMostrato.h"

namespace {

// The minute numbers in a lighter red than the minute hand, to read on black.
const QColor kColoreNumeriMinuti(255, 110, 110);
// The hours 13 to 24 in the dark blue of the hour hand's family, on the light dial.
const QColor kColoreAnello(0, 0, 160);
const QColor kColoreArco(255, 220, 0);

QFont Carattere(double pixel, bool grassetto = true)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel))));
    f.setBold(grassetto);
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    return f;
}

QPointF SulCerchio(QPointF centro, double raggio, double gradi)
{
    const double a = (90.0 - gradi) * kGradiInRadianti;
    return {centro.x() + raggio * std::cos(a), centro.y() - raggio * std::sin(a)};
}

void TestoCentrato(QPainter& p, QPointF centro, const QString& testo)
{
    const QFontMetricsF fm(p.font());
    const QRectF r = fm.tightBoundingRect(testo);
    p.drawText(QPointF(centro.x() - r.center().x(), centro.y() - r.center().y()), testo);
}

// The main face's dial radius, in its own units.
constexpr int kRaggioPrincipale = 180;
} // namespace

DisegnoLavagna::DisegnoLavagna(double lato) : m_lato(lato), m_misure(MisureDelQuadrante(lato))
{
    const double s = m_misure.raggio / kRaggioPrincipale;
    const QSizeF scatola = QSizeF(DisegnoOrologio::dimensione(kRaggioPrincipale)) * s;
    m_area = QRectF(m_misure.centro - QPointF(scatola.width() / 2, scatola.height() / 2), scatola);
    AspettoOrologio aspetto;
    aspetto.raggio = kRaggioPrincipale;
    m_trasformazione = DisegnoOrologio(aspetto).trasformazione(m_area);
    m_inversa = m_trasformazione.inverted();
}

DisegnoOrologio DisegnoLavagna::Orologio(const Lancette& l) const
{
    AspettoOrologio aspetto;
    aspetto.raggio = kRaggioPrincipale;
    aspetto.mostraSecondi = l.secondi;
    aspetto.mostraEtichette = l.etichette;
    return DisegnoOrologio(aspetto);
}

QPointF DisegnoLavagna::CentroInUnita() const
{
    const QSize box = DisegnoOrologio::dimensione(kRaggioPrincipale);
    return {box.width() / 2.0, box.height() / 2.0};
}

FormaLancette DisegnoLavagna::Forma(float T) const
{
    return FormaDelleLancette(CentroInUnita(), kRaggioPrincipale, 1.0f, T);
}

void DisegnoLavagna::DisegnaQuadrante(QPainter& p, const Quadrante& q) const
{
    const MisureQuadrante& m = m_misure;
    const QPointF c = m.centro;
    p.save();
    p.fillRect(QRectF(0, 0, m_lato, m_lato), Qt::black);
    AspettoOrologio aspetto;
    aspetto.raggio = kRaggioPrincipale;
    aspetto.stile = q.stile;
    DisegnoOrologio(aspetto).disegnaQuadrante(p, m_area);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (q.anello24) {
        p.setFont(Carattere(m.fontAnello));
        p.setPen(kColoreAnello);
        for (int ora = 13; ora <= 24; ++ora)
            TestoCentrato(p, SulCerchio(c, m.anello24, ora * 30.0), QString::number(ora));
    }
    if (q.numeriMinuti) {
        p.setFont(Carattere(m.fontMinuti));
        p.setPen(kColoreNumeriMinuti);
        for (int minuto = 5; minuto <= 55; minuto += 5)
            TestoCentrato(p, SulCerchio(c, m.numeriMinuti, minuto * 6.0), QString::number(minuto));
    }
    p.restore();
}

void DisegnoLavagna::DisegnaArco(QPainter& p, const TempoPassato::Arco& arco) const
{
    if (arco.giri == 0 && arco.gradi <= 0)
        return;
    const MisureQuadrante& m = m_misure;
    const QRectF cerchio(m.centro.x() - m.raggio, m.centro.y() - m.raggio, 2 * m.raggio, 2 * m.raggio);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Each whole hour tints the whole dial a little more (at most three turns show).
    if (arco.giri > 0) {
        QColor tinta = kColoreArco;
        tinta.setAlpha(std::min(arco.giri, 3) * 45);
        p.setBrush(tinta);
        p.drawEllipse(cerchio);
    }
    if (arco.gradi > 0) {
        QColor tinta = kColoreArco;
        tinta.setAlpha(120);
        p.setBrush(tinta);
        // Qt counts sixteenths of a degree anticlockwise from three o'clock.
        const int inizio = static_cast<int>(std::lround((90.0 - arco.inizio) * 16));
        const int ampiezza = -static_cast<int>(std::lround(arco.gradi * 16));
        p.drawPie(cerchio, inizio, ampiezza);
        // The start, a line from the hub to the rim the minute hand left.
        p.setPen(QPen(QColor(200, 120, 0), std::max(2.0, m.raggio * 0.008)));
        p.drawLine(m.centro, SulCerchio(m.centro, m.raggio, arco.inizio));
    }
    p.restore();
}

void DisegnoLavagna::DisegnaLancette(QPainter& p, const Lancette& l) const
{
    Orologio(l).disegnaLancette(p, m_area, l.T);
}

QRect DisegnoLavagna::ConfiniLancette(const Lancette& l, const QPaintDevice* misura) const
{
    QRectF zona;
    for (const DisegnoOrologio::Tratto& t : Orologio(l).forma(DerivaCampi(l.T), misura))
        zona |= t.confini;
    // The face's units grow with the dial: a unit's outline and smoothed edge, and a
    // pixel more for the rounding to whole pixels.
    return m_trasformazione.mapRect(zona).adjusted(-2, -2, 2, 2).toAlignedRect();
}

QRect DisegnoLavagna::ConfiniArco(const TempoPassato::Arco& prima, const TempoPassato::Arco& dopo) const
{
    const MisureQuadrante& m = m_misure;
    const QRect tutto = QRectF(m.centro.x() - m.raggio, m.centro.y() - m.raggio, 2 * m.raggio, 2 * m.raggio)
                            .adjusted(-4, -4, 4, 4)
                            .toAlignedRect();
    if (prima == dopo)
        return {};
    // A new start or a new whole turn changes the whole dial; otherwise only the wedge
    // between the two ends of the arc, with the start line.
    if (prima.inizio != dopo.inizio || prima.giri != dopo.giri)
        return tutto;
    const double da = prima.inizio + std::min(prima.gradi, dopo.gradi);
    const double a = prima.inizio + std::max(prima.gradi, dopo.gradi);
    QPainterPath spicchio(m.centro);
    spicchio.lineTo(SulCerchio(m.centro, m.raggio, da));
    for (double g = da; g < a; g += 5)
        spicchio.lineTo(SulCerchio(m.centro, m.raggio, g));
    spicchio.lineTo(SulCerchio(m.centro, m.raggio, a));
    spicchio.closeSubpath();
    // The start line is drawn only while the arc has a part of a turn.
    const bool linea = (prima.gradi > 0) != (dopo.gradi > 0);
    if (linea)
        spicchio.lineTo(SulCerchio(m.centro, m.raggio, prima.inizio));
    return spicchio.boundingRect().adjusted(-4, -4, 4, 4).toAlignedRect() & tutto;
}
