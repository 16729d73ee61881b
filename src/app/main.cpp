// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>

#include "ControlloSchermo.h"
#include "Deposito.h"
#include "FineSessione.h"
#include "LineaComando.h"
#include "Platform.h"
#include "frmClock.h"
#include "modTempolino.h"
#include "versione.h"

int main(int argc, char* argv[])
{
    // --help and --version need no screen: they are answered before the window system starts.
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    const LineaComando::Esito linea = LineaComando::Esamina(argomenti);
    std::fputs(linea.uscita.toLocal8Bit().constData(), stdout);
    std::fputs(linea.errori.toLocal8Bit().constData(), stderr);
    if (!linea.avvia)
        return linea.codice;

    ControlloSchermo::Inizia();
    QApplication app(argc, argv);
    ControlloSchermo::Riuscito();
    QApplication::setApplicationName(QStringLiteral("Tempolino"));
    QApplication::setApplicationVersion(QStringLiteral(TEMPOLINO_VERSIONE));
    // Docks and task bars match the windows to the launcher of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.tempolino.Tempolino"));
    FineSessione::Sorveglia();

    int codice = 0;
    {
        // Everything of the program that holds Qt objects lives in this block and is
        // gone before the application object and Qt's own globals.
        Platform piattaforma;
        piattaforma.useSystem();
        PiattaformaCorrente corrente(piattaforma);
        Risorse::Deposito deposito;
        if (linea.lavagna)
            frmClock::ApriLavagnaAllAvvio();
        if (modTempolino::Main()) {
            codice = QApplication::exec();
            // The main window asked to be deleted as it closed; the loop has ended before
            // doing it.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (frmClock::caricato())
                delete frmClock::istanza();
        }
    }
    FineSessione::UscitaNormale();
    return codice;
}
