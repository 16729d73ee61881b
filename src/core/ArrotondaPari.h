// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rounding as the program's measures are rounded everywhere.

// Rounds to the nearest whole number, halves to even (2.5 gives 2, 3.5 gives 4).
int ArrotondaPari(double valore);
