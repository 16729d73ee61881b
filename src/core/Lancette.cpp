// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lancette.h"

#include <algorithm>
#include <cmath>

#include "ArrotondaPari.h"

std::array<QPoint, 4> AngoliLancetta(double cx, double cy, int L, int W, double angolo, int R)
{
    const double a = angolo * kGradiInRadianti;
    const double s = std::sin(a), c = std::cos(a);
    const double coda = 0.11 * R;
    const QPoint punta(ArrotondaPari(cx + L * s), ArrotondaPari(cy - L * c));
    const QPoint sinistra(ArrotondaPari(cx - W * c), ArrotondaPari(cy - W * s));
    const QPoint destra(ArrotondaPari(cx + W * c), ArrotondaPari(cy + W * s));
    const QPoint dietro(ArrotondaPari(cx - coda * s), ArrotondaPari(cy + coda * c));
    return {destra, dietro, sinistra, punta};
}

QString EtichettaLancetta(int valore, QChar unita)
{
    return QStringLiteral(" %1 %2 ").arg(valore, 2, 10, QLatin1Char('0')).arg(unita);
}

bool LancettaTocca(const std::array<QPoint, 4>& angoli, const QRectF& area, double margine)
{
    // Separating axes: the hand is a convex kite (a line for the second hand), the area a
    // rectangle grown by the margin; they meet unless one axis keeps them apart.
    const QRectF r = area.adjusted(-margine, -margine, margine, margine);
    const QPointF vertici[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    auto separati = [&](double nx, double ny) {
        double minA = 1e300, maxA = -1e300, minB = 1e300, maxB = -1e300;
        for (const QPoint& p : angoli) {
            const double d = p.x() * nx + p.y() * ny;
            minA = std::min(minA, d);
            maxA = std::max(maxA, d);
        }
        for (const QPointF& p : vertici) {
            const double d = p.x() * nx + p.y() * ny;
            minB = std::min(minB, d);
            maxB = std::max(maxB, d);
        }
        return maxA < minB || maxB < minA;
    };
    if (separati(1, 0) || separati(0, 1))
        return false;
    for (int i = 0; i < 4; ++i) {
        const QPoint a = angoli[i], b = angoli[(i + 1) % 4];
        if (a != b && separati(-(b.y() - a.y()), b.x() - a.x()))
            return false;
    }
    return true;
}

QRegion ZonaSpostamento(const std::array<QPoint, 4>& prima, const std::array<QPoint, 4>& dopo)
{
    // Each side that moved sweeps the band between its old and new place; cut in short
    // pieces, the band lies in their boxes, grown by the outline and the smoothed edge.
    constexpr double kPezzo = 32.0;
    constexpr int kMargine = 2;
    QRegion zona;
    auto stessoLato = [](QPoint a, QPoint b, QPoint c, QPoint d) { return (a == c && b == d) || (a == d && b == c); };
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        if (prima[i] == dopo[i] && prima[j] == dopo[j])
            continue;
        // A hand without width goes out and back along the same line: one band is enough.
        bool visto = false;
        for (int h = 0; h < i; ++h)
            visto = visto
                || (stessoLato(prima[h], prima[(h + 1) % 4], prima[i], prima[j])
                    && stessoLato(dopo[h], dopo[(h + 1) % 4], dopo[i], dopo[j]));
        if (visto)
            continue;
        const QPointF a(prima[i]), b(prima[j]), c(dopo[i]), d(dopo[j]);
        const double lunghezza =
            std::max(std::hypot(b.x() - a.x(), b.y() - a.y()), std::hypot(d.x() - c.x(), d.y() - c.y()));
        const int pezzi = std::max(1, static_cast<int>(std::ceil(lunghezza / kPezzo)));
        for (int k = 0; k < pezzi; ++k) {
            const double u0 = double(k) / pezzi, u1 = double(k + 1) / pezzi;
            const QPointF p[4] = {a + (b - a) * u0, a + (b - a) * u1, c + (d - c) * u0, c + (d - c) * u1};
            double x0 = p[0].x(), x1 = x0, y0 = p[0].y(), y1 = y0;
            for (const QPointF& q : p) {
                x0 = std::min(x0, q.x());
                x1 = std::max(x1, q.x());
                y0 = std::min(y0, q.y());
                y1 = std::max(y1, q.y());
            }
            zona +=
                QRect(QPoint(static_cast<int>(std::floor(x0)) - kMargine, static_cast<int>(std::floor(y0)) - kMargine),
                      QPoint(static_cast<int>(std::ceil(x1)) + kMargine, static_cast<int>(std::ceil(y1)) + kMargine));
        }
    }
    return zona;
}
