// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a printed dial marks the hours: dots, arabic or roman numerals.

enum class StileQuadrante { Punti = 0, Arabi = 1, Romani = 2 };
