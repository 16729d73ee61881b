// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlloSchermo.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace ControlloSchermo {
namespace {

QtMessageHandler g_precedente = nullptr;

struct Trattenuto {
    QtMsgType tipo;
    QString testo;
};

// The messages of Qt while the window system starts; they are few.
QList<Trattenuto>& Trattenuti()
{
    static QList<Trattenuto> lista;
    return lista;
}

void GestoreMessaggi(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo == QtFatalMsg) {
        // Qt gives up only when no platform plugin could start: there is no screen.
        // Nothing of the program exists yet, so nothing needs closing.
        std::fputs(Messaggio(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    Trattenuti().append({tipo, testo});
}

} // namespace

void Inizia()
{
    Trattenuti().clear();
    g_precedente = qInstallMessageHandler(GestoreMessaggi);
}

void Riuscito()
{
    qInstallMessageHandler(g_precedente);
    g_precedente = nullptr;
    const QMessageLogContext contesto;
    for (const Trattenuto& t : std::as_const(Trattenuti()))
        qt_message_output(t.tipo, contesto, t.testo);
    Trattenuti().clear();
}

const char* Messaggio()
{
    return "Tempolino: nessuno schermo disponibile, il programma va avviato da una sessione grafica.";
}

} // namespace ControlloSchermo
