// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry of moving the hands with the pointer or the keyboard: which hand a
// press grabs, the angle of a point around the centre, the whole minute a hand points at
// from an angle, and the adjustment steps (see PassoOra.h) that carry a hand from the
// shown time to where the child points. The steps are those of the four buttons, so
// carrying the minute hand past 12 moves the hour on or back and the hours go round
// the 24-hour day. The two hands are geared as on a teaching clock: turning the short
// hand moves the time in minutes and the long hand turns with it.

#include <QPoint>
#include <QPointF>
#include <Qt>
#include <array>

enum class Lancetta { Nessuna, Ore, Minuti };

// A press further than this from both hands grabs nothing, in pixels.
constexpr double kTolleranzaPresa = 15;
// Nearer than this to the centre the pointer's angle is too unsteady to move a hand.
constexpr double kRaggioFermo = 8;

// The hour and the minute hand as the face draws them for a shown time: their corners
// in face pixels (y downward) and the centre they turn about.
struct FormaLancette {
    QPointF centro;
    std::array<QPoint, 4> ore;
    std::array<QPoint, 4> minuti;
};

// The hands of the face of radius R with hand factor F at the shown time T.
FormaLancette FormaDelleLancette(QPointF centro, int R, float F, float T);

// How far p lies from a hand drawn with these corners: 0 on or inside it.
double DistanzaDaLancetta(QPointF p, const std::array<QPoint, 4>& angoli);

// The hand a press at p grabs: the nearer of the two within kTolleranzaPresa; where
// both are as near (inside both, near the hub), the one whose tip is nearer.
Lancetta LancettaVicina(const FormaLancette& forma, QPointF p);

// The angle of p around the centre, in degrees clockwise from 12 o'clock, [0, 360).
double AngoloPunto(QPointF centro, QPointF p);

// The angle a hand points at for the shown time T (whole minutes), [0, 360).
double AngoloLancetta(Lancetta lancetta, float T);

// The whole minute, 0 to 59, nearest to where a minute hand at this angle points.
int MinutoDaAngolo(double angolo);

// The minute of the half day, 0 to 719, nearest to where an hour hand at this angle
// points: two minutes for each degree.
int MinutiDaAngoloOre(double angolo);

// The shortest way round the dial from one value to another, in steps (positive
// forward): -29 to 30 minutes on 60, -359 to 360 minutes on the
// half day of the hour hand.
int GiroMinuti(int da, int a);
int GiroMezzaGiornata(int da, int a);

// Steps of the adjustment buttons: `quanti` times the step of button `indice`.
struct Passi {
    int indice = -1;
    int quanti = 0;
    bool operator==(const Passi&) const = default;
};

// A hand grabbed: which, and how far the pointer stood from it, in degrees, so that
// grabbing does not make the hand jump.
struct Presa {
    Lancetta lancetta = Lancetta::Nessuna;
    double scarto = 0;
};

// Grabs the hand near p at the shown time T, or nothing.
Presa Afferra(const FormaLancette& forma, QPointF p, float T);

// The steps that carry the grabbed hand from the shown time T to the pointer at p, the
// shortest way round, in whole minutes: the minute hand to the minute it points at, the
// hour hand to the minute of the half day it points at (the long hand turning with it).
// None when nothing is grabbed or p is at the centre.
Passi Trascina(const Presa& presa, QPointF centro, QPointF p, float T);

// The steps of a key on the focused face: Right or Up a minute forward, Left or Down a
// minute back, with Shift five minutes; Page Up and Page Down an hour. None for any
// other key.
Passi PassiTasto(int tasto, Qt::KeyboardModifiers modificatori);
