// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfPage.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace PdfPage {

PrintError render(const QPageLayout& layout, int resolution, const QString& title,
                  const std::function<PrintError(QPainter&)>& draw, QByteArray& pdf)
{
    pdf.clear();
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return PrintError::NotSent;
    PrintError e = PrintError::None;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tempolino"));
        writer.setResolution(resolution);
        if (!writer.setPageLayout(layout))
            return PrintError::PaperUnavailable;
        QPainter p;
        if (!p.begin(&writer))
            return PrintError::NotSent;
        e = draw(p);
        // The PDF is finished when the painter ends.
        if (!p.end() && e == PrintError::None)
            e = PrintError::NotSent;
    }
    buffer.close();
    if (e == PrintError::None && pdf.isEmpty())
        e = PrintError::NotSent;
    return e;
}

} // namespace PdfPage
