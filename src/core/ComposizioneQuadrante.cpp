// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposizioneQuadrante.h"

#include <QtMath>
#include <cmath>

namespace Foglio {

namespace {

// Small dials keep their numbers readable and their marks visible on paper.
constexpr double kPuntiMinimi = 6.5;
constexpr double kRaggioMinimo = 0.35;

Elemento Cerchio(QPointF c, double r, bool essenziale = true)
{
    Elemento e;
    e.tipo = Elemento::Tipo::Cerchio;
    e.p = c;
    e.raggio = r;
    e.essenziale = essenziale;
    return e;
}

// A text centred on point c, as the cut-out sheet has always printed its numbers.
Elemento TestoCentrato(const QString& testo, QPointF c, const Carattere& font, const MisuraTesto& misura,
                       bool essenziale)
{
    const QSizeF dim = misura(testo, font);
    Elemento e;
    e.tipo = Elemento::Tipo::Testo;
    e.p = QPointF(static_cast<float>(c.x()) - static_cast<float>(dim.width()) / 2,
                  static_cast<float>(c.y()) - static_cast<float>(dim.height()) / 2);
    e.testo = testo;
    e.carattere = font;
    e.dimensione = dim;
    e.essenziale = essenziale;
    return e;
}

} // namespace

void ComponiQuadrante(QVector<Elemento>& elementi, const Quadrante& q, const MisuraTesto& misura)
{
    const auto cx = static_cast<float>(q.centro.x());
    const auto cy = static_cast<float>(q.centro.y());
    const float s = q.scala;
    const bool grande = s >= 1;
    const auto raggio = [grande](double r) { return grande ? r : qMax(r, kRaggioMinimo); };

    elementi.append(Cerchio(q.centro, raggio(RaggioCentro * s)));
    elementi.append(Cerchio(q.centro, RaggioEsterno * s));
    elementi.append(Cerchio(q.centro, RaggioInterno * s));

    Carattere font;
    font.grassetto = true;
    for (int i = 0; i < 360; ++i) {
        if (i % 30 == 0) {
            const QPointF p = PuntoSulCerchio(cx, cy, i, RaggioOre * s);
            if (q.numeri == StileQuadrante::Punti) {
                elementi.append(Cerchio(p, raggio(2.5 * RaggioPunto * s)));
            } else {
                font.punti = grande ? 20 : qMax(20.0 * s, kPuntiMinimi);
                elementi.append(TestoCentrato(TestoOra(i, q.numeri == StileQuadrante::Romani), p, font, misura, false));
            }
        } else if (i % 6 == 0) {
            elementi.append(Cerchio(PuntoSulCerchio(cx, cy, i, RaggioOre * s), raggio(RaggioPunto * s)));
        }
        if (q.minuti && i % 6 == 0) {
            font.punti = grande ? 8 : qMax(8.0 * s, kPuntiMinimi);
            elementi.append(TestoCentrato(QString::number(i / 6), PuntoSulCerchio(cx, cy, i, RaggioMinuti * s), font,
                                          misura, true));
        }
    }
}

double AngoloOre(int minutiDelGiorno)
{
    return (minutiDelGiorno % 720) * 0.5;
}

double AngoloMinuti(int minutiDelGiorno)
{
    return (minutiDelGiorno % 60) * 6.0;
}

void ComponiLancette(QVector<Elemento>& elementi, const Quadrante& q, int minutiDelGiorno)
{
    const double r = RaggioInterno * static_cast<double>(q.scala);
    const auto lancetta = [&](double angolo, double lunghezza, double spessore) {
        const double a = qDegreesToRadians(angolo);
        Elemento e;
        e.tipo = Elemento::Tipo::Linea;
        e.p = q.centro;
        e.fine = q.centro + QPointF(std::sin(a) * lunghezza, -std::cos(a) * lunghezza);
        e.spessore = spessore;
        elementi.append(e);
    };
    lancetta(AngoloOre(minutiDelGiorno), 0.5 * r, qMax(0.8, 0.07 * r));
    lancetta(AngoloMinuti(minutiDelGiorno), 0.8 * r, qMax(0.5, 0.04 * r));
}

} // namespace Foglio
