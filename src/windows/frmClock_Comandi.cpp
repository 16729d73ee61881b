// Handlers of the command panel that open the side windows or switch the sounds.

#include "Platform.h"
#include "Risorse.h"
#include "frmClock.h"
#include "modTempolino.h"

using namespace modTempolino;

void frmClock::chkSuono_Click()
{
    // The click is heard both when switching off and when switching on.
    SuonaEffetto(106);
    SuoniAttivi = !SuoniAttivi;
    chkSuono->setIcon(QIcon(QPixmap::fromImage(
        Risorse::figura(SuoniAttivi ? QStringLiteral("chkSuono_on") : QStringLiteral("chkSuono_off"), QSize(32, 32),
                        2.0))));
    p1->setFocus();
}

void frmClock::cmdCuriosita_Click() {}
void frmClock::cmdAbout_Click() {}
