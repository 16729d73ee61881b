// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Roman numerals for the dial's hour marks and for the printed dial.

#include <QString>

// Fills the table of values the conversion walks (10 X, 9 IX, 5 V, 4 IV, 1 I).
void InizializzaRomani();
// Empties it again; a later conversion fills it first.
void CancellaRomani();
// The Roman numeral of n (subtractive: 4 is IV, 9 is IX); 0 gives the empty text.
QString NumeroRomano(int n);
