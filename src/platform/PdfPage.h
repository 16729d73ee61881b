// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One page drawn into a PDF in memory, with a printer's page layout and resolution:
// the page handed to the spooler, or a trial of it before a printer's document is
// started.

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

#include "Printers.h"

class QPainter;

namespace PdfPage {

// Draws the page with `draw` (origin at the top-left corner of the printable area,
// in the units of `resolution` dots per inch) into `pdf`. Returns the error of
// `draw`, or NotSent when the PDF cannot be made; `pdf` is complete only on None.
PrintError render(const QPageLayout& layout, int resolution, const QString& title,
                  const std::function<PrintError(QPainter&)>& draw, QByteArray& pdf);

} // namespace PdfPage
