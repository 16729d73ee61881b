// SPDX-License-Identifier: GPL-3.0-or-later
#include "Printers.h"

#include "QtPrintJob.h"
#if TEMPOLINO_CUPS
#include "CupsPrintJob.h"
#endif

std::unique_ptr<PrintJob> RealPrinters::openDefault(PrintError& error)
{
    const std::atomic<bool> mai{false};
    return openDefaultUntil(error, mai);
}

std::unique_ptr<PrintJob> RealPrinters::openDefaultUntil(PrintError& error, const std::atomic<bool>& stop)
{
#if TEMPOLINO_CUPS
    return CupsPrintJob::openDefault(error, stop);
#else
    (void)stop;
    return QtPrintJob::openDefault(error);
#endif
}

bool RealPrinters::mayWait() const
{
    // Qt's print support talks to the spooler on the thread that draws: it stays there.
#if TEMPOLINO_CUPS
    return true;
#else
    return false;
#endif
}
