// SPDX-License-Identifier: GPL-3.0-or-later
#include "CupsPrintJob.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPageSize>
#include <QRectF>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cups/cups.h>
#include <thread>

#include "PdfPage.h"

using namespace SpoolerAnswers;

// The mapping speaks IPP's numbers; they are the library's too.
static_assert(PrinterStoppedState == IPP_PSTATE_STOPPED);
static_assert(JobPending == IPP_JSTATE_PENDING);
static_assert(JobHeld == IPP_JSTATE_HELD);
static_assert(JobProcessing == IPP_JSTATE_PROCESSING);
static_assert(JobProcessingStopped == IPP_JSTATE_STOPPED);
static_assert(JobCanceled == IPP_JSTATE_CANCELED);
static_assert(JobAbortedState == IPP_JSTATE_ABORTED);
static_assert(JobCompleted == IPP_JSTATE_COMPLETED);
static_assert(StatusOk == IPP_STATUS_OK);
static_assert(StatusForbidden == IPP_STATUS_ERROR_FORBIDDEN);
static_assert(StatusNotAuthenticated == IPP_STATUS_ERROR_NOT_AUTHENTICATED);
static_assert(StatusNotAuthorized == IPP_STATUS_ERROR_NOT_AUTHORIZED);
static_assert(StatusNotFound == IPP_STATUS_ERROR_NOT_FOUND);
static_assert(StatusGone == IPP_STATUS_ERROR_GONE);
static_assert(StatusServiceUnavailable == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE);
static_assert(StatusDeviceError == IPP_STATUS_ERROR_DEVICE);
static_assert(StatusNotAcceptingJobs == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS);
static_assert(StatusJobCanceled == IPP_STATUS_ERROR_JOB_CANCELED);
static_assert(StatusPrinterDeactivated == IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED);
static_assert(StatusAuthenticationCanceled == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED);

namespace {

const char* const kTitolo = "Tempolino - orologio da ritagliare";

// How long to wait for the spooler to accept a connection.
constexpr int kConnectMs = 1500;
// How often a wait for the spooler looks whether it should end.
constexpr double kGuardaOgniSecondi = 0.2;
// How often the new job is looked at while it is watched.
constexpr int kWatchStepMs = 100;
// The border Qt's print support leaves by default: 10 points.
constexpr double kMargineMinimoMm = 10 * 25.4 / 72;
// The resolution the pages are drawn at, as Qt's print support draws them: the PDF is
// lines and text, and the pictures bring their own resolution.
constexpr int kRisoluzione = 1200;

qint64 Adesso()
{
    return QDeadlineTimer::current().deadline();
}

// The A4 page as the printer describes it: the sheet less the margins it cannot print on.
bool LayoutDellaStampante(http_t* http, cups_dest_t* dest, QPageLayout& layout)
{
    cups_dinfo_t* info = cupsCopyDestInfo(http, dest);
    if (!info)
        return false;
    cups_size_t misura;
    const bool trovata = cupsGetDestMediaByName(http, dest, info, CUPS_MEDIA_A4, CUPS_MEDIA_FLAGS_DEFAULT, &misura);
    cupsFreeDestInfo(info);
    if (!trovata)
        return false;
    // Hundredths of a millimetre; a sheet that is not A4 after all is refused.
    if (std::abs(misura.width - 21000) > 100 || std::abs(misura.length - 29700) > 100)
        return false;
    // At least the border Qt's print support leaves by default (10 points), also on a
    // printer that says it prints to the edge: the page is laid out as it always was.
    const auto lato = [](int centesimi) { return std::max(centesimi / 100.0, kMargineMinimoMm); };
    const QMarginsF margini(lato(misura.left), lato(misura.top), lato(misura.right), lato(misura.bottom));
    layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margini, QPageLayout::Millimeter);
    return layout.isValid();
}

} // namespace

http_t* CupsPrintJob::connetti(Attesa& attesa)
{
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectMs, nullptr);
    if (http)
        httpSetTimeout(http, kGuardaOgniSecondi, &CupsPrintJob::continuaAttesa, &attesa);
    return http;
}

