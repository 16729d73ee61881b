// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsegnaStampa.h"

#include <QPainter>

// One hand-over: its job and the switch that tells it to stop. Shared with its threads,
// so that it lives as long as the last of them.
struct ConsegnaStampa::Turno {
    std::atomic<bool> stop{false};
    std::shared_ptr<PrintJob> job; // only on the windows' thread
};

ConsegnaStampa::ConsegnaStampa(Printers& printers, QObject* parent, int limiteMs)
    : QObject(parent), m_printers(printers)
{
    m_limite.setSingleShot(true);
    m_limite.setInterval(limiteMs);
    connect(&m_limite, &QTimer::timeout, this, &ConsegnaStampa::scaduto);
}

ConsegnaStampa::~ConsegnaStampa()
{
    if (m_turno)
        m_turno->stop = true;
    raccogliFili(true);
}

void ConsegnaStampa::avvia(Disegno disegno)
{
    if (m_inCorso)
        return;
    m_inCorso = true;
    m_disegno = std::move(disegno);
    auto turno = std::make_shared<Turno>();
    m_turno = turno;

    if (!m_printers.mayWait()) {
        Esito esito;
        esito.job = m_printers.openDefault(esito.errore);
        aperto(turno, esito);
        return;
    }
    raccogliFili(false);
    m_limite.start();
    Printers* printers = &m_printers;
    inSottofondo(
        turno,
        [turno, printers] {
            Esito esito;
            esito.job = printers->openDefaultUntil(esito.errore, turno->stop);
            return esito;
        },
        [this, turno](const Esito& esito) { aperto(turno, esito); });
}

void ConsegnaStampa::aperto(const std::shared_ptr<Turno>& turno, const Esito& esito)
{
    turno->job = esito.job;
    const PrintError errore = esito.errore;
    if (!turno->job) {
        concludi(errore != PrintError::None ? errore : PrintError::NoDefaultPrinter);
        return;
    }
    // The drawing is made here, on the windows' thread, with the printer's page known.
    const std::shared_ptr<PrintJob> job = turno->job;
    const Disegno disegno = m_disegno;
    const PrintError disegnato = job->render([&disegno, &job](QPainter& p) { return disegno(p, *job); });
    if (disegnato != PrintError::None) {
        concludi(disegnato);
        return;
    }
    if (!m_printers.mayWait()) {
        const std::atomic<bool> mai{false};
        concludi(job->send(mai));
        return;
    }
    inSottofondo(
        turno,
        [turno, job] {
            Esito esito;
            esito.errore = job->send(turno->stop);
            return esito;
        },
        [this](const Esito& esito) { concludi(esito.errore); });
}

void ConsegnaStampa::inSottofondo(const std::shared_ptr<Turno>& turno, std::function<Esito()> lavoro,
                                  std::function<void(const Esito&)> poi)
{
    auto finito = std::make_shared<std::atomic<bool>>(false);
    std::thread filo([this, turno, lavoro = std::move(lavoro), poi = std::move(poi), finito] {
        const Esito esito = lavoro();
        // The answer goes back to the windows' thread; a turn that is over by then (given
        // up at the time limit) takes no answer.
        QMetaObject::invokeMethod(
            this,
            [this, turno, poi, esito] {
                if (turno == m_turno && m_inCorso)
                    poi(esito);
            },
            Qt::QueuedConnection);
        *finito = true;
    });
    m_fili.push_back({std::move(filo), finito});
}

void ConsegnaStampa::scaduto()
{
    if (!m_inCorso || !m_turno)
        return;
    // Pages the spooler already holds will print: what is left is short, and is awaited.
    if (m_turno->job && m_turno->job->handedOver())
        return;
    m_turno->stop = true;
    concludi(PrintError::SpoolerNoAnswer);
}

void ConsegnaStampa::concludi(PrintError errore)
{
    m_limite.stop();
    m_inCorso = false;
    if (m_turno) {
        // Released here, or by the last of its threads.
        m_turno->job.reset();
        m_turno.reset();
    }
    emit finita(errore);
}

void ConsegnaStampa::raccogliFili(bool tutti)
{
    for (auto it = m_fili.begin(); it != m_fili.end();) {
        if (tutti || it->finito->load()) {
            it->thread.join();
            it = m_fili.erase(it);
        } else {
            ++it;
        }
    }
}
