#pragma once
// The cut-out sheet saved as a PDF file instead of printed, for a family without a
// printer: the same drawing as the printed page, on one A4 portrait page in
// millimetres, to print later anywhere.

#include <QString>

#include "ComposizioneFoglio.h"

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
// success; otherwise what went wrong, in Italian, for the child's parents.
QString SalvaPdf(const QString& file, OpzioniFoglio opzioni);

} // namespace Foglio
