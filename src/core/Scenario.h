// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene beside the clock as plain data: which sky each hour of the day has,
// the colour of each row of the shaded dawn and dusk skies, where the moon, the
// suns, the rooster and the owl stand, and how high a star shines. The window
// draws from these; tests ask them directly.
//
// Coordinates are the scene's drawing coordinates: x in pixels from the left,
// y downward in units of which the scene's height holds 256.

#include <QColor>
#include <QPointF>
#include <vector>

namespace Scenario {

// The drawing height of the scene, in units.
constexpr int kAltezzaDisegno = 256;
// Stars shine only in the upper part of the sky: heights 1 to this many units.
constexpr int kAltezzaStelle = 110;
// Stars stand one every this many pixels across the scene.
constexpr int kPassoStelle = 6;

// The scene's measures: A is a twelfth of the width, B a tenth of the height,
// both rounded to whole numbers. A picture's place is given in multiples of them.
struct Unita {
    int A = 0;
    int B = 0;
};
Unita UnitaDellaScena(double larghezza, double altezza);

enum class Cielo {
    Stellato, // cleared to black, then the stars (night)
    Sfumato,  // painted row by row, each row in its own colour (dawn, dusk, 24:00)
    Nuvoloso, // the cloudy sky picture stretched over the whole scene (day)
};
// The kind of sky of a whole hour 0 to 24.
Cielo CieloDellOra(int ora);

// The colour of row k (0 to 256) of a shaded sky. Black for hours without one.
QColor ColoreRiga(int ora, int k);

// Whether the cloudy sky is painted a second time, turned half a turn (9, 11, 13, 15).
bool NuvoleGirate(int ora);

enum class Figura { Luna, Sole, SoleNascente, SolePallido, Gallo, Civetta };

// A picture of the scene and the place of its top-left corner.
struct Posto {
    Figura figura;
    QPointF angolo;
};
// The pictures painted over the sky of an hour, in painting order, for a scene of
// the given drawing width (pixels) and height (units).
std::vector<Posto> FigureDellOra(int ora, double larghezza, double altezza);

// The height of a star, 1 to kAltezzaStelle units, from a random draw in [0, 1).
int AltezzaStella(double estrazione);

// The x of every star across a scene of the given drawing width: 0, 6, 12, ...
// up to the width rounded to whole pixels.
std::vector<int> ColonneStelle(double larghezza);

} // namespace Scenario
