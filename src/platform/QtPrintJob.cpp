// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrintJob.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>

#include "PdfPage.h"

namespace {

bool inErrore(QPrinter::PrinterState s)
{
    return s == QPrinter::Error || s == QPrinter::Aborted;
}

const QString kTitolo = QStringLiteral("Tempolino - orologio da ritagliare");

} // namespace

std::unique_ptr<PrintJob> QtPrintJob::openDefault(PrintError& error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        error = PrintError::NoDefaultPrinter;
        return nullptr;
    }
    if (inErrore(info.state())) {
        error = PrintError::PrinterFault;
        return nullptr;
    }
    auto job = std::make_unique<QtPrintJob>(info);
    error = job->setUp();
    if (error != PrintError::None)
        return nullptr;
    return job;
}

QtPrintJob::QtPrintJob(const QPrinterInfo& info) : m_printer(info, QPrinter::HighResolution) {}

PrintError QtPrintJob::setUp()
{
    if (!m_printer.isValid())
        return PrintError::JobRefused;
    m_printer.setDocName(kTitolo);
    m_printer.setCreator(QStringLiteral("Tempolino"));
    m_printer.setFullPage(false);
    m_printer.setCopyCount(1);
    if (!m_printer.setPageSize(QPageSize(QPageSize::A4)) || !m_printer.setPageOrientation(QPageLayout::Portrait))
        return PrintError::PaperUnavailable;
    if (inErrore(m_printer.printerState()))
        return PrintError::PrinterFault;
    return PrintError::None;
}

double QtPrintJob::printableWidthMm() const
{
    return paintRectMm().width();
}

double QtPrintJob::leftMarginMm() const
{
    return paintRectMm().left();
}

double QtPrintJob::topMarginMm() const
{
    return paintRectMm().top();
}

QRectF QtPrintJob::paintRectMm() const
{
    return m_printer.pageLayout().paintRect(QPageLayout::Millimeter);
}

PrintError QtPrintJob::print(const std::function<PrintError(QPainter&)>& draw)
{
    // First a trial page in memory, with the printer's page and resolution: the
    // printer's document is started only once the whole page has been drawn
    // without error, so a failure of ours never leaves half a page in the queue.
    {
        QByteArray prova;
        const PrintError e = PdfPage::render(m_printer.pageLayout(), m_printer.resolution(), kTitolo, draw, prova);
        if (e != PrintError::None)
            return e;
    }

    QPainter p;
    if (!p.begin(&m_printer))
        return PrintError::JobRefused;
    PrintError e = draw(p);
    if (e == PrintError::None && inErrore(m_printer.printerState()))
        e = PrintError::PrinterFault;
    if (e != PrintError::None) {
        // Cancel the document. Only the engines that talk to the printer while
        // the page is drawn can fail here, and those can abort; the engines that
        // spool the page hand it over only when the painter ends.
        m_printer.abort();
        p.end();
        return e;
    }
    if (!p.end() || inErrore(m_printer.printerState()))
        return PrintError::NotSent;
    return PrintError::None;
}
