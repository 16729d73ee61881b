#pragma once
// A print job handed to the CUPS spooler through CUPS's own interface, so that the
// spooler's answer at every step is read: whether the printer exists and is
// accepting jobs, whether the job was created, whether the page went in, and what
// became of the job in its first moments (a job the spooler cancels or gives up at
// once). The page is drawn into a PDF in memory, over the printer's page layout
// and resolution as Qt reads them from the printer's description.

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <memory>

#include "Printers.h"
#include "SpoolerAnswers.h"

class CupsPrintJob : public PrintJob {
public:
    // The job on the default printer, set up for one A4 portrait page; null with
    // `error` set when there is no default printer, the spooler does not answer,
    // or the printer is stopped or refuses jobs.
    static std::unique_ptr<PrintJob> openDefault(PrintError& error);

    double printableWidthMm() const override;
    double leftMarginMm() const override;
    double topMarginMm() const override;
    PrintError print(const std::function<PrintError(QPainter&)>& draw) override;

    // How long the job is watched after the page went in, at most.
    static constexpr int kWatchMs = 2000;

private:
    CupsPrintJob(QByteArray destination, QPageLayout layout, int resolution);

    // Whether the spooler accepts a connection at all.
    static bool spoolerAnswers();
    // The error for a failed request at `step`: the spooler's status, unless the
    // spooler is not there any more.
    static PrintError failure(SpoolerAnswers::Step step, int status);

    PrintError send(const QByteArray& pdf);
    // Looks at the new job for a short time; the error when the spooler cancels or
    // gives it up, or its printer stops.
    PrintError watch();
    void cancel();

    QByteArray m_destination;
    QPageLayout m_layout;
    int m_resolution;
    int m_jobId = 0;
};
