// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life: loading behind the splash (the clock's state, the dial),
// showing the window maximized once the splash has stood five seconds and starting
// the clock, suspending its drawing while it is rebuilt, and shutdown.

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

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

    m_stato->Ferma();

    p1->ImpostaRaggio(static_cast<short>(ArrotondaPari(Scala * 180.0)));
    p1->ImpostaEtichette(true);
    p1->ImpostaSecondi(true);
    p1->ImpostaFattoreLancette(1.0f);
    m_stato->ImpostaSuoniAttivi(true);
    InizializzaRomani();

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    ImpostaPuntatore(this);
    DisegnaQuadrante();
    AttendiSplash();
}

void frmClock::AttendiSplash()
{
    // Five seconds from the moment the splash began, on a clock that only runs forwards:
    // a start just before midnight, or the computer's clock set meanwhile, still waits
    // 5 seconds, and building the window takes nothing from them. The splash animates
    // meanwhile on its own timer; the window shows itself when the time is up.
    const double ora = platform().clock->elapsedSeconds();
    const double inizio = frmSplashClock::caricato() ? frmSplashClock::istanza()->inizio() : ora;
    const double resto = std::clamp(5.0 - (ora - inizio), 0.0, 5.0);
    tmrSplash->start(static_cast<int>(std::ceil(resto * 1000.0)));
    // Closing the splash (the desktop's close) ends the program before its window shows;
    // once the splash's own handler has returned.
    if (frmSplashClock::caricato())
        connect(frmSplashClock::istanza(), &frmSplashClock::chiusa, this, &QWidget::close, Qt::QueuedConnection);
}

void frmClock::MostraFinestra()
{
    frmSplashClock::scarica();

    BloccaAggiornamento(true);
    // Maximizing is the window manager's work; without one (a bare X session) the window
    // would keep its own small size while laid out for the screen. It starts as large as
    // the screen's free area, and a window manager then maximizes it as usual.
    // On the program's screen, the primary one, whatever screen the window would
    // otherwise fall on: its layout is made for that screen's size.
    QScreen* schermo = QGuiApplication::primaryScreen();
    setScreen(schermo);
    setGeometry(schermo->availableGeometry());
    showMaximized();
    Form_Resize();
    m_stato->Avvia();
    // The first tick is drawn at once, so the window never shows a face without hands.
    m_stato->tmrClock_Timer();

    DisegnaCorniceEsterna(picWindows);
    DisegnaCorniceInterna(picCommand, 6);
    picAnalogic->DisegnaSfondoDigitale();
    BloccaAggiornamento(false);
    // The voice's engine takes seconds to start: it starts now, in the background, so
    // that the first time the child asks, the time is said at once.
    platform().speech->prepare();
    if (LavagnaAllAvvio())
        cmdLavagna_Click();
}

void frmClock::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restored by a Wayland compositor, the window takes back the size it was given at
    // start, the screen's whole free area, and Qt's own title bar and frame stand past
    // the screen. (An X11 window manager frames the window itself.)
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState && isVisible()
        && !platform().desktop->shapesAndPlacesWindows())
        QTimer::singleShot(0, this, &frmClock::AdattaAlloSchermo);
}

void frmClock::AdattaAlloSchermo()
{
    if (windowState() != Qt::WindowNoState)
        return;
    QRect libera = platform().desktop->screenGeometry();
    if (screen() && screen()->geometry() == libera)
        libera = screen()->availableGeometry();
    const QSize cornice = frameGeometry().size() - size();
    const QSize adatta = size().boundedTo(libera.size() - cornice);
    if (adatta != size())
        resize(adatta);
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
    m_stato->Ferma();
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
    // Nothing goes on once the window is closing: the clock, the splash's wait, the
    // map's opening, a prompt being typed, a solution on its way.
    m_stato->Ferma();
    tmrSplash->stop();
    mappaFusi->ApriMappa(false, false);
    picTest->FermaScrittura();
    esercizi->Chiudi();
    CancellaRomani();
    CancellaMessaggi();
    // Every other window goes with the main window.
    frmSplashClock::scarica();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    deleteLater();
    // The program ends with its main window, also before it was ever shown (the splash
    // closed). Nothing to end while no event loop runs.
    QCoreApplication::quit();
}
