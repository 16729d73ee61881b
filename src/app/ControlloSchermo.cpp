// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlloSchermo.h"

#include <QByteArray>
#include <QRegularExpression>
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
        // Qt gives up only when no platform plugin could start: either none of the
        // plugins asked for is installed, or the one found reached no screen.
        // Nothing of the program exists yet, so nothing needs closing.
        QStringList testi;
        for (const Trattenuto& t : std::as_const(Trattenuti()))
            testi << t.testo;
        const QString mancante = ModuloMancante(testi);
        std::fputs(mancante.isEmpty() ? Messaggio() : MessaggioModulo(mancante).constData(), stderr);
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

QString ModuloMancante(const QStringList& messaggiQt)
{
    // Qt says "Could not find the Qt platform plugin "wayland" in ..." for a plugin
    // that is not installed, and "... even though it was found." for one that is
    // installed but reached no screen.
    static const QRegularExpression nonTrovato(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    QString mancante;
    for (const QString& testo : messaggiQt) {
        if (testo.contains(QLatin1String("even though it was found")))
            return {};
        const QRegularExpressionMatch m = nonTrovato.match(testo);
        if (m.hasMatch() && mancante.isEmpty())
            mancante = m.captured(1);
    }
    return mancante;
}

QByteArray MessaggioModulo(const QString& nome)
{
    // Debian's package of the Wayland plugin is qt6-wayland; the others come with qt6-qpa-plugins.
    const QString pacchetto = nome.startsWith(QLatin1String("wayland")) ? QStringLiteral("qt6-wayland")
                                                                         : QStringLiteral("qt6-qpa-plugins");
    return QStringLiteral("Tempolino: manca il modulo grafico «%1» di Qt (pacchetto %2), il programma "
                          "non può aprire le finestre.")
        .arg(nome, pacchetto)
        .toLocal8Bit();
}

const char* Messaggio()
{
    return "Tempolino: nessuno schermo disponibile, il programma va avviato da una sessione grafica.";
}

} // namespace ControlloSchermo
