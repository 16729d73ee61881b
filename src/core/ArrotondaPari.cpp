// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrotondaPari.h"

#include <cmath>

int ArrotondaPari(double valore)
{
    // Worked out by hand rather than through the floating-point rounding mode, which
    // a library may have changed.
    const double sotto = std::floor(valore);
    const double resto = valore - sotto;
    double r = sotto;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(sotto, 2.0) != 0.0))
        r = sotto + 1;
    return static_cast<int>(r);
}
