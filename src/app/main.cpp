// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>
#include <memory>

#include "AspettoProgramma.h"
#include "ControlloSchermo.h"
#include "Deposito.h"
#include "FineSessione.h"
#include "GuardiaFinestreFisse.h"
#include "LineaComando.h"
#include "Platform.h"
#include "ScalaSchermo.h"
#include "SceltaPiattaforma.h"
#include "SchedaDaRiga.h"
#include "TraduzioneQt.h"
#include "frmClock.h"
#include "frmSchede.h"
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
    // A worksheet to write needs no screen and no window.
    if (linea.modo == LineaComando::Esito::Modo::SchedaPdf)
        return SchedaDaRiga::Esegui(argc, argv, linea);

    ControlloSchermo::Inizia();
    ScalaSchermo scala(argc, argv);
    std::unique_ptr<QApplication> app;
    {
        const SceltaPiattaforma piattaforma(argomenti);
        app = scala.CreaApplicazione();
    }
    ControlloSchermo::Riuscito();
    // The program's own looks and Qt's own texts in Italian, before any window.
    AspettoProgramma::Applica();
    TraduzioneQt::Carica();
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
        // Under Wayland, a maximize asked of a window of fixed size is survived.
        std::unique_ptr<GuardiaFinestreFisse> guardia;
        if (GuardiaFinestreFisse::Necessaria())
            guardia = std::make_unique<GuardiaFinestreFisse>();
        if (linea.lavagna)
            frmClock::ApriLavagnaAllAvvio();
        if (linea.modo == LineaComando::Esito::Modo::FinestraSchede) {
            // The worksheets' window alone, for a teacher, without the clock.
            frmSchede::Apri();
            codice = QApplication::exec();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (modTempolino::Main()) {
            codice = QApplication::exec();
            // The main window asked to be deleted as it closed; the loop has ended before
            // doing it.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (frmClock::caricato())
                delete frmClock::istanza();
        }
    }
    app.reset();
    FineSessione::UscitaNormale();
    return codice;
}
