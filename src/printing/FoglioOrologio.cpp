// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the cut-out sheet on any paint device: the printer, a PDF, an image.

#include "FoglioOrologio.h"

#include <QPainter>

#include "DisegnoElementi.h"

namespace Foglio {

PrintError DisegnaFoglio(QPainter& p, const OpzioniFoglio& opzioni)
{
    return DisegnaElementi(p, ComponiFoglio(opzioni, MisuraSuDispositivo(p.device())));
}

} // namespace Foglio
