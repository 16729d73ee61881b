// The scene beside the clock: a small window on the sky that follows the hour of
// the shown time. Stars and the travelling moon at night, the shaded dawn and
// dusk skies with the rising and setting sun, the rooster and the owl, the cloudy
// day sky with the sun climbing to noon, and a black sky at 24:00.

#include "Platform.h"
#include "Scenario.h"
#include "frmClock.h"

using namespace Scenario;

namespace {

const QImage& Immagine(const frmClock& f, Figura figura)
{
    switch (figura) {
    case Figura::Luna:
        return f.luna;
    case Figura::Sole:
        return f.sole;
    case Figura::SoleNascente:
        return f.imgSole;
    case Figura::SolePallido:
        return f.sole2;
    case Figura::Gallo:
        return f.Gallo;
    case Figura::Civetta:
        return f.Civetta;
    }
    return f.Civetta;
}

} // namespace

void frmClock::DisegnaPaesaggio(int ora)
{
    ++DisegniPaesaggio;
    const double larghezza = picWindows->scaleWidth();
    const double altezza = picWindows->scaleHeight();
    const std::vector<Posto> figure = FigureDellOra(ora, larghezza, altezza);
    auto dipingiFigure = [&] {
        for (const Posto& p : figure)
            picWindows->paintPicture(Immagine(*this, p.figura), p.angolo.x(), p.angolo.y());
    };

    const Cielo cielo = CieloDellOra(ora);
    if (cielo == Cielo::Stellato)
        picWindows->cls();
    picWindows->beginBatch();
    switch (cielo) {
    case Cielo::Stellato:
        DisegnaStelle();
        dipingiFigure();
        break;
    case Cielo::Nuvoloso:
        picWindows->paintPicture(imgNuvole, 0, 0, larghezza, altezza);
        // Every other hour the clouds are turned half a turn, so the sky changes with the hour.
        if (NuvoleGirate(ora))
            picWindows->paintPicture(imgNuvole, larghezza, altezza, -larghezza, -altezza);
        dipingiFigure();
        break;
    case Cielo::Sfumato:
        // Row by row from the top; the pictures lie over the finished sky, all but the
        // last row. Painting them once keeps their soft edges soft (painted again and
        // again, the half-transparent edge pixels would build up to a hard outline).
        for (int k = 0; k < kAltezzaDisegno; ++k)
            picWindows->box(0, k - 1, larghezza + 1, k, ColoreRiga(ora, k), true);
        dipingiFigure();
        picWindows->box(0, kAltezzaDisegno - 1, larghezza + 1, kAltezzaDisegno, ColoreRiga(ora, kAltezzaDisegno),
                        true);
        break;
    }
    picWindows->refresh();
}

void frmClock::DisegnaStelle()
{
    // The random numbers go on from where they are: every night has other stars.
    for (int x : ColonneStelle(picWindows->scaleWidth()))
        picWindows->pset(x, AltezzaStella(platform().random->next()), QColor(255, 255, 255));
}
