// SPDX-License-Identifier: GPL-3.0-or-later
#include "FineSessione.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "Platform.h"

namespace FineSessione {
namespace {

QtMessageHandler g_precedente = nullptr;
std::atomic<bool> g_normale{false};
std::atomic<bool> g_finendo{false};

// Ends the process now: no destructor runs, nothing waits.
[[noreturn]] void Termina()
{
    if (!g_finendo.exchange(true)) {
        std::fputs(Messaggio(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        // Giving the lock up only removes a file; a new copy may start at once.
        platform().instance->release();
    }
    std::_Exit(1);
}

// Qt says that the connection to the X server broke right before it calls exit().
bool ConnessionePersa(const QString& testo)
{
    return testo.contains(QLatin1String("X11 connection broke"));
}

void GestoreMessaggi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (ConnessionePersa(testo))
        Termina();
    if (g_precedente)
        g_precedente(tipo, contesto, testo);
    else
        std::fprintf(stderr, "%s\n", testo.toLocal8Bit().constData());
}

// Any exit() that does not come from main() returning (another way Qt or a library
// ends the process when the display has gone) ends it the same way, before the
// global objects are destroyed.
void AllUscita()
{
    if (!g_normale)
        Termina();
}

} // namespace

void Sorveglia()
{
#ifdef SIGPIPE
    // Writing to the X server's socket once the server has gone raises SIGPIPE, which
    // would kill the process before Qt tells that the connection broke: the write fails
    // instead, and the loss is handled here as any other.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    g_precedente = qInstallMessageHandler(GestoreMessaggi);
    std::atexit(AllUscita);
}

void UscitaNormale()
{
    g_normale = true;
}

const char* Messaggio()
{
    return "Tempolino: la sessione grafica si è chiusa, il programma termina.";
}

} // namespace FineSessione
