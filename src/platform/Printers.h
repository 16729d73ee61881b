#pragma once
// The system's default printer.
//
// A job is one A4 portrait page, drawn by a function the caller hands over. Where
// the program is built with CUPS the page goes to the spooler through CUPS's own
// interface, which tells whether the spooler took it (CupsPrintJob); elsewhere it
// goes through Qt's print support (QtPrintJob).

#include <QString>
#include <functional>
#include <memory>

class QPainter;

// What can go wrong while printing; the numbers are the ones the child's parents
// read in the error message (their descriptions are in ErroriStampa.h).
enum class PrintError : int {
    None = 0,
    NoDefaultPrinter = 1,  // no default printer is installed
    JobRefused = 2,        // the printer did not take the job
    PaperUnavailable = 3,  // A4 portrait cannot be chosen on the printer
    PrinterFault = 4,      // the printer reports a fault (before or while drawing)
    SheetIncomplete = 5,   // a picture of the sheet is missing from the program
    NotSent = 6,           // the finished page could not be handed to the printer
    PrinterStopped = 7,    // the printer's queue is stopped (paused, or stopped by a failure)
    NotAcceptingJobs = 8,  // the printer's queue is set to refuse new jobs
    SpoolerNotRunning = 9, // the print service of the system does not answer
    JobCancelled = 10,     // the spooler cancelled the job as soon as it had it
    JobAborted = 11,       // the spooler gave the job up at once because of an error
    NotAllowed = 12,       // this user may not print on the printer
};

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // Width of the printable area in millimetres.
    virtual double printableWidthMm() const = 0;
    // Where the printable area starts on the sheet, in millimetres.
    virtual double leftMarginMm() const = 0;
    virtual double topMarginMm() const = 0;
    // Draws the page with `draw` (painter origin at the top-left corner of the
    // printable area, in the device's own units) and sends it to the printer.
    // When `draw` or the printer fails, the document is cancelled and nothing is
    // printed; the error is returned.
    virtual PrintError print(const std::function<PrintError(QPainter&)>& draw) = 0;
};

class Printers {
public:
    virtual ~Printers() = default;
    // Chooses the default printer and sets it up for one A4 portrait page.
    // Null with `error` set when that is not possible.
    virtual std::unique_ptr<PrintJob> openDefault(PrintError& error) = 0;
};

// The system's default printer: through CUPS where the program was built with it,
// otherwise through QPrinter.
class RealPrinters : public Printers {
public:
    std::unique_ptr<PrintJob> openDefault(PrintError& error) override;
};
