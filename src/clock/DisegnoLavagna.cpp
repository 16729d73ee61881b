// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoLavagna.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "ArrotondaPari.h"
#include "Lancette.h"
#include "NumeriRomani.h"
#include "TempoMostrato.h"

namespace {

const QColor kColoreSegni(0, 255, 0);
const QColor kColoreOre(0, 0, 255);
const QColor kColoreMinuti(255, 0, 0);
const QColor kColoreBianco(255, 255, 255);
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

// The value label of a hand in the main face's words, its centre and its font.
struct Etichetta {
    QString testo;
    QPointF centro;
};

std::array<Etichetta, 3> Etichette(const MisureQuadrante& m, float T)
{
    const CampiOra c = DerivaCampi(T);
    const double R = m.raggio;
    return {{{EtichettaLancetta(static_cast<int>(std::floor(c.ore)), QLatin1Char('h')),
              SulCerchio(m.centro, 0.55 * R, c.ore * 30.0)},
             {EtichettaLancetta(static_cast<int>(std::floor(c.minuti)), QLatin1Char('m')),
              SulCerchio(m.centro, 0.72 * R, c.minuti * 6.0)},
             {EtichettaLancetta(static_cast<int>(c.secondi), QLatin1Char('s')),
              SulCerchio(m.centro, 0.94 * R, c.secondi * 6.0)}}};
}

QRectF Box(const std::array<QPoint, 4>& angoli)
{
    return QPolygonF(QList<QPointF>(angoli.begin(), angoli.end())).boundingRect();
}

} // namespace

DisegnoLavagna::DisegnoLavagna(double lato)
    : m_lato(lato), m_misure(MisureDelQuadrante(lato)), m_raggio(static_cast<int>(m_misure.raggio))
{
}

FormaLancette DisegnoLavagna::Forma(float T) const
{
    return FormaDelleLancette(m_misure.centro, m_raggio, 1.0f, T);
}

void DisegnoLavagna::DisegnaQuadrante(QPainter& p, const Quadrante& q) const
{
    const MisureQuadrante& m = m_misure;
    const QPointF c = m.centro;
    const double R = m.raggio;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, m_lato, m_lato), Qt::black);

    // The rim: light towards its middle, dark at both edges, as the main face's rings.
    QRadialGradient bordo(c, m.bordo);
    const double dentro = R / m.bordo;
    bordo.setColorAt(0, QColor(118, 118, 118));
    bordo.setColorAt(dentro, QColor(118, 118, 118));
    bordo.setColorAt((dentro + 1) / 2, QColor(208, 208, 208));
    bordo.setColorAt(1, QColor(92, 92, 92));
    p.setPen(Qt::NoPen);
    p.setBrush(bordo);
    p.drawEllipse(c, m.bordo, m.bordo);

    // The dial: light grey at the centre darkening towards the rim.
    QRadialGradient fondo(c, R);
    fondo.setColorAt(0, QColor(235, 235, 235));
    fondo.setColorAt(1, QColor(55, 55, 55));
    p.setBrush(fondo);
    p.drawEllipse(c, R, R);

    // The minute dots and the hour marks.
    const double punto = std::max(1.0, R * 0.009);
    p.setBrush(kColoreSegni);
    p.setPen(Qt::NoPen);
    for (int minuto = 0; minuto < 60; ++minuto) {
        if (minuto % 5 != 0)
            p.drawEllipse(SulCerchio(c, m.numeriOre, minuto * 6.0), punto, punto);
    }
    p.setFont(Carattere(m.fontOre));
    for (int ora = 1; ora <= 12; ++ora) {
        const QPointF dove = SulCerchio(c, m.numeriOre, ora * 30.0);
        if (q.stile == StatoOrologio::StileNumeri::Punti) {
            // Blue dots at the quarters, white ones at the other hours, as on the main face.
            const bool quarto = ora % 3 == 0;
            const double r = R * (quarto ? 0.044 : 0.028);
            p.setPen(Qt::NoPen);
            p.setBrush(quarto ? QColor(0, 0, 255) : kColoreBianco);
            p.drawEllipse(dove, r, r);
        } else {
            p.setPen(kColoreSegni);
            TestoCentrato(p, dove,
                          q.stile == StatoOrologio::StileNumeri::Romani ? NumeroRomano(ora) : QString::number(ora));
        }
    }

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
    const MisureQuadrante& m = m_misure;
    const FormaLancette forma = Forma(l.T);
    const CampiOra c = DerivaCampi(l.T);
    const double R = m_raggio;
    const double tratto = std::max(1.0, R / 180.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(kColoreBianco, tratto));
    p.setBrush(kColoreOre);
    p.drawPolygon(forma.ore.data(), 4);
    p.setBrush(kColoreMinuti);
    p.drawPolygon(forma.minuti.data(), 4);
    const auto etichette = Etichette(m, l.T);
    p.setFont(Carattere(R * 0.062));
    if (l.etichette) {
        p.setPen(kColoreBianco);
        TestoCentrato(p, etichette[0].centro, etichette[0].testo);
        TestoCentrato(p, etichette[1].centro, etichette[1].testo);
    }
    if (l.secondi) {
        const auto secondi = AngoliLancetta(m.centro.x(), m.centro.y(), ArrotondaPari(R * 0.72), 0, c.secondi * 6.0,
                                            m_raggio);
        p.setPen(QPen(kColoreBianco, tratto * 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(secondi.data(), 4);
        if (l.etichette)
            TestoCentrato(p, etichette[2].centro, etichette[2].testo);
    }
    p.setPen(QPen(Qt::black, tratto));
    p.setBrush(kColoreBianco);
    const double perno = R * 0.028;
    p.drawEllipse(m.centro, perno, perno);
    p.restore();
}

QRect DisegnoLavagna::ConfiniLancette(const Lancette& l) const
{
    const MisureQuadrante& m = m_misure;
    const FormaLancette forma = Forma(l.T);
    const double R = m_raggio;
    QRectF zona = Box(forma.ore) | Box(forma.minuti);
    const double perno = R * 0.028 + 2;
    zona |= QRectF(m.centro - QPointF(perno, perno), QSizeF(2 * perno, 2 * perno));
    const CampiOra c = DerivaCampi(l.T);
    if (l.secondi)
        zona |= Box(AngoliLancetta(m.centro.x(), m.centro.y(), ArrotondaPari(R * 0.72), 0, c.secondi * 6.0, m_raggio));
    if (l.etichette) {
        // A label is at most " 59 m " wide in its font: a box of that size around its centre.
        const QFontMetricsF fm(Carattere(R * 0.062));
        const QSizeF misura(fm.horizontalAdvance(QStringLiteral(" 00 m ")) + 4, fm.height() + 4);
        for (const auto& e : Etichette(m, l.T))
            zona |= QRectF(e.centro - QPointF(misura.width() / 2, misura.height() / 2), misura);
    }
    // The outline and the smoothed edges reach a little beyond.
    const double margine = std::max(1.0, R / 180.0) * 2 + 2;
    return zona.adjusted(-margine, -margine, margine, margine).toAlignedRect();
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
