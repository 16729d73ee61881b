// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the small globes and of the flat world map from the surface
// mask. Both pictures use a palette of at most 16 colours.
#pragma once

#include "surfacemask.h"

#include <QImage>

namespace globes {

inline constexpr int kGlobeSize = 77;
inline constexpr int kMapWidth = 355;
inline constexpr int kMapHeight = 176;

// Meridian in the middle of the world map: the one of Italian time.
inline constexpr double kMapCentreLon = 15.0;

// Longitude where the Sun stands overhead at hour `hour` (0..23) of Italian
// standard time, UTC+1: 15 degrees east at noon, moving 15 degrees west
// every hour. The result is folded into -180..180.
double subSolarLongitude(int hour);

// Orthographic view of the Earth centred on `centreLon`, seen from a little
// north of the equator (`tiltDeg` degrees), kGlobeSize pixels across times
// `scale` (1, or 2 and 3 for screens of that many device pixels to a pixel).
// Outside the disc is transparent. Italy is painted red whenever it faces the
// viewer. The outline is `scale` pixels wide, so it looks the same at any scale.
QImage renderGlobe(const SurfaceMask& mask, double centreLon, double tiltDeg, int scale = 1);

// Equirectangular world map, kMapWidth x kMapHeight times `scale`, whose middle
// column is the meridian kMapCentreLon. Sea is blue with a faint line on every
// 15th meridian, land green, ice white and Italy red; lines and coasts are
// `scale` pixels wide.
QImage renderWorldMap(const SurfaceMask& mask, int scale = 1);

} // namespace globes
