// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheets' own random numbers. A worksheet's code brings back the same sheet
// in every later version of the program, so its draws cannot depend on a library's
// generator or distribution, whose sequences may change: this is a fixed xorshift
// generator, seeded through a fixed mixing step, and numbers below a bound are taken
// by a fixed rule.

#include <QtGlobal>

class CasualeScheda {
public:
    // Any seed, zero included, gives a generator that runs.
    explicit CasualeScheda(quint32 seme);

    // The next 32 bits of the sequence.
    quint32 prossimo();
    // A number from 0 to n - 1 (n at least 1).
    int sotto(int n);

private:
    quint32 m_stato;
};
