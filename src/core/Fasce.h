// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the noon and midnight strips stand on the time-zone map for a shown time.
//
// The map's width stands for the 24 hours of the day; its middle is the meridian
// whose time the clock shows. The noon strip is centred where it is midday at the
// shown time: in the middle at 12:00, at the right edge at 00:00, moving left as the
// day goes on. The midnight strip is centred half a map away, on the side that lies
// within the map.

struct PosizioneFasce {
    double giorno; // left edge of the noon strip, pixels from the map's left edge
    double notte;  // left edge of the midnight strip
};

// T: shown time in seconds since midnight (0 to 86400); larghezzaMappa: width of the
// map in pixels; larghezzaFascia: width of the noon strip in pixels (both strips are
// placed with its half-width).
PosizioneFasce PosizioniFasce(double T, double larghezzaMappa, double larghezzaFascia);
