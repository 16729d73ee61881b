// SPDX-License-Identifier: GPL-3.0-or-later
#include "RapportoSchermo.h"

#include <algorithm>

namespace RapportoSchermo {

QSize Minimo()
{
    return {800, 600};
}

double Adatto(QSize pixel, double rapporto)
{
    const QSize minimo = Minimo();
    if (pixel.width() < minimo.width() || pixel.height() < minimo.height() || rapporto <= 1.0)
        return rapporto;
    const double massimo = std::min(static_cast<double>(pixel.width()) / minimo.width(),
                                    static_cast<double>(pixel.height()) / minimo.height());
    return std::clamp(massimo, 1.0, rapporto);
}

} // namespace RapportoSchermo
