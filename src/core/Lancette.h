// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry of a clock hand: a filled kite with a long point towards the time,
// two corners beside the centre and a short tail behind it.

#include <QPoint>
#include <QRectF>
#include <QRegion>
#include <QString>
#include <array>

// Degrees clockwise from 12 o'clock to radians.
constexpr double kGradiInRadianti = 0.01745328;

// The four corners in face pixels (y downward), in drawing order: right, tail, left, tip.
// L is the length, W the half-width, angolo the direction, R the dial radius (the tail is 0.11 R).
std::array<QPoint, 4> AngoliLancetta(double cx, double cy, int L, int W, double angolo, int R);

// Whether a hand with these corners may colour a pixel of `area` (face pixels): true
// when the kite, grown by `margine` pixels for its outline and smoothed edges, meets it.
bool LancettaTocca(const std::array<QPoint, 4>& angoli, const QRectF& area, double margine);

// Where a hand that moved from corners `prima` to corners `dopo` may have changed
// pixels (face pixels): along the sides that moved, outline and smoothed edge included.
QRegion ZonaSpostamento(const std::array<QPoint, 4>& prima, const std::array<QPoint, 4>& dopo);

// The value label of a hand: " 09 h ", " 30 m ", " 05 s ".
QString EtichettaLancetta(int valore, QChar unita);
