// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own looks for all of its windows, whatever colour scheme the desktop
// has chosen: Qt's Fusion style with its light palette. The windows are designed in
// dark text on light grounds; a dark desktop palette would give them light text on the
// light grounds they set themselves.

class QPalette;

namespace AspettoProgramma {

// The light palette the windows are designed with, every colour of every group set,
// so that nothing of a desktop's palette shows through.
QPalette Tavolozza();

// Sets the style and the palette for the whole program; before any window is made.
void Applica();

} // namespace AspettoProgramma
