// Drawing the three hands of the clock face and their value labels.

#include <cmath>

#include "ArrotondaPari.h"
#include "frmClock.h"
#include "Lancette.h"
#include "modTempolino.h"

void frmClock::DisegnaLancetta(int lunghezza, int semiLarghezza, const QString& chiave)
{
    double angolo = 0, distanza = 0;
    int valore = 0;
    QChar unita;
    QColor riempimento;
    if (chiave == QLatin1String("sOre")) {
        angolo = OreCorrenti * 30.0;
        valore = static_cast<int>(std::floor(OreCorrenti));
        unita = QLatin1Char('h');
        distanza = 0.55 * Raggio;
        riempimento = ColoreOre;
    } else if (chiave == QLatin1String("sMinuti")) {
        angolo = MinutiCorrenti * 6.0;
        valore = static_cast<int>(std::floor(MinutiCorrenti));
        unita = QLatin1Char('m');
        distanza = 0.72 * Raggio;
        riempimento = ColoreMinuti;
    } else {
        angolo = SecondiCorrenti * 6.0;
        valore = static_cast<int>(SecondiCorrenti);
        unita = QLatin1Char('s');
        distanza = 0.94 * Raggio;
        riempimento = ColoreSecondi;
    }

    // The face's upward coordinates and its pixels share the centre point.
    const auto angoli = AngoliLancetta(CentroX, p1->height() - CentroY, lunghezza, semiLarghezza, angolo, Raggio);
    p1->foreColor = ColoreSecondi;
    p1->fillColor = riempimento;
    p1->polygon(angoli.data(), 4);

    if (MostraEtichette) {
        const QString testo = EtichettaLancetta(valore, unita);
        const double a = (90.0 - angolo) * kGradiInRadianti;
        const double x = CentroX + distanza * std::cos(a);
        const double y = CentroY + distanza * std::sin(a);
        p1->currentX = x - p1->textWidth(testo) / 2;
        p1->currentY = y - p1->textHeight(testo) / 2;
        p1->foreColor = ColoreEtichette;
        p1->print(testo);
        p1->foreColor = ColoreSecondi;
    }
}
