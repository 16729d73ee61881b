// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A print job handed to the CUPS spooler through CUPS's own interface, so that the
// spooler's answer at every step is read: whether the printer exists and is
// accepting jobs, whether the job was created, whether the pages went in, and what
// became of the job in its first moments (a job the spooler cancels or gives up at
// once). The pages are drawn into a PDF in memory, over the page layout and at the
// resolution the printer describes for A4.
//
// Every request goes over a connection of the job's own whose waits are cut short as
// soon as the caller says stop: a spooler that takes connections but never answers
// (stopped, or busy for ever) holds the job only until then. The requests wait; the
// windows make them from another thread (ConsegnaStampa).

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <atomic>
#include <memory>

#include "Printers.h"
#include "SpoolerAnswers.h"

typedef struct _http_s http_t;

class CupsPrintJob : public PrintJob {
public:
    // The job on the default printer, set up for A4 portrait pages; null with `error`
    // set when there is no default printer, the spooler does not answer (or `stop` was
    // set), or the printer is stopped or refuses jobs.
    static std::unique_ptr<PrintJob> openDefault(PrintError& error, const std::atomic<bool>& stop);
    ~CupsPrintJob() override;
    CupsPrintJob(const CupsPrintJob&) = delete;
    CupsPrintJob& operator=(const CupsPrintJob&) = delete;

    double printableWidthMm() const override;
    double leftMarginMm() const override;
    double topMarginMm() const override;
    PrintError print(const std::function<PrintError(QPainter&)>& draw) override;
    PrintError render(const std::function<PrintError(QPainter&)>& draw) override;
    PrintError send(const std::atomic<bool>& stop) override;
    bool handedOver() const override { return m_consegnato; }

    // How long the job is watched after the pages went in, at most.
    static constexpr int kWatchMs = 2000;

private:
    // Waits on the connection end when `stop` is set, or at the deadline if one is set.
    struct Attesa {
        const std::atomic<bool>* stop = nullptr;
        qint64 scadenza = 0; // ms on a monotonic clock; 0 for none
        bool interrotta = false;
    };

    CupsPrintJob(http_t* http, QByteArray destination, QPageLayout layout, int resolution);

    static http_t* connetti(Attesa& attesa);
    static int continuaAttesa(http_t* http, void* dati);
    // Whether the spooler accepts a connection at all.
    static bool spoolerAnswers();
    // The error for a failed request at `step`: the spooler's status, unless the
    // spooler is not there any more or did not answer in time.
    PrintError failure(SpoolerAnswers::Step step, int status) const;

    PrintError consegna();
    // Looks at the new job for a short time; the error when the spooler cancels or
    // gives it up, or its printer stops.
    PrintError watch();
    void cancel();

    http_t* m_http;
    std::unique_ptr<Attesa> m_attesa;
    QByteArray m_destination;
    QPageLayout m_layout;
    int m_resolution;
    QByteArray m_pdf;
    int m_jobId = 0;
    std::atomic<bool> m_consegnato{false};
};
