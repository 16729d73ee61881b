// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrascinaLancette.h"

#include <algorithm>
#include <cmath>

#include "ArrotondaPari.h"
#include "Lancette.h"
#include "PassoOra.h"
#include "TempoMostrato.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The remainder of a on n, always 0 to n - 1.
int Modulo(int a, int n)
{
    return ((a % n) + n) % n;
}

double Croce(QPointF a, QPointF b, QPointF p)
{
    return (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
}

double DistanzaDaSegmento(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double lunghezza2 = QPointF::dotProduct(ab, ab);
    double t = lunghezza2 > 0 ? QPointF::dotProduct(p - a, ab) / lunghezza2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

double Distanza(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Steps of the forward or the backward button, by the sign of a count.
Passi Verso(int conteggio, int avanti, int indietro)
{
    if (conteggio == 0)
        return {};
    return {conteggio > 0 ? avanti : indietro, std::abs(conteggio)};
}

} // namespace

FormaLancette FormaDelleLancette(QPointF centro, int R, float F, float T)
{
    const CampiOra c = DerivaCampi(T);
    FormaLancette forma;
    forma.centro = centro;
    forma.ore = AngoliLancetta(centro.x(), centro.y(), ArrotondaPari(R * 0.44 * F), ArrotondaPari(R * 0.06 * F),
                               c.ore * 30.0, R);
    forma.minuti = AngoliLancetta(centro.x(), centro.y(), ArrotondaPari(R * 0.64 * F), ArrotondaPari(R * 0.04 * F),
                                  c.minuti * 6.0, R);
    return forma;
}

double DistanzaDaLancetta(QPointF p, const std::array<QPoint, 4>& angoli)
{
    // The kite is convex: a point on the same side of all four edges lies inside.
    bool positivo = false, negativo = false;
    double minima = -1;
    for (size_t i = 0; i < angoli.size(); ++i) {
        const QPointF a = angoli[i], b = angoli[(i + 1) % angoli.size()];
        const double croce = Croce(a, b, p);
        positivo = positivo || croce > 0;
        negativo = negativo || croce < 0;
        const double d = DistanzaDaSegmento(p, a, b);
        minima = minima < 0 ? d : std::min(minima, d);
    }
    return (positivo && negativo) ? minima : 0.0;
}

Lancetta LancettaVicina(const FormaLancette& forma, QPointF p)
{
    const double ore = DistanzaDaLancetta(p, forma.ore);
    const double minuti = DistanzaDaLancetta(p, forma.minuti);
    if (std::min(ore, minuti) > kTolleranzaPresa)
        return Lancetta::Nessuna;
    if (std::abs(ore - minuti) < 0.5) {
        // Over both hands at once (near the hub, or where they overlap): the tip nearer.
        return Distanza(p, forma.ore[3]) <= Distanza(p, forma.minuti[3]) ? Lancetta::Ore : Lancetta::Minuti;
    }
    return ore < minuti ? Lancetta::Ore : Lancetta::Minuti;
}

double AngoloPunto(QPointF centro, QPointF p)
{
    // Clockwise from 12 with y running downward.
    const double gradi = std::atan2(p.x() - centro.x(), centro.y() - p.y()) * 180.0 / kPi;
    return gradi < 0 ? gradi + 360.0 : gradi;
}

double AngoloLancetta(Lancetta lancetta, float T)
{
    const CampiOra c = DerivaCampi(T);
    const double gradi = lancetta == Lancetta::Ore ? c.ore * 30.0 : c.minuti * 6.0;
    return std::fmod(gradi, 360.0);
}

int MinutoDaAngolo(double angolo)
{
    return Modulo(static_cast<int>(std::lround(angolo / 6.0)), 60);
}

int MinutiDaAngoloOre(double angolo)
{
    return Modulo(static_cast<int>(std::lround(angolo * 2.0)), 720);
}

int GiroMezzaGiornata(int da, int a)
{
    const int d = Modulo(a - da, 720);
    return d > 360 ? d - 720 : d;
}

int GiroMinuti(int da, int a)
{
    const int d = Modulo(a - da, 60);
    return d > 30 ? d - 60 : d;
}

Presa Afferra(const FormaLancette& forma, QPointF p, float T)
{
    const Lancetta lancetta = LancettaVicina(forma, p);
    if (lancetta == Lancetta::Nessuna)
        return {};
    // A press right at the hub takes the hand without an angle of its own.
    const double scarto =
        Distanza(p, forma.centro) < kRaggioFermo ? 0.0 : AngoloLancetta(lancetta, T) - AngoloPunto(forma.centro, p);
    return {lancetta, scarto};
}

Passi Trascina(const Presa& presa, QPointF centro, QPointF p, float T)
{
    if (presa.lancetta == Lancetta::Nessuna || Distanza(p, centro) < kRaggioFermo)
        return {};
    const double angolo = AngoloPunto(centro, p) + presa.scarto;
    const CampiOra c = DerivaCampi(T);
    const int minuti = static_cast<int>(std::floor(c.minuti));
    if (presa.lancetta == Lancetta::Minuti)
        return Verso(GiroMinuti(minuti, MinutoDaAngolo(angolo)), MinutiAvanti, MinutiIndietro);
    // The short hand is geared to the long one, as on a teaching clock: it moves the time
    // in minutes, two for each of its degrees, and the long hand turns with it.
    const int ore = static_cast<int>(std::floor(c.ore));
    const int da = Modulo(ore, 12) * 60 + minuti;
    return Verso(GiroMezzaGiornata(da, MinutiDaAngoloOre(angolo)), MinutiAvanti, MinutiIndietro);
}

Passi PassiTasto(int tasto, Qt::KeyboardModifiers modificatori)
{
    const int minuti = (modificatori & Qt::ShiftModifier) ? 5 : 1;
    switch (tasto) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        return {MinutiAvanti, minuti};
    case Qt::Key_Left:
    case Qt::Key_Down:
        return {MinutiIndietro, minuti};
    case Qt::Key_PageUp:
        return {OreAvanti, 1};
    case Qt::Key_PageDown:
        return {OreIndietro, 1};
    default:
        return {};
    }
}
