// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up procedure: one copy per user, a screen of at least 800x600, the
// size factor, the message table, then the main window.

#include "Platform.h"
#include "frmClock.h"
#include "frmSplashClock.h"
#include "modTempolino.h"

namespace modTempolino {

bool Main()
{
    if (!platform().instance->claim())
        return false;

    const QSize schermo = platform().desktop->screenSize();
    Scala = 1.0f;
    if (schermo.width() < 800 || schermo.height() < 600) {
        platform().dialogs->messageBox(nullptr, Dialogs::Icon::Stop, QStringLiteral("Tempolino"), TestoRisoluzione(),
                                       Dialogs::Buttons::Ok);
        return false;
    }
    Scala = ScalaPerSchermo(schermo.width(), schermo.height());
    InizializzaMessaggi();
    // The splash first; once it is on the screen, the main window is built behind it,
    // and shows itself when the splash has stood its five seconds.
    frmSplashClock* splash = frmSplashClock::istanza();
    QObject::connect(splash, &frmSplashClock::suSchermo, splash, [] { frmClock::istanza()->Form_Load(); });
    splash->Form_Load();
    return true;
}

} // namespace modTempolino
