// The main window's life: loading (splash, clock state, dial, showing it maximized,
// starting the clock), suspending its drawing while it is rebuilt, and shutdown.

#include <QApplication>
#include <QCloseEvent>

#include "ArrotondaPari.h"
#include "NumeriRomani.h"
#include "Platform.h"
#include "frmClock.h"
#include "frmSplashClock.h"
#include "modTempolino.h"

using namespace modTempolino;

void frmClock::Form_Load()
{
    // The start-up shows the splash before it builds this window, so that it appears at once.
    if (!frmSplashClock::caricato())
        frmSplashClock::istanza()->Form_Load();

    tmrClock->stop();

    p1->ImpostaRaggio(static_cast<short>(ArrotondaPari(Scala * 180.0)));
    p1->ImpostaEtichette(true);
    p1->ImpostaSecondi(true);
    p1->ImpostaFattoreLancette(1.0f);
    SuoniAttivi = true;
    InizializzaRomani();

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    ImpostaPuntatore(this);
    DisegnaQuadrante();
    AttendiSplash();

    BloccaAggiornamento(true);
    // Maximizing is the window manager's work; without one (a bare X session) the window
    // would keep its own small size while laid out for the screen. It starts as large as
    // the screen's free area, and a window manager then maximizes it as usual.
    setGeometry(screen()->availableGeometry());
    showMaximized();
    Form_Resize();
    tmrClock->start();
    // The first tick is drawn at once, so the window never shows a face without hands.
    tmrClock_Timer();

    DisegnaCorniceEsterna(picWindows);
    DisegnaCorniceInterna(picCommand, 6);
    picAnalogic->DisegnaSfondoDigitale();
    platform().events->processEvents();
    BloccaAggiornamento(false);
    // The voice's engine takes seconds to start: it starts now, in the background, so
    // that the first time the child asks, the time is said at once.
    platform().speech->prepare();
}

void frmClock::AttendiSplash()
{
    // Counts elapsed time on a clock that only runs forwards, from the moment the splash
    // began: a start just before midnight, or the computer's clock set meanwhile, still
    // waits 5 seconds, and building the window takes nothing from them.
    const double t0 =
        frmSplashClock::caricato() ? frmSplashClock::istanza()->inizio() : platform().clock->elapsedSeconds();
    while (platform().clock->elapsedSeconds() - t0 < 5.0)
        platform().events->pause(10);
    frmSplashClock::scarica();
}

void frmClock::BloccaAggiornamento(bool sospendi)
{
    m_bloccato = sospendi;
    setUpdatesEnabled(!sospendi);
    if (!sospendi)
        update();
}

void frmClock::cmdEsci_Click()
{
    tmrClock->stop();
    close();
}

void frmClock::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmClock::Form_Unload()
{
    if (m_scaricato)
        return;
    m_scaricato = true;
    tmrClock->stop();
    CancellaRomani();
    CancellaMessaggi();
    // Every other window goes with the main window.
    frmSplashClock::scarica();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    deleteLater();
}
