// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps by which the hands go to the right time when the solution is shown: whole
// hours first, then five minutes at a time, then single minutes, the shorter way round
// the day, so the child sees the short hand travel and the long hand settle.

#include <QVector>

// The times the clock shows one after the other (minutes of the day, 0 to 1439), from
// the one after `da` up to and including `a`; empty when they are the same time.
QVector<int> PassiDellaSoluzione(int da, int a);
