// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the message window and the curiosities window over the real platform and the
// window system it is started on, and asks each to be maximized exactly as the title
// bar's maximize button does under Wayland (Qt draws that bar itself there and calls
// the window's own state change). The process-level Wayland test runs it under a
// compositor that ends any program whose maximized window keeps another size.
//
//   massimizza_finestra
//
// Prints, for each window, "FINESTRA: name WxH before WxH after state" and exits 0
// when every window is back to its fixed size and normal state, 1 otherwise; a
// program ended by the compositor never prints the last line "FINE".

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <memory>

#include "Deposito.h"
#include "GuardiaFinestreFisse.h"
#include "Platform.h"
#include "frmExt.h"
#include "frmMsg.h"
#include "modTempolino.h"

namespace {

void Attendi(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

bool Prova(QWidget& finestra, const char* nome)
{
    finestra.show();
    QElapsedTimer tempo;
    tempo.start();
    while (!finestra.windowHandle()->isExposed() && tempo.elapsed() < 5000)
        Attendi(20);
    Attendi(300);
    const QSize prima = finestra.size();
    QWindow* nativa = finestra.windowHandle();
    // What the title bar's maximize button does.
    nativa->setWindowStates(nativa->windowStates() ^ Qt::WindowMaximized);
    Attendi(2500);
    const QSize dopo = finestra.size();
    const bool normale = !(nativa->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    std::printf("FINESTRA: %s %dx%d prima %dx%d dopo %s\n", nome, prima.width(), prima.height(), dopo.width(),
                dopo.height(), normale ? "normale" : "ingrandita");
    std::fflush(stdout);
    finestra.close();
    return normale && dopo == prima && finestra.minimumSize() == finestra.maximumSize();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int esito = 0;
    {
        Platform piattaforma;
        piattaforma.useSystem();
        PiattaformaCorrente corrente(piattaforma);
        Risorse::Deposito deposito;
        // As the program does where the window system needs it.
        std::unique_ptr<GuardiaFinestreFisse> guardia;
        if (GuardiaFinestreFisse::Necessaria() && qEnvironmentVariableIsEmpty("SENZA_GUARDIA"))
            guardia = std::make_unique<GuardiaFinestreFisse>();
        modTempolino::InizializzaMessaggi();
        modTempolino::CodiceMessaggio = 4;
        frmMsg messaggio;
        messaggio.Form_Load();
        if (!Prova(messaggio, "frmMsg"))
            esito = 1;
        frmExt curiosita;
        if (!Prova(curiosita, "frmExt"))
            esito = 1;
    }
    std::printf("FINE\n");
    return esito;
}
