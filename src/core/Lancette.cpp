#include "Lancette.h"

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
