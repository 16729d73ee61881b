// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worksheet of the class painted on any paint device: its two pages (the sheet
// and the key "Soluzioni") to the printer or into a PDF, one page to an image for
// the preview.

#include <QString>

#include "ComposizioneScheda.h"
#include "Printers.h"

class QPainter;

namespace Foglio {

// The file proposed in the save question: "Schede K4T-9QX-2MB.pdf".
QString NomePdfScheda(const CodiceScheda& codice);

// One page, the sheet or the key, in a printable area `larghezza` millimetres wide.
PrintError DisegnaPaginaScheda(QPainter& p, const CodiceScheda& codice, const QString& titolo, bool soluzioni,
                               double larghezza);

// Both pages, the key on a new page of the painter's device (a QPagedPaintDevice).
PrintError DisegnaSchede(QPainter& p, const CodiceScheda& codice, const QString& titolo, double larghezza);

// Both pages saved to `file` as SalvaDisegnoPdf saves (whole or nothing). Empty on
// success; otherwise what went wrong and what to do, in Italian.
QString SalvaSchedePdf(const QString& file, const CodiceScheda& codice, const QString& titolo);

} // namespace Foglio
