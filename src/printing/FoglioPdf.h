// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cut-out sheet saved as a PDF file instead of printed, for a family without a
// printer: the same drawing as the printed page, on one A4 portrait page in
// millimetres, to print later anywhere.

#include <QString>
#include <functional>

#include "ComposizioneFoglio.h"
#include "Printers.h"

class QPainter;

namespace Foglio {

// The file proposed in the save question.
inline constexpr const char* kNomePdf = "Orologio da ritagliare.pdf";

// The border left round the drawing on the saved page, in millimetres: what almost
// every printer can print within, so the file printed at its real size loses nothing.
inline constexpr double kMarginePdf = 5;

// Width of the drawing area of the saved page: the dial stands in its middle.
inline constexpr double kLarghezzaPdf = 210 - 2 * kMarginePdf;

// Draws the sheet with `opzioni` (whose printable width is set here) and writes it
// to `file`, replacing it whole or leaving what was there untouched. Empty on
// success; otherwise what went wrong and what to do, in plain Italian, for the
// child's parents.
QString SalvaPdf(const QString& file, OpzioniFoglio opzioni);

// Draws on A4 portrait pages in millimetres with the border above: origin at the
// top-left corner of the drawing area, `larghezza` its width in millimetres. A drawing
// of several pages starts each next one with newPage() on the painter's device
// (a QPagedPaintDevice).
using DisegnoPdf = std::function<PrintError(QPainter& painter, double larghezza)>;

// Any drawing saved as SalvaPdf saves the sheet, with the document's title `titolo`.
QString SalvaDisegnoPdf(const QString& file, const QString& titolo, const DisegnoPdf& disegno);

} // namespace Foglio
