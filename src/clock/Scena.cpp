// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scena.h"

#include <cmath>

#include "Controlli.h"
#include "Platform.h"
#include "Risorse.h"

using namespace Scenario;

Scena::Scena(QWidget* parent) : PictureBox(parent)
{
    setObjectName(QStringLiteral("picWindows"));
    setGeometry(0, 0, 110, 130);
    setBackColor(Qt::black);
    cls();
    const QColor chiaro(224, 224, 224), scuro(128, 128, 128);
    for (int i = 0; i < 4; ++i)
        linX[i] = Controlli::CreaLinea(this, QStringLiteral("linX_%1").arg(i), i % 2 == 0 ? chiaro : scuro);

    // The pictures of the sky, sharp on the window's screen.
    const qreal dpr = devicePixelRatioF();
    luna = Risorse::figura(QStringLiteral("luna"), QSize(32, 32), dpr);
    sole = Risorse::figura(QStringLiteral("sole"), QSize(32, 32), dpr);
    imgSole = Risorse::figura(QStringLiteral("imgSole"), QSize(32, 32), dpr);
    sole2 = Risorse::figura(QStringLiteral("sole2"), QSize(32, 32), dpr);
    Gallo = Risorse::figura(QStringLiteral("Gallo"), QSize(32, 32), dpr);
    Civetta = Risorse::figura(QStringLiteral("Civetta"), QSize(32, 32), dpr);
    // The clouds are stretched over the scene: drawn at twice their size they stay crisp.
    imgNuvole = Risorse::figura(QStringLiteral("imgNuvole"), QSize(75, 75), 2 * dpr);
}

void Scena::Disponi(int larghezza, int altezza)
{
    // x in pixels, y in 256 units over the height.
    resize(larghezza, altezza);
    setScale(0, 0, larghezza, kAltezzaDisegno);
    drawWidth = 1;
    // The window bar: two vertical lines 2 pixels apart in the middle, two horizontal
    // lines 2 units apart at half height; each on the pixel its coordinate falls in.
    const double w = larghezza, iw = scaleWidth(), ih = scaleHeight();
    auto colonna = [&](double x) { return static_cast<int>(std::floor(toPixel(x, 0).x())); };
    auto riga = [&](double y) { return static_cast<int>(std::floor(toPixel(0, y).y())); };
    linX[0]->setGeometry(colonna(w / 2 - 1), 0, 1, altezza);
    linX[1]->setGeometry(colonna(w / 2 + 1), 0, 1, altezza);
    linX[2]->setGeometry(0, riga(ih / 2), colonna(iw), 1);
    linX[3]->setGeometry(0, riga(ih / 2 + 2), colonna(iw), 1);
}

const QImage& Scena::Immagine(Figura figura) const
{
    switch (figura) {
    case Figura::Luna:
        return luna;
    case Figura::Sole:
        return sole;
    case Figura::SoleNascente:
        return imgSole;
    case Figura::SolePallido:
        return sole2;
    case Figura::Gallo:
        return Gallo;
    case Figura::Civetta:
        return Civetta;
    }
    return Civetta;
}

void Scena::DisegnaPaesaggio(int ora)
{
    const double larghezza = scaleWidth();
    const double altezza = scaleHeight();
    const std::vector<Posto> figure = FigureDellOra(ora, larghezza, altezza);
    auto dipingiFigure = [&] {
        for (const Posto& p : figure)
            paintPicture(Immagine(p.figura), p.angolo.x(), p.angolo.y());
    };

    const Cielo cielo = CieloDellOra(ora);
    if (cielo == Cielo::Stellato)
        cls();
    beginBatch();
    switch (cielo) {
    case Cielo::Stellato:
        DisegnaStelle();
        dipingiFigure();
        break;
    case Cielo::Nuvoloso:
        paintPicture(imgNuvole, 0, 0, larghezza, altezza);
        // Every other hour the clouds are turned half a turn, so the sky changes with the hour.
        if (NuvoleGirate(ora))
            paintPicture(imgNuvole, larghezza, altezza, -larghezza, -altezza);
        dipingiFigure();
        break;
    case Cielo::Sfumato:
        // Row by row from the top; the pictures lie over the finished sky, all but the
        // last row. Painting them once keeps their soft edges soft (painted again and
        // again, the half-transparent edge pixels would build up to a hard outline).
        for (int k = 0; k < kAltezzaDisegno; ++k)
            box(0, k - 1, larghezza + 1, k, ColoreRiga(ora, k), true);
        dipingiFigure();
        box(0, kAltezzaDisegno - 1, larghezza + 1, kAltezzaDisegno, ColoreRiga(ora, kAltezzaDisegno), true);
        break;
    }
    refresh();
    ++m_disegni;
    emit paesaggioDisegnato(ora);
}

void Scena::DisegnaStelle()
{
    // The random numbers go on from where they are: every night has other stars.
    for (int x : ColonneStelle(scaleWidth()))
        pset(x, AltezzaStella(platform().random->next()), QColor(255, 255, 255));
}
