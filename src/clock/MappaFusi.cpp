// The time-zone map below the clock: the world map with the noon and midnight
// strips and their sun and moon markers, the globe turned to the shown hour, and
// the opening animation in which the map grows one time zone at a time while the
// globe turns through the day.

#include <cmath>

#include "ArrotondaPari.h"
#include "Fasce.h"
#include "frmClock.h"
#include "modTempolino.h"
#include "Platform.h"
#include "Risorse.h"
#include "Suoni.h"
#include "TrattieniFinestra.h"

using namespace modTempolino;

namespace {

// Each step of the opening animation lasts this long.
constexpr int kPausaAnimazione = 60;
// The globe stands this far left of the map while the map opens.
constexpr int kDistanzaGlobo = 5;

// The two strips are tinted glass over the map, so the land beneath stays visible:
// the noon strip light yellow, the midnight strip dark blue.
void ColoraFasce(QFrame* giorno, QFrame* notte)
{
    // The tint is drawn once, by the style, over what lies beneath.
    giorno->setAutoFillBackground(false);
    notte->setAutoFillBackground(false);
    giorno->setStyleSheet(QStringLiteral(
        "QFrame{background:rgba(255,255,150,190);border:1px solid rgba(255,200,0,230);}"));
    notte->setStyleSheet(QStringLiteral(
        "QFrame{background:rgba(0,0,90,170);border:1px solid rgba(120,140,255,230);}"));
}

} // namespace

void frmClock::DisegnaFusi()
{
    ColoraFasce(shpFusoGiorno, shpFusoNotte);
    // The map becomes the panel's picture, so that clearing the panel brings it back
    // (the opening animation clears it at every width).
    picfusi->clearPicture();
    picfusi->cls();
    picfusi->paintPicture(Risorse::bitmap(230), 0, 0, picfusi->width(), picfusi->height());
    picfusi->storeImageAsPicture();
}

void frmClock::DisegnaTerra(int ora)
{
    // Midnight shown as 24:00 is the same moment as 00:00, with the same side of the Earth in the sun.
    const int h = ((ora % 24) + 24) % 24;
    imgTerra->setPixmap(QPixmap::fromImage(Risorse::bitmap(200 + h)));
    ++DisegniTerra;
}

void frmClock::PosizionaFasce()
{
    const PosizioneFasce f = PosizioniFasce(TempoCorrente, picfusi->width(), shpFusoGiorno->width());
    const int giorno = ArrotondaPari(f.giorno);
    const int notte = ArrotondaPari(f.notte);
    shpFusoGiorno->move(giorno, shpFusoGiorno->y());
    shpFusoNotte->move(notte, shpFusoNotte->y());
    imglunap->move(notte, imglunap->y());
    imgsolep->move(giorno, imgsolep->y());
}

void frmClock::MostraFasce(bool visibile)
{
    shpFusoGiorno->setVisible(visibile);
    shpFusoNotte->setVisible(visibile);
    imglunap->setVisible(visibile);
    imgsolep->setVisible(visibile);
}

void frmClock::ApriMappa(bool apri)
{
    // The clock does not tick while the map opens; the next tick catches up.
    if (grpCtrTime->isSelected(1))
        tmrClock->stop();

    if (apri) {
        TrattieniFinestra guardia(this);
        EventPump& eventi = *platform().events;
        const int larghezza = picfusi->width();
        const int altezza = picfusi->height();
        const double Z = larghezza / 24.0;
        const QRect riposoGlobo = imgTerra->geometry();

        // The globe stands beside the map, as high as the map, while the map grows.
        imgTerra->setScaledContents(true);
        imgTerra->setGeometry(picfusi->x() - altezza - kDistanzaGlobo, picfusi->y(), altezza, altezza);
        imgTerra->raise();

        MostraFasce(false);
        DisegnaFusi();
        picfusi->resize(0, altezza);
        picfusi->show();

        for (int i = 0; i < 24; ++i) {
            // Closed again (by the child or the exercises) while it was opening.
            if (!chkFusiOrari->isChecked())
                break;
            if (SuoniAttivi) {
                SuonaEffetto(Suono::Passo);
                if (guardia.inChiusura())
                    return;
            }
            picfusi->resize(static_cast<int>(i * Z), altezza);
            picfusi->cls();
            DisegnaTerra(i);
            // The program closed meanwhile: nothing more to draw, and the clock stays stopped.
            eventi.processEvents();
            if (guardia.inChiusura())
                return;
            eventi.pause(kPausaAnimazione);
            if (guardia.inChiusura())
                return;
        }

        picfusi->resize(larghezza, altezza);
        picfusi->cls();
        MostraFasce(true);
        imgTerra->setScaledContents(false);
        imgTerra->setGeometry(riposoGlobo);
    } else {
        picfusi->hide();
        // No click during the exercises, which close the map themselves.
        if (SuoniAttivi && MostraEtichette)
            SuonaEffetto(Suono::Clic);
    }

    if (grpCtrTime->isSelected(1))
        tmrClock->start();
}

void frmClock::chkFusiOrari_Click()
{
    if (chkFusiOrari->isChecked()) {
        TrattieniFinestra guardia(this);
        ApriMappa(true);
        if (guardia.inChiusura())
            return;
        // Still open once the animation is over: place the strips and frame the map.
        if (chkFusiOrari->isChecked()) {
            PosizionaFasce();
            DisegnaCorniceInterna(picfusi, 6);
        }
    } else {
        ApriMappa(false);
        picfusi->clearPicture();
    }
    DisegnaTerra(static_cast<int>(std::floor(OreCorrenti)));
    p1->setFocus();
}
