#include "Printers.h"

#include "QtPrintJob.h"
#if TEMPOLINO_CUPS
#include "CupsPrintJob.h"
#endif

std::unique_ptr<PrintJob> RealPrinters::openDefault(PrintError& error)
{
#if TEMPOLINO_CUPS
    return CupsPrintJob::openDefault(error);
#else
    return QtPrintJob::openDefault(error);
#endif
}
