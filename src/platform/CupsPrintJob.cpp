#include "CupsPrintJob.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QTimer>
#include <cups/cups.h>

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
// How often the new job is looked at while it is watched.
constexpr int kWatchStepMs = 100;

// The page layout and resolution of the printer, as Qt reads them from its
// description: the margins the sheet is laid out with.
bool LayoutDellaStampante(const QString& nomeQt, QPageLayout& layout, int& risoluzione)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(nomeQt);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(false);
    // A printer Qt does not see: a plain A4 page.
    if (info.isNull())
        printer.setOutputFormat(QPrinter::PdfFormat);
    if (!printer.setPageSize(QPageSize(QPageSize::A4)) || !printer.setPageOrientation(QPageLayout::Portrait))
        return false;
    layout = printer.pageLayout();
    risoluzione = printer.resolution();
    return true;
}

// Lets the windows repaint for a moment without taking the child's clicks and keys,
// which wait until the print job is over.
void AttendiUnPoco(int ms)
{
    QEventLoop attesa;
    QTimer::singleShot(ms, &attesa, &QEventLoop::quit);
    attesa.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

std::unique_ptr<PrintJob> CupsPrintJob::openDefault(PrintError& error)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) {
        // Without the spooler there is no default printer either; say which it is.
        error = spoolerAnswers() ? PrintError::NoDefaultPrinter : PrintError::SpoolerNotRunning;
        return nullptr;
    }
    const QByteArray nome(dest->name);
    const QString nomeQt = dest->instance
        ? QString::fromLocal8Bit(dest->name) + QLatin1Char('/') + QString::fromLocal8Bit(dest->instance)
        : QString::fromLocal8Bit(dest->name);
    const char* stato = cupsGetOption("printer-state", dest->num_options, dest->options);
    const char* accetta = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const int statoStampante = stato ? QByteArray(stato).toInt() : 0;
    const bool accettaLavori = !accetta || qstrcmp(accetta, "false") != 0;
    cupsFreeDests(1, dest);

    error = forPrinter(statoStampante, accettaLavori);
    if (error != PrintError::None)
        return nullptr;

    QPageLayout layout;
    int risoluzione = 0;
    if (!LayoutDellaStampante(nomeQt, layout, risoluzione)) {
        error = PrintError::PaperUnavailable;
        return nullptr;
    }
    return std::unique_ptr<PrintJob>(new CupsPrintJob(nome, layout, risoluzione));
}

CupsPrintJob::CupsPrintJob(QByteArray destination, QPageLayout layout, int resolution)
    : m_destination(std::move(destination)), m_layout(std::move(layout)), m_resolution(resolution)
{
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

PrintError CupsPrintJob::failure(Step step, int status)
{
    if (!spoolerAnswers())
        return PrintError::SpoolerNotRunning;
    const PrintError e = forStatus(step, status);
    return e != PrintError::None ? e : (step == Step::CreateJob ? PrintError::JobRefused : PrintError::NotSent);
}

PrintError CupsPrintJob::print(const std::function<PrintError(QPainter&)>& draw)
{
    // The whole page is drawn before the spooler hears of it, so a failure of ours
    // never leaves a job in the queue.
    QByteArray pdf;
    const PrintError e = PdfPage::render(m_layout, m_resolution, QString::fromUtf8(kTitolo), draw, pdf);
    if (e != PrintError::None)
        return e;
    const PrintError inviato = send(pdf);
    if (inviato != PrintError::None)
        return inviato;
    return watch();
}

PrintError CupsPrintJob::send(const QByteArray& pdf)
{
    // The paper as Qt's own print engine asks for it; everything else is the printer's default.
    cups_option_t* opzioni = nullptr;
    int numOpzioni = cupsAddOption("media", "A4", 0, &opzioni);
    m_jobId = cupsCreateJob(CUPS_HTTP_DEFAULT, m_destination.constData(), kTitolo, numOpzioni, opzioni);
    cupsFreeOptions(numOpzioni, opzioni);
    if (m_jobId == 0)
        return failure(Step::CreateJob, cupsLastError());

    if (cupsStartDocument(CUPS_HTTP_DEFAULT, m_destination.constData(), m_jobId, kTitolo, CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE) {
        const PrintError e = failure(Step::SendDocument, cupsLastError());
        cancel();
        return e;
    }
    constexpr qsizetype kPezzo = 64 * 1024;
    bool scritto = true;
    for (qsizetype da = 0; da < pdf.size() && scritto; da += kPezzo) {
        const size_t quanto = static_cast<size_t>(qMin(kPezzo, pdf.size() - da));
        scritto = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData() + da, quanto) == HTTP_STATUS_CONTINUE;
    }
    // Finishing reads the spooler's answer to the whole document, also after a failed write.
    const ipp_status_t esito = cupsFinishDocument(CUPS_HTTP_DEFAULT, m_destination.constData());
    PrintError e = PrintError::None;
    if (esito > StatusLastSuccess)
        e = failure(Step::SendDocument, esito);
    else if (!scritto)
        e = failure(Step::SendDocument, cupsLastError());
    if (e != PrintError::None)
        cancel();
    return e;
}

PrintError CupsPrintJob::watch()
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", m_jobId);
    static const char* const kAttributi[] = {"job-state", "job-state-reasons"};

    QElapsedTimer tempo;
    tempo.start();
    for (;;) {
        ipp_t* richiesta = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
        ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ippAddStrings(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                      static_cast<int>(std::size(kAttributi)), nullptr, kAttributi);
        ipp_t* risposta = cupsDoRequest(CUPS_HTTP_DEFAULT, richiesta, "/");
        // The page is in the spooler's hands; when the spooler cannot say more about
        // the job, there is nothing the child could do about it.
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
        if (tempo.elapsed() >= kWatchMs)
            return PrintError::None;
        AttendiUnPoco(kWatchStepMs);
    }
}

void CupsPrintJob::cancel()
{
    if (m_jobId != 0)
        cupsCancelJob2(CUPS_HTTP_DEFAULT, m_destination.constData(), m_jobId, 0);
}
