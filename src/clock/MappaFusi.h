// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time-zone map below the clock, `picfusi`: the world map with the noon and
// midnight strips and their sun and moon markers, the globe `imgTerra` turned to the
// shown hour, and the opening animation in which the map grows one time zone at a
// time while the globe turns through the day.
//
// The globe stands over the scene at rest and beside the map while the map opens, so
// both are controls of the window that the map owns.

#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <array>

#include "PictureBox.h"

class MappaFusi : public QObject {
    Q_OBJECT
public:
    // Makes the map and the globe on `finestra`.
    explicit MappaFusi(QWidget* finestra);

    PictureBox* mappa() const { return picfusi; }
    QLabel* globo() const { return imgTerra; }
    bool aperta() const { return m_aperta; }

    // Gives the map its place and sizes the strips for it; the globe's place at rest.
    void Disponi(const QRect& geometria);
    void PosaGlobo(const QPoint& angolo);

    // The map becomes the panel's picture, so that clearing the panel brings it back.
    void DisegnaFusi();
    // The globe of a whole hour (24 shows the globe of 0).
    void DisegnaTerra(int ora);
    // Places the strips and their markers for the shown time T.
    void PosizionaFasce(float T);
    void MostraFasce(bool visibile);
    // Opens the map with its animation, or closes it (with a click when `conClic`). The
    // animation runs on a timer: 24 steps 60 ms apart, each a time zone wider with the
    // globe an hour further round and sound 105, then the map at its full width. Closing
    // the map meanwhile cuts the animation short.
    void ApriMappa(bool apri, bool conClic);
    bool inAnimazione() const { return tmrAnimazione->isActive(); }

signals:
    // The opening animation starts, and is over (finished or cut short): the clock
    // should not tick meanwhile.
    void animazioneIniziata();
    void animazioneFinita();
    // The globe has been given the picture of an hour.
    void globoGirato(int ora);

private:
    void ColoraFasce();
    // One step of the opening animation, and its end.
    void PassoAnimazione();
    void FineAnimazione();

    PictureBox* picfusi;
    QFrame* shpFusoNotte;
    QFrame* shpFusoGiorno;
    QLabel* imglunap;
    QLabel* imgsolep;
    QLabel* imgTerra;
    QTimer* tmrAnimazione;
    // The animation's next step (0 to 23; 24 ends it), and where the globe rests.
    int m_passo = 0;
    int m_larghezza = 0; // the map's full width, which it grows to
    QRect m_riposoGlobo;
    std::array<QPixmap, 24> m_globi; // the globe of each hour, made on first use
    qreal m_dprGlobi = 0;            // the density they were made for
    bool m_aperta = false;
};
