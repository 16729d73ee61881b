// SPDX-License-Identifier: GPL-3.0-or-later
#include "MappaFusi.h"

#include <QPixmap>

#include "ArrotondaPari.h"
#include "Controlli.h"
#include "Fasce.h"
#include "Risorse.h"
#include "Suoni.h"
#include "modTempolino.h"

using namespace modTempolino;

namespace {

// Each step of the opening animation lasts this long.
constexpr int kPausaAnimazione = 60;
// The globe stands this far left of the map while the map opens.
constexpr int kDistanzaGlobo = 5;

} // namespace

MappaFusi::MappaFusi(QWidget* finestra) : QObject(finestra)
{
    setObjectName(QStringLiteral("mappaFusi"));
    picfusi = Controlli::CreaPannello(finestra, QStringLiteral("picfusi"), 0, 0, 388, 100, QColor(0, 0, 128));
    picfusi->hide();
    shpFusoNotte = Controlli::CreaLinea(picfusi, QStringLiteral("shpFusoNotte"), QColor(0, 0, 64));
    shpFusoGiorno = Controlli::CreaLinea(picfusi, QStringLiteral("shpFusoGiorno"), QColor(255, 255, 128));
    shpFusoNotte->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpFusoGiorno->setFrameStyle(QFrame::Box | QFrame::Plain);
    imglunap = Controlli::CreaImmagine(picfusi, QStringLiteral("imglunap"), QStringLiteral("imglunap"), 0, 10, 16, 16);
    imglunap->setToolTip(QStringLiteral("Mezzanotte"));
    imgsolep = Controlli::CreaImmagine(picfusi, QStringLiteral("imgsolep"), QStringLiteral("imgsolep"), 0, 10, 16, 16);
    imgsolep->setToolTip(QStringLiteral("Mezzogiorno"));

    imgTerra = Controlli::Crea<QLabel>(finestra, QStringLiteral("imgTerra"), 24, 32, 77, 77);
    imgTerra->setAttribute(Qt::WA_TranslucentBackground);

    tmrAnimazione = new QTimer(this);
    tmrAnimazione->setObjectName(QStringLiteral("tmrAnimazione"));
    tmrAnimazione->setInterval(kPausaAnimazione);
    connect(tmrAnimazione, &QTimer::timeout, this, &MappaFusi::PassoAnimazione);
}

void MappaFusi::Disponi(const QRect& geometria)
{
    picfusi->setGeometry(geometria);
    const int fw = ArrotondaPari(picfusi->width() / 25.0), fh = geometria.height() - 12;
    shpFusoGiorno->setGeometry(shpFusoGiorno->x(), 6, fw, fh);
    shpFusoNotte->setGeometry(shpFusoNotte->x(), 6, fw, fh);
    imglunap->move(imglunap->x(), shpFusoNotte->y() + 4);
    imgsolep->move(imgsolep->x(), shpFusoGiorno->y() + 4);
}

void MappaFusi::PosaGlobo(const QPoint& angolo)
{
    imgTerra->move(angolo);
}

void MappaFusi::ColoraFasce()
{
    // The two strips are tinted glass over the map, so the land beneath stays visible:
    // the noon strip light yellow, the midnight strip dark blue. The tint is drawn once,
    // by the style, over what lies beneath.
    shpFusoGiorno->setAutoFillBackground(false);
    shpFusoNotte->setAutoFillBackground(false);
    shpFusoGiorno->setStyleSheet(
        QStringLiteral("QFrame{background:rgba(255,255,150,190);border:1px solid rgba(255,200,0,230);}"));
    shpFusoNotte->setStyleSheet(
        QStringLiteral("QFrame{background:rgba(0,0,90,170);border:1px solid rgba(120,140,255,230);}"));
}

void MappaFusi::DisegnaFusi()
{
    ColoraFasce();
    // The opening animation clears the panel at every width.
    picfusi->clearPicture();
    picfusi->cls();
    picfusi->paintPicture(Risorse::bitmap(230, picfusi->devicePixelRatioF()), 0, 0, picfusi->width(),
                          picfusi->height());
    picfusi->storeImageAsPicture();
}

void MappaFusi::DisegnaTerra(int ora)
{
    // Midnight shown as 24:00 is the same moment as 00:00, with the same side of the Earth in the sun.
    const int h = ((ora % 24) + 24) % 24;
    // Each globe is decoded and made a pixmap once (the opening turns through all 24),
    // for the screen's density: as sharp as the rest of the window. Another density
    // (the window moved to another screen) makes them afresh.
    const qreal dpr = imgTerra->devicePixelRatioF();
    if (dpr != m_dprGlobi) {
        m_globi = {};
        m_dprGlobi = dpr;
    }
    QPixmap& globo = m_globi[static_cast<size_t>(h)];
    if (globo.isNull())
        globo = QPixmap::fromImage(Risorse::bitmap(200 + h, dpr));
    imgTerra->setPixmap(globo);
    emit globoGirato(h);
}

void MappaFusi::PosizionaFasce(float T)
{
    const PosizioneFasce f = PosizioniFasce(T, picfusi->width(), shpFusoGiorno->width());
    const int giorno = ArrotondaPari(f.giorno);
    const int notte = ArrotondaPari(f.notte);
    shpFusoGiorno->move(giorno, shpFusoGiorno->y());
    shpFusoNotte->move(notte, shpFusoNotte->y());
    imglunap->move(notte, imglunap->y());
    imgsolep->move(giorno, imgsolep->y());
}

void MappaFusi::MostraFasce(bool visibile)
{
    shpFusoGiorno->setVisible(visibile);
    shpFusoNotte->setVisible(visibile);
    imglunap->setVisible(visibile);
    imgsolep->setVisible(visibile);
}

void MappaFusi::ApriMappa(bool apri, bool conClic)
{
    if (!apri) {
        m_aperta = false;
        // Closed again (by the child or the exercises) while it was opening.
        if (inAnimazione())
            FineAnimazione();
        picfusi->hide();
        if (conClic)
            Suona(Suono::Clic);
        return;
    }
    if (m_aperta)
        return;
    m_aperta = true;
    emit animazioneIniziata();

    // The globe stands beside the map, as high as the map, while the map grows.
    const int altezza = picfusi->height();
    m_riposoGlobo = imgTerra->geometry();
    imgTerra->setScaledContents(true);
    imgTerra->setGeometry(picfusi->x() - altezza - kDistanzaGlobo, picfusi->y(), altezza, altezza);
    imgTerra->raise();

    MostraFasce(false);
    DisegnaFusi();
    m_larghezza = picfusi->width();
    picfusi->resize(0, altezza);
    picfusi->show();

    // The first step at once, the others one a pause apart.
    m_passo = 0;
    PassoAnimazione();
    tmrAnimazione->start();
}

void MappaFusi::PassoAnimazione()
{
    if (m_passo >= 24) {
        FineAnimazione();
        return;
    }
    Suona(Suono::Passo);
    picfusi->resize(static_cast<int>(m_passo * (m_larghezza / 24.0)), picfusi->height());
    picfusi->cls();
    DisegnaTerra(m_passo);
    ++m_passo;
}

void MappaFusi::FineAnimazione()
{
    tmrAnimazione->stop();
    picfusi->resize(m_larghezza, picfusi->height());
    picfusi->cls();
    MostraFasce(true);
    imgTerra->setScaledContents(false);
    imgTerra->setGeometry(m_riposoGlobo);
    emit animazioneFinita();
}
