// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the print spooler's answers mean for the child's page: the spooler speaks
// IPP (status codes, printer and job states, state reasons), the print window
// speaks the program's own print errors. The numbers below are IPP's own, so this
// mapping needs no CUPS library and is tested on its own.

#include <QStringList>

#include "Printers.h"

namespace SpoolerAnswers {

// printer-state
inline constexpr int PrinterIdle = 3;
inline constexpr int PrinterProcessing = 4;
inline constexpr int PrinterStoppedState = 5;

// job-state
inline constexpr int JobPending = 3;
inline constexpr int JobHeld = 4;
inline constexpr int JobProcessing = 5;
inline constexpr int JobProcessingStopped = 6;
inline constexpr int JobCanceled = 7;
inline constexpr int JobAbortedState = 8;
inline constexpr int JobCompleted = 9;

// The status codes that mean something particular here; every other code of the
// client-error (0x04xx) and server-error (0x05xx) ranges is a plain refusal.
inline constexpr int StatusOk = 0x0000;
inline constexpr int StatusLastSuccess = 0x00FF;
inline constexpr int StatusForbidden = 0x0401;
inline constexpr int StatusNotAuthenticated = 0x0402;
inline constexpr int StatusNotAuthorized = 0x0403;
inline constexpr int StatusNotFound = 0x0406;
inline constexpr int StatusGone = 0x0407;
inline constexpr int StatusServiceUnavailable = 0x0502;
inline constexpr int StatusDeviceError = 0x0504;
inline constexpr int StatusNotAcceptingJobs = 0x0506;
inline constexpr int StatusJobCanceled = 0x0508;
inline constexpr int StatusPrinterDeactivated = 0x050A;
inline constexpr int StatusAuthenticationCanceled = 0x1000; // CUPS: the user gave up typing a password

// The steps of handing a page over.
enum class Step {
    CreateJob,    // asking the printer for a new job
    SendDocument, // sending the page into the job
};

// The printer as the spooler describes it before a job is asked for: a stopped
// queue keeps jobs without printing them, a queue that does not accept jobs
// refuses them. A printer state of 0 means the spooler did not say.
PrintError forPrinter(int printerState, bool acceptingJobs);

// The spooler's status at a step; None for the success codes.
PrintError forStatus(Step step, int status);

// The job just handed over, from its state and state reasons. `settled` comes back
// true when the answer will not change by waiting longer: the job is done, has
// been given up, or waits on a stopped printer. A job still pending or printing is
// not settled and is no error: the page is in the spooler's hands.
PrintError forJob(int jobState, const QStringList& reasons, bool& settled);

} // namespace SpoolerAnswers
