// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands a drawing to the default printer without holding up the windows.
//
// Asking the spooler for the default printer and handing it the pages can take long,
// or for ever when the spooler hangs: those steps run on threads of their own, while
// the drawing itself is made on the windows' thread, between them, with the printer's
// page known. A spooler that has not taken the pages within the time limit is a print
// error of its own (SpoolerNoAnswer); the job still running is told to stop, and
// whatever it says afterwards is ignored. One hand-over at a time; the result comes
// with the signal `finita`, on the windows' thread.
//
// A platform whose printers never wait (the tests' stand-in) is driven in place:
// `finita` then comes before avvia() returns.

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "Printers.h"

class QPainter;

class ConsegnaStampa : public QObject {
    Q_OBJECT
public:
    // Draws the pages (see PrintJob::print) with the job's printable area known.
    using Disegno = std::function<PrintError(QPainter&, const PrintJob&)>;

    // How long the spooler may take to take the pages.
    static constexpr int kLimiteMs = 15000;

    explicit ConsegnaStampa(Printers& printers, QObject* parent = nullptr, int limiteMs = kLimiteMs);
    // Tells a job still running to stop and waits for its threads, which end within
    // a fraction of a second once told.
    ~ConsegnaStampa() override;

    // Starts handing the drawing over; ignored while one is under way.
    void avvia(Disegno disegno);
    bool inCorso() const { return m_inCorso; }
    // Changes the time limit of the next hand-overs.
    void impostaLimite(int ms) { m_limite.setInterval(ms); }

signals:
    void finita(PrintError errore);

private:
    struct Turno;
    // What a step on another thread brings back.
    struct Esito {
        PrintError errore = PrintError::None;
        std::shared_ptr<PrintJob> job;
    };
    // Runs `lavoro` on a thread of its own, then `poi` with its result here, unless the
    // turn is over by then.
    void inSottofondo(const std::shared_ptr<Turno>& turno, std::function<Esito()> lavoro,
                      std::function<void(const Esito&)> poi);
    void aperto(const std::shared_ptr<Turno>& turno, const Esito& esito);
    void concludi(PrintError errore);
    void scaduto();
    void raccogliFili(bool tutti);

    Printers& m_printers;
    QTimer m_limite;
    bool m_inCorso = false;
    std::shared_ptr<Turno> m_turno;
    Disegno m_disegno;
    struct Filo {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finito;
    };
    std::vector<Filo> m_fili;
};
