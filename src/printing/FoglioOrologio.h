// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painting the printed sheet composed by ComponiFoglio on any paint device: the
// printer, a PDF, an image.

#include "ComposizioneFoglio.h"
#include "Printers.h"

class QPainter;

namespace Foglio {

// Paints the sheet with `p`, whose origin is the top-left corner of the printable area
// and whose units are the device's own. Returns SheetIncomplete when an essential
// picture is missing from the program; otherwise None.
PrintError DisegnaFoglio(QPainter& p, const OpzioniFoglio& opzioni);

} // namespace Foglio
