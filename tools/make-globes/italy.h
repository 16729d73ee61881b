// SPDX-License-Identifier: GPL-3.0-or-later
// A rough outline of Italy, drawn by hand on a longitude/latitude grid: the
// peninsula with Sicily and Sardinia. On land and sea it runs along the
// borders and through the middle of the seas that part Italy from its
// neighbours (Corsica, Istria, the Balkan coast, Tunisia), so that it keeps
// only Italian land once it is combined with the land mask.
#pragma once

namespace globes {

// True when the point (degrees east, degrees north) lies inside the outline.
bool insideItaly(double lonDeg, double latDeg);

// A point well inside the peninsula, used to tell whether Italy faces the
// viewer on a globe.
inline constexpr double kItalyLon = 12.5;
inline constexpr double kItalyLat = 42.0;

} // namespace globes
