// SPDX-License-Identifier: GPL-3.0-or-later
#include "italy.h"

#include <array>
#include <cstddef>

namespace globes {

namespace {

struct LonLat {
    double lon;
    double lat;
};

// Clockwise on a north-up map, starting at the French border on the coast.
constexpr std::array kOutline{
    // Alps, from the Ligurian coast to the Gulf of Trieste
    LonLat{7.53, 43.78},
    LonLat{7.00, 44.15},
    LonLat{6.65, 44.50},
    LonLat{6.90, 45.10},
    LonLat{6.80, 45.80},
    LonLat{7.05, 45.95},
    LonLat{7.90, 45.95},
    LonLat{8.40, 46.45},
    LonLat{8.90, 46.00},
    LonLat{9.05, 45.85},
    LonLat{9.30, 46.50},
    LonLat{10.10, 46.60},
    LonLat{10.50, 46.90},
    LonLat{11.10, 46.95},
    LonLat{12.20, 47.10},
    LonLat{13.00, 46.60},
    LonLat{13.70, 46.50},
    LonLat{13.45, 46.20},
    LonLat{13.65, 45.80},
    LonLat{13.90, 45.60},
    // down the Adriatic, west of Istria and of the Dalmatian islands
    LonLat{13.50, 45.55},
    LonLat{13.30, 45.30},
    LonLat{13.40, 44.70},
    LonLat{14.60, 43.60},
    LonLat{15.60, 42.80},
    LonLat{16.50, 42.30},
    LonLat{17.60, 41.70},
    LonLat{18.70, 41.00},
    // Ionian Sea and the south of Sicily, north of Malta
    LonLat{18.70, 39.60},
    LonLat{17.50, 38.60},
    LonLat{16.30, 37.50},
    LonLat{15.50, 36.40},
    LonLat{12.30, 36.40},
    // Sicilian Channel and the sea north of Tunisia, round Sardinia
    LonLat{12.00, 37.50},
    LonLat{10.50, 38.30},
    LonLat{8.00, 38.70},
    LonLat{7.90, 41.00},
    // Strait of Bonifacio, then north between Corsica and Tuscany
    LonLat{8.30, 41.30},
    LonLat{9.80, 41.30},
    LonLat{9.75, 42.60},
    LonLat{9.60, 43.20},
    LonLat{9.30, 43.70},
};

} // namespace

bool insideItaly(double lonDeg, double latDeg)
{
    // Even-odd rule: count the edges crossed by a ray going east.
    bool inside = false;
    for (std::size_t i = 0, j = kOutline.size() - 1; i < kOutline.size(); j = i++) {
        const LonLat& a = kOutline[i];
        const LonLat& b = kOutline[j];
        if ((a.lat > latDeg) != (b.lat > latDeg)) {
            const double crossLon = a.lon + (latDeg - a.lat) * (b.lon - a.lon) / (b.lat - a.lat);
            if (lonDeg < crossLon)
                inside = !inside;
        }
    }
    return inside;
}

} // namespace globes