int CupsPrintJob::continuaAttesa(http_t*, void* dati)
{
    auto* a = static_cast<Attesa*>(dati);
    const bool basta = (a->stop && a->stop->load()) || (a->scadenza != 0 && Adesso() >= a->scadenza);
    if (basta)
        a->interrotta = true;
    return basta ? 0 : 1;
}

std::unique_ptr<PrintJob> CupsPrintJob::openDefault(PrintError& error, const std::atomic<bool>& stop)
{
    auto attesa = std::make_unique<Attesa>();
    attesa->stop = &stop;
    http_t* http = connetti(*attesa);
    if (!http) {
        error = PrintError::SpoolerNotRunning;
        return nullptr;
    }
    const auto chiudi = [&http] {
        httpClose(http);
        http = nullptr;
    };
    cups_dest_t* dest = cupsGetNamedDest(http, nullptr, nullptr);
    if (!dest) {
        // Without the spooler there is no default printer either; say which it is.
        error = attesa->interrotta ? PrintError::SpoolerNoAnswer
            : spoolerAnswers()     ? PrintError::NoDefaultPrinter
                                   : PrintError::SpoolerNotRunning;
        chiudi();
        return nullptr;
    }
    const QByteArray nome(dest->name);
    const char* stato = cupsGetOption("printer-state", dest->num_options, dest->options);
    const char* accetta = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const int statoStampante = stato ? QByteArray(stato).toInt() : 0;
    const bool accettaLavori = !accetta || qstrcmp(accetta, "false") != 0;

    error = forPrinter(statoStampante, accettaLavori);
    QPageLayout layout;
    if (error == PrintError::None && !LayoutDellaStampante(http, dest, layout))
        error = attesa->interrotta ? PrintError::SpoolerNoAnswer : PrintError::PaperUnavailable;
    cupsFreeDests(1, dest);
    if (error != PrintError::None) {
        chiudi();
        return nullptr;
    }
    std::unique_ptr<CupsPrintJob> job(new CupsPrintJob(http, nome, layout, kRisoluzione));
    job->m_attesa = std::move(attesa);
    return job;
}

CupsPrintJob::CupsPrintJob(http_t* http, QByteArray destination, QPageLayout layout, int resolution)
    : m_http(http), m_destination(std::move(destination)), m_layout(std::move(layout)), m_resolution(resolution)
{
}

CupsPrintJob::~CupsPrintJob()
{
    httpClose(m_http);
}

double CupsPrintJob::printableWidthMm() const
{
    return m_layout.paintRect(QPageLayout::Millimeter).width();
}

double CupsPrintJob::leftMarginMm() const
{
    return m_layout.paintRect(QPageLayout::Millimeter).left();
}

double CupsPrintJob::topMarginMm() const
{
    return m_layout.paintRect(QPageLayout::Millimeter).top();
}

