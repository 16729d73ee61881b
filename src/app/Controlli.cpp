#include "Controlli.h"

#include "ArrotondaPari.h"
#include "modTempolino.h"

namespace Controlli {

int DaTwip(int twips)
{
    return ArrotondaPari(twips / 15.0);
}

QRect RettangoloTwip(int left, int top, int width, int height)
{
    return {DaTwip(left), DaTwip(top), DaTwip(width), DaTwip(height)};
}

QFont Arial(double punti, bool grassetto)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

QString ColoreCss(const QColor& colore)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colore.red()).arg(colore.green()).arg(colore.blue());
}

} // namespace Controlli
