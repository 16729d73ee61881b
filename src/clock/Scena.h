// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene beside the clock, `picWindows`: a small window on the sky that follows
// the hour of the shown time. Stars and the travelling moon at night, the shaded
// dawn and dusk skies with the rising and setting sun, the rooster and the owl, the
// cloudy day sky with the sun climbing to noon, and a black sky at 24:00. A window
// bar of two crossed double lines lies over it.

#include <QFrame>
#include <QImage>
#include <array>

#include "PictureBox.h"
#include "Scenario.h"

class Scena : public PictureBox {
    Q_OBJECT
public:
    explicit Scena(QWidget* parent = nullptr);

    // Sizes the scene (pixels), gives it 256 units of height for drawing and lays the
    // window bar over it.
    void Disponi(int larghezza, int altezza);

    // Draws the sky of a whole hour 0 to 24 with its pictures.
    void DisegnaPaesaggio(int ora);
    void DisegnaStelle();
    // How many skies have been drawn since the scene was made: once an hour is enough.
    int paesaggiDisegnati() const { return m_disegni; }

signals:
    // The sky of an hour has just been drawn.
    void paesaggioDisegnato(int ora);

private:
    const QImage& Immagine(Scenario::Figura figura) const;

    std::array<QFrame*, 4> linX;
    QImage Civetta, Gallo, sole2, sole, imgSole, luna, imgNuvole;
    int m_disegni = 0;
};
