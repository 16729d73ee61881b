// Handlers of the command panel that open the side windows or switch the sounds.

#include "Platform.h"
#include "Risorse.h"
#include "Suoni.h"
#include "frmAbout.h"
#include "frmClock.h"
#include "frmExt.h"
#include "modTempolino.h"

using namespace modTempolino;

void frmClock::chkSuono_Click()
{
    // The click is heard both when switching off and when switching on.
    SuonaEffetto(Suono::Clic);
    SuoniAttivi = !SuoniAttivi;
    // The voice is one of the sounds: switched off, it stops at once.
    if (!SuoniAttivi)
        FermaVoce();
    chkSuono->setIcon(QIcon(QPixmap::fromImage(Risorse::figura(
        SuoniAttivi ? QStringLiteral("chkSuono_on") : QStringLiteral("chkSuono_off"), QSize(32, 32), 2.0))));
    p1->setFocus();
}

void frmClock::cmdCuriosita_Click()
{
    // A clock that follows the computer's time stands still while the window is open.
    if (grpCtrTime->isSelected(1))
        tmrClock->stop();
    if (SuoniAttivi)
        SuonaEffetto(Suono::Clic);
    {
        frmExt finestra(this);
        platform().dialogs->execModal(finestra);
    }
    if (grpCtrTime->isSelected(1))
        tmrClock->start();
    p1->setFocus();
}

void frmClock::cmdAbout_Click()
{
    if (SuoniAttivi)
        SuonaEffetto(Suono::NuovaSezione);
    {
        frmAbout finestra(this);
        platform().dialogs->execModal(finestra);
    }
    p1->setFocus();
}
