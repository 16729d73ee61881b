// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints composed elements (circles, lines, texts, pictures in millimetres) on any
// paint device: the printer, a PDF, an image, a widget. Every printed sheet of the
// program goes through here.

#include <QVector>

#include "ComposizioneFoglio.h"
#include "Printers.h"

class QPainter;

namespace Foglio {

// Paints `elementi` with `p`, whose origin is the top-left corner of the printable
// area and whose units are the device's own. Returns SheetIncomplete when an
// essential picture is missing from the program; otherwise None.
PrintError DisegnaElementi(QPainter& p, const QVector<Elemento>& elementi);

} // namespace Foglio
