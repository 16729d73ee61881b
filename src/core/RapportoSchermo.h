// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How large the program may draw on a screen. The windows need 800x600 logical
// pixels; a desktop scaled to 150 % or 200 % shows fewer than that on a screen with
// many more pixels, and the program then draws itself at a lower scale of its own.

#include <QSize>

namespace RapportoSchermo {

// The fewest logical pixels the windows need.
QSize Minimo();

// The device pixel ratio to draw at on a screen of `pixel` device pixels that the
// desktop scales by `rapporto`: the desktop's own when it leaves at least 800x600
// logical pixels, else the largest one that does, never below 1 (a screen with
// fewer than 800x600 pixels keeps the desktop's ratio, and gets the message).
double Adatto(QSize pixel, double rapporto);

} // namespace RapportoSchermo
