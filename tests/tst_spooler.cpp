// SPDX-License-Identifier: GPL-3.0-or-later
// What the print spooler's answers mean for the child's page: the printer's state
// before a job, the status of each request, and the state of the job just handed
// over, each turned into the print window's own error (or none).

#include <QtTest>

#include "ErroriStampa.h"
#include "SpoolerAnswers.h"

using namespace SpoolerAnswers;
using Step = SpoolerAnswers::Step;

Q_DECLARE_METATYPE(PrintError)
Q_DECLARE_METATYPE(SpoolerAnswers::Step)

class TestSpooler : public QObject {
    Q_OBJECT

private slots:
    void stampante_data()
    {
        QTest::addColumn<int>("stato");
        QTest::addColumn<bool>("accetta");
        QTest::addColumn<PrintError>("errore");
        QTest::newRow("idle, accepting") << PrinterIdle << true << PrintError::None;
        QTest::newRow("printing another job") << PrinterProcessing << true << PrintError::None;
        QTest::newRow("state not given") << 0 << true << PrintError::None;
        QTest::newRow("stopped") << PrinterStoppedState << true << PrintError::PrinterStopped;
        QTest::newRow("refusing jobs") << PrinterIdle << false << PrintError::NotAcceptingJobs;
        // Both must be mended; the stop, the usual consequence of a fault, is told first.
        QTest::newRow("stopped and refusing") << PrinterStoppedState << false << PrintError::PrinterStopped;
    }
    void stampante()
    {
        QFETCH(int, stato);
        QFETCH(bool, accetta);
        QFETCH(PrintError, errore);
        QCOMPARE(forPrinter(stato, accetta), errore);
    }

    void risposta_data()
    {
        QTest::addColumn<Step>("passo");
        QTest::addColumn<int>("stato");
        QTest::addColumn<PrintError>("errore");
        const Step crea = Step::CreateJob, invia = Step::SendDocument;
        QTest::newRow("successful-ok") << crea << 0x0000 << PrintError::None;
        QTest::newRow("successful-ok-ignored-or-substituted-attributes") << crea << 0x0001 << PrintError::None;
        QTest::newRow("successful-ok-conflicting-attributes, sending") << invia << 0x0002 << PrintError::None;
        QTest::newRow("not-accepting-jobs") << crea << 0x0506 << PrintError::NotAcceptingJobs;
        QTest::newRow("not-accepting-jobs, sending") << invia << 0x0506 << PrintError::NotAcceptingJobs;
        QTest::newRow("printer-is-deactivated") << crea << 0x050A << PrintError::PrinterStopped;
        QTest::newRow("service-unavailable") << crea << 0x0502 << PrintError::SpoolerNotRunning;
        QTest::newRow("service-unavailable, sending") << invia << 0x0502 << PrintError::SpoolerNotRunning;
        QTest::newRow("device-error") << invia << 0x0504 << PrintError::PrinterFault;
        QTest::newRow("not-found: the printer went away") << crea << 0x0406 << PrintError::NoDefaultPrinter;
        QTest::newRow("gone") << crea << 0x0407 << PrintError::NoDefaultPrinter;
        QTest::newRow("forbidden") << crea << 0x0401 << PrintError::NotAllowed;
        QTest::newRow("not-authenticated") << crea << 0x0402 << PrintError::NotAllowed;
        QTest::newRow("not-authorized") << crea << 0x0403 << PrintError::NotAllowed;
        QTest::newRow("password prompt given up") << invia << 0x1000 << PrintError::NotAllowed;
        QTest::newRow("job-canceled while sending") << invia << 0x0508 << PrintError::JobCancelled;
        QTest::newRow("bad-request") << crea << 0x0400 << PrintError::JobRefused;
        QTest::newRow("document-format-not-supported, sending") << invia << 0x040A << PrintError::NotSent;
        QTest::newRow("busy") << crea << 0x0507 << PrintError::JobRefused;
        QTest::newRow("too-many-jobs") << crea << 0x050B << PrintError::JobRefused;
        QTest::newRow("internal-error") << crea << 0x0500 << PrintError::JobRefused;
        QTest::newRow("internal-error, sending") << invia << 0x0500 << PrintError::NotSent;
        QTest::newRow("redirection") << crea << 0x0200 << PrintError::JobRefused;
    }
    void risposta()
    {
        QFETCH(Step, passo);
        QFETCH(int, stato);
        QFETCH(PrintError, errore);
        QCOMPARE(forStatus(passo, stato), errore);
    }

    void lavoro_data()
    {
        QTest::addColumn<int>("stato");
        QTest::addColumn<QStringList>("motivi");
        QTest::addColumn<PrintError>("errore");
        QTest::addColumn<bool>("deciso");
        const QStringList nessuno{QStringLiteral("none")};
        QTest::newRow("completed") << JobCompleted << QStringList{QStringLiteral("job-completed-successfully")}
                                   << PrintError::None << true;
        QTest::newRow("pending") << JobPending << nessuno << PrintError::None << false;
        QTest::newRow("held for a later retry")
            << JobHeld << QStringList{QStringLiteral("resources-are-not-ready")} << PrintError::None << false;
        QTest::newRow("printing") << JobProcessing << QStringList{QStringLiteral("job-printing")} << PrintError::None
                                  << false;
        QTest::newRow("canceled") << JobCanceled << QStringList{QStringLiteral("job-canceled-by-system")}
                                  << PrintError::JobCancelled << true;
        QTest::newRow("aborted") << JobAbortedState << QStringList{QStringLiteral("aborted-by-system")}
                                 << PrintError::JobAborted << true;
        QTest::newRow("processing-stopped") << JobProcessingStopped << nessuno << PrintError::PrinterStopped << true;
        QTest::newRow("back in the queue of a stopped printer")
            << JobPending << QStringList{QStringLiteral("printer-stopped")} << PrintError::PrinterStopped << true;
        QTest::newRow("held on a stopped printer")
            << JobHeld << QStringList{QStringLiteral("job-hold-until-specified"), QStringLiteral("printer-stopped")}
            << PrintError::PrinterStopped << true;
        QTest::newRow("state not given") << 0 << QStringList{} << PrintError::None << false;
    }
    void lavoro()
    {
        QFETCH(int, stato);
        QFETCH(QStringList, motivi);
        QFETCH(PrintError, errore);
        QFETCH(bool, deciso);
        bool settled = !deciso;
        QCOMPARE(forJob(stato, motivi, settled), errore);
        QCOMPARE(settled, deciso);
    }

    // Every answer that is an error reaches the parent with a description of its own.
    void ogniErroreHaUnaDescrizione()
    {
        for (int stato = 0; stato <= 0x1000; ++stato) {
            for (const Step passo : {Step::CreateJob, Step::SendDocument}) {
                const PrintError e = forStatus(passo, stato);
                if (e != PrintError::None)
                    QVERIFY2(!ErroriStampa::Descrizione(e).isEmpty(), qPrintable(QString::number(stato, 16)));
                else
                    QVERIFY2(stato <= StatusLastSuccess, qPrintable(QString::number(stato, 16)));
            }
        }
    }
};

QTEST_MAIN(TestSpooler)
#include "tst_spooler.moc"
