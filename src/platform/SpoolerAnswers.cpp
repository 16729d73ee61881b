// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpoolerAnswers.h"

namespace SpoolerAnswers {

PrintError forPrinter(int printerState, bool acceptingJobs)
{
    if (printerState == PrinterStoppedState)
        return PrintError::PrinterStopped;
    if (!acceptingJobs)
        return PrintError::NotAcceptingJobs;
    return PrintError::None;
}

PrintError forStatus(Step step, int status)
{
    if (status >= StatusOk && status <= StatusLastSuccess)
        return PrintError::None;
    switch (status) {
    case StatusNotAcceptingJobs:
        return PrintError::NotAcceptingJobs;
    case StatusPrinterDeactivated:
        return PrintError::PrinterStopped;
    case StatusServiceUnavailable:
        return PrintError::SpoolerNotRunning;
    case StatusDeviceError:
        return PrintError::PrinterFault;
    case StatusNotFound:
    case StatusGone:
        // The default printer was removed between choosing it and printing.
        return PrintError::NoDefaultPrinter;
    case StatusForbidden:
    case StatusNotAuthenticated:
    case StatusNotAuthorized:
    case StatusAuthenticationCanceled:
        return PrintError::NotAllowed;
    case StatusJobCanceled:
        return PrintError::JobCancelled;
    default:
        return step == Step::CreateJob ? PrintError::JobRefused : PrintError::NotSent;
    }
}

PrintError forJob(int jobState, const QStringList& reasons, bool& settled)
{
    settled = true;
    switch (jobState) {
    case JobCompleted:
        return PrintError::None;
    case JobCanceled:
        return PrintError::JobCancelled;
    case JobAbortedState:
        return PrintError::JobAborted;
    case JobProcessingStopped:
        return PrintError::PrinterStopped;
    case JobPending:
    case JobHeld:
        // A printer that stops on a failure puts its job back in the queue.
        if (reasons.contains(QLatin1String("printer-stopped")))
            return PrintError::PrinterStopped;
        break;
    default:
        break;
    }
    settled = false;
    return PrintError::None;
}

} // namespace SpoolerAnswers
