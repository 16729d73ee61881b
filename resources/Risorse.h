// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own resources, asked for by number as the windows know them
// (101 a sound, 200 + h the globe of hour h, 301 the first saying, ...) or, for
// the pictures that have no number, by name. Everything is built into the program.

#include <QCursor>
#include <QImage>
#include <QSize>
#include <QString>

namespace Risorse {

// The path inside the program of sound `id` (101 to 109), or empty.
QString percorsoSuono(int id);

// Bitmap `id`: the globes 200..223, the world map 230, the alarm-clock faces
// 231..236 and the paper fastener 237, at their own size in logical pixels, for a
// screen of device-pixel ratio `dpr`. The globes and the map exist at 1x, 2x and 3x:
// the one for the next ratio up comes (2x for 1.5), with its device-pixel ratio set.
// A null image for other numbers.
QImage bitmap(int id, qreal dpr = 1.0);

// Which of the globe and map pictures fits ratio `dpr`: 1, 2 or 3.
int FattoreFoto(qreal dpr);

// A named picture rendered at `size` logical pixels (its own size when empty)
// for a screen of device-pixel ratio `dpr`. Renders are cached.
QImage figura(const QString& nome, QSize size = {}, qreal dpr = 1.0);

// The resource path of a named picture, or empty.
QString percorsoFigura(const QString& nome);

// String `id`: the sayings 301..322 and the curiosity text 350; empty for others.
// Line breaks are CR LF.
QString stringa(int id);

// Cursor `id`: 101, the hand pointer.
QCursor cursore(int id);

} // namespace Risorse
