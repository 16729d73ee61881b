// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A print job through QPrinter on the system's default printer: the path of
// systems without CUPS. Qt's print engines hand the page over without telling
// whether the spooler took it, so only the failures Qt reports are caught here.

#include <QPrinter>
#include <memory>

#include "Printers.h"

class QPrinterInfo;

class QtPrintJob : public PrintJob {
public:
    // The job on the default printer, set up for one A4 portrait page; null with
    // `error` set when there is no printer or it cannot be set up.
    static std::unique_ptr<PrintJob> openDefault(PrintError& error);

    explicit QtPrintJob(const QPrinterInfo& info);

    double printableWidthMm() const override;
    double leftMarginMm() const override;
    double topMarginMm() const override;
    PrintError print(const std::function<PrintError(QPainter&)>& draw) override;

private:
    PrintError setUp();
    QRectF paintRectMm() const;

    QPrinter m_printer;
};
