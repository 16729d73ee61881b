// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's default printer.
//
// A job is a drawing on A4 portrait pages, made by a function the caller hands over.
// Where the program is built with CUPS the pages go to the spooler through CUPS's own
// interface, which tells whether the spooler took them (CupsPrintJob); elsewhere they
// go through Qt's print support (QtPrintJob). Talking to the spooler can take long or
// hang: the windows hand a job over with ConsegnaStampa, which keeps it off their
// thread and gives up after a time limit.

#include <QString>
#include <atomic>
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
    SpoolerNoAnswer = 13,  // the print service of the system is there but does not answer in time
};

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // Width of the printable area in millimetres.
    virtual double printableWidthMm() const = 0;
    // Where the printable area starts on the sheet, in millimetres.
    virtual double leftMarginMm() const = 0;
    virtual double topMarginMm() const = 0;
    // Draws the pages with `draw` (painter origin at the top-left corner of the
    // printable area, in the device's own units) and sends them to the printer.
    // When `draw` or the printer fails, the document is cancelled and nothing is
    // printed; the error is returned. May wait on the spooler.
    virtual PrintError print(const std::function<PrintError(QPainter&)>& draw) = 0;

    // print() in two halves, for a caller that keeps the spooler off the windows'
    // thread: render() draws the pages on the caller's thread and keeps them; send()
    // hands them to the printer, on any thread, and gives up (SpoolerNoAnswer) soon
    // after `stop` is set. A job that cannot split its work prints whole in render().
    virtual PrintError render(const std::function<PrintError(QPainter&)>& draw) { return print(draw); }
    virtual PrintError send(const std::atomic<bool>& stop)
    {
        (void)stop;
        return PrintError::None;
    }
    // True once the spooler has the whole document: what is left of send() is short,
    // and stopping it would no longer keep the page from printing. Safe on any thread.
    virtual bool handedOver() const { return false; }
};

class Printers {
public:
    virtual ~Printers() = default;
    // Chooses the default printer and sets it up for A4 portrait pages.
    // Null with `error` set when that is not possible. May wait on the spooler.
    virtual std::unique_ptr<PrintJob> openDefault(PrintError& error) = 0;
    // The same, giving up (SpoolerNoAnswer) soon after `stop` is set; safe on any thread.
    virtual std::unique_ptr<PrintJob> openDefaultUntil(PrintError& error, const std::atomic<bool>& stop)
    {
        (void)stop;
        return openDefault(error);
    }
    // Whether opening and sending may wait on a spooler, and so belong off the
    // windows' thread.
    virtual bool mayWait() const { return false; }
};

// The system's default printer: through CUPS where the program was built with it,
// otherwise through QPrinter.
class RealPrinters : public Printers {
public:
    std::unique_ptr<PrintJob> openDefault(PrintError& error) override;
    std::unique_ptr<PrintJob> openDefaultUntil(PrintError& error, const std::atomic<bool>& stop) override;
    bool mayWait() const override;
};
