// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code printed at the foot of a worksheet, which brings the same sheet back:
// nine letters and digits in three groups, "K4T-9QX-2MB".
//
// The code is 45 bits written in base 32 (digits and capital letters without I, L,
// O and U; read back, O is taken for 0 and I and L for 1, small letters for capitals,
// spaces and dashes are ignored). From the first bit: the format's version (3 bits),
// the kinds of item (5 bits, one a kind), the level (3), the wording (1: 24 hours),
// the number of clocks (2: 4, 6, 9, 12), the numerals (2: dots, arabic, roman), the
// seed of the draw (14), then a 15-bit check (CRC-15, polynomial 0x4599, over the 30
// bits before it) that refuses any one wrong character, two neighbours swapped, and
// all but one in 32768 codes made by hand.

#include <QString>

#include "SceltaScheda.h"

struct CodiceScheda {
    // The format written by this version; codes of version 1 up to it are read.
    static constexpr int kVersione = 1;
    // The seeds of the draw: 0 to kSemi - 1.
    static constexpr int kSemi = 1 << 14;

    SceltaScheda scelta;
    int seme = 0;

    // The code in its three groups; the choices must be valid and the seed in range.
    QString testo() const;

    // Reads a code typed back. On success sets `codice` and returns an empty string;
    // otherwise returns one sentence in Italian saying what is wrong, and leaves
    // `codice` as it was.
    static QString Leggi(const QString& testo, CodiceScheda& codice);

    bool operator==(const CodiceScheda&) const = default;
};
