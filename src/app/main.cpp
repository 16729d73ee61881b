#include <QApplication>

#include "Deposito.h"
#include "FineSessione.h"
#include "Platform.h"
#include "frmClock.h"
#include "modTempolino.h"
#include "versione.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempolino"));
    QApplication::setApplicationVersion(QStringLiteral(TEMPOLINO_VERSIONE));
    FineSessione::Sorveglia();

    int codice = 0;
    {
        // Everything of the program that holds Qt objects lives in this block and is
        // gone before the application object and Qt's own globals.
        Platform piattaforma;
        piattaforma.useSystem();
        PiattaformaCorrente corrente(piattaforma);
        Risorse::Deposito deposito;
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