bool CupsPrintJob::spoolerAnswers()
{
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectMs, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

PrintError CupsPrintJob::failure(Step step, int status) const
{
    if (m_attesa->interrotta)
        return PrintError::SpoolerNoAnswer;
    if (!spoolerAnswers())
        return PrintError::SpoolerNotRunning;
    const PrintError e = forStatus(step, status);
    return e != PrintError::None ? e : (step == Step::CreateJob ? PrintError::JobRefused : PrintError::NotSent);
}

PrintError CupsPrintJob::print(const std::function<PrintError(QPainter&)>& draw)
{
    const PrintError e = render(draw);
    if (e != PrintError::None)
        return e;
    const std::atomic<bool> mai{false};
    return send(mai);
}

PrintError CupsPrintJob::render(const std::function<PrintError(QPainter&)>& draw)
{
    // The whole document is drawn before the spooler hears of it, so a failure of ours
    // never leaves a job in the queue.
    m_pdf.clear();
    return PdfPage::render(m_layout, m_resolution, QString::fromUtf8(kTitolo), draw, m_pdf);
}

PrintError CupsPrintJob::send(const std::atomic<bool>& stop)
{
    if (m_pdf.isEmpty())
        return PrintError::NotSent;
    m_attesa->stop = &stop;
    m_attesa->interrotta = false;
    const PrintError e = consegna();
    if (e != PrintError::None)
        return e;
    return watch();
}

PrintError CupsPrintJob::consegna()
{
    // The paper as Qt's own print engine asks for it; everything else is the printer's default.
    cups_option_t* opzioni = nullptr;
    int numOpzioni = cupsAddOption("media", "A4", 0, &opzioni);
    m_jobId = cupsCreateJob(m_http, m_destination.constData(), kTitolo, numOpzioni, opzioni);
    cupsFreeOptions(numOpzioni, opzioni);
    if (m_jobId == 0)
        return failure(Step::CreateJob, cupsLastError());

    if (cupsStartDocument(m_http, m_destination.constData(), m_jobId, kTitolo, CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE) {
        const PrintError e = failure(Step::SendDocument, cupsLastError());
        cancel();
        return e;
    }
    constexpr qsizetype kPezzo = 64 * 1024;
    bool scritto = true;
    for (qsizetype da = 0; da < m_pdf.size() && scritto; da += kPezzo) {
        const size_t quanto = static_cast<size_t>(qMin(kPezzo, m_pdf.size() - da));
        scritto = cupsWriteRequestData(m_http, m_pdf.constData() + da, quanto) == HTTP_STATUS_CONTINUE;
    }
    // Finishing reads the spooler's answer to the whole document, also after a failed write.
    const ipp_status_t esito = cupsFinishDocument(m_http, m_destination.constData());
    PrintError e = PrintError::None;
    if (esito > StatusLastSuccess)
        e = failure(Step::SendDocument, esito);
    else if (!scritto)
        e = failure(Step::SendDocument, cupsLastError());
    if (e != PrintError::None)
        cancel();
    else
        m_consegnato = true;
    return e;
}

PrintError CupsPrintJob::watch()
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", m_jobId);
    static const char* const kAttributi[] = {"job-state", "job-state-reasons"};

    // The pages are in the spooler's hands: from here on the job is only looked at, and
    // for a short time whatever the spooler does.
    m_attesa->scadenza = Adesso() + kWatchMs;
    QElapsedTimer tempo;
    tempo.start();
    for (;;) {
        ipp_t* richiesta = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
        ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ippAddStrings(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                      static_cast<int>(std::size(kAttributi)), nullptr, kAttributi);
        ipp_t* risposta = cupsDoRequest(m_http, richiesta, "/");
        // When the spooler cannot say more about the job, there is nothing the child
        // could do about it.
        if (!risposta || cupsLastError() > StatusLastSuccess) {
            ippDelete(risposta);
            return PrintError::None;
        }
        ipp_attribute_t* stato = ippFindAttribute(risposta, "job-state", IPP_TAG_ENUM);
        ipp_attribute_t* motivi = ippFindAttribute(risposta, "job-state-reasons", IPP_TAG_KEYWORD);
        const int statoLavoro = stato ? ippGetInteger(stato, 0) : 0;
        QStringList ragioni;
        for (int i = 0; motivi && i < ippGetCount(motivi); ++i)
            ragioni << QString::fromUtf8(ippGetString(motivi, i, nullptr));
        ippDelete(risposta);

        bool deciso = false;
        const PrintError e = forJob(statoLavoro, ragioni, deciso);
        if (deciso) {
            // A job waiting on a stopped printer would come out later, unasked for.
            if (e != PrintError::None && statoLavoro < IPP_JSTATE_CANCELED)
                cancel();
            return e;
        }
        if (tempo.elapsed() >= kWatchMs || m_attesa->stop->load())
            return PrintError::None;
        std::this_thread::sleep_for(std::chrono::milliseconds(kWatchStepMs));
    }
}

void CupsPrintJob::cancel()
{
    if (m_jobId == 0)
        return;
    // Also after the spooler stopped answering: one more short try, so that a job left
    // behind does not print later, unasked for.
    const qint64 scadenza = m_attesa->scadenza;
    const std::atomic<bool>* stop = m_attesa->stop;
    const std::atomic<bool> mai{false};
    m_attesa->stop = &mai;
    m_attesa->scadenza = Adesso() + 1000;
    cupsCancelJob2(m_http, m_destination.constData(), m_jobId, 0);
    m_attesa->stop = stop;
    m_attesa->scadenza = scadenza;
}
