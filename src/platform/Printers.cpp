#include "Printers.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

bool inErrore(QPrinter::PrinterState s)
{
    return s == QPrinter::Error || s == QPrinter::Aborted;
}

class RealPrintJob : public PrintJob {
public:
    explicit RealPrintJob(const QPrinterInfo& info) : m_printer(info, QPrinter::HighResolution) {}

    PrintError setUp()
    {
        if (!m_printer.isValid())
            return PrintError::JobRefused;
        m_printer.setDocName(QStringLiteral("Tempolino - orologio da ritagliare"));
        m_printer.setCreator(QStringLiteral("Tempolino"));
        m_printer.setFullPage(false);
        m_printer.setCopyCount(1);
        if (!m_printer.setPageSize(QPageSize(QPageSize::A4))
            || !m_printer.setPageOrientation(QPageLayout::Portrait))
            return PrintError::PaperUnavailable;
        if (inErrore(m_printer.printerState()))
            return PrintError::PrinterFault;
        return PrintError::None;
    }

    double printableWidthMm() const override { return paintRectMm().width(); }
    double leftMarginMm() const override { return paintRectMm().left(); }
    double topMarginMm() const override { return paintRectMm().top(); }

    PrintError print(const std::function<PrintError(QPainter&)>& draw) override
    {
        // First a trial page in memory, with the printer's page and resolution: the
        // printer's document is started only once the whole page has been drawn
        // without error, so a failure of ours never leaves half a page in the queue.
        {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter prova(&buffer);
            prova.setPageLayout(m_printer.pageLayout());
            prova.setResolution(m_printer.resolution());
            QPainter p;
            if (!p.begin(&prova))
                return PrintError::NotSent;
            const PrintError e = draw(p);
            p.end();
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
            // spool the page (CUPS) hand it over only when the painter ends.
            m_printer.abort();
            p.end();
            return e;
        }
        if (!p.end() || inErrore(m_printer.printerState()))
            return PrintError::NotSent;
        return PrintError::None;
    }

private:
    QRectF paintRectMm() const { return m_printer.pageLayout().paintRect(QPageLayout::Millimeter); }

    QPrinter m_printer;
};

} // namespace

std::unique_ptr<PrintJob> RealPrinters::openDefault(PrintError& error)
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
    auto job = std::make_unique<RealPrintJob>(info);
    error = job->setUp();
    if (error != PrintError::None)
        return nullptr;
    return job;
}
