// SPDX-License-Identifier: GPL-3.0-or-later
// Handlers of the command panel that open the side windows or switch the sounds, and
// the sound switch's button following the clock's switch.

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
    m_stato->ImpostaSuoniAttivi(!m_stato->SuoniAttivi());
    p1->setFocus();
}

void frmClock::SuoniCambiati(bool attivi)
{
    // The button shows the switch, whoever turned it: checked and its picture.
    chkSuono->setChecked(attivi);
    chkSuono->setIcon(QIcon(QPixmap::fromImage(
        Risorse::figura(attivi ? QStringLiteral("chkSuono_on") : QStringLiteral("chkSuono_off"), QSize(32, 32), 2.0))));
}

void frmClock::cmdCuriosita_Click()
{
    // A clock that follows the computer's time stands still while the window is open.
    m_stato->Sospendi();
    Suona(Suono::Clic);
    {
        frmExt finestra(this);
        platform().dialogs->execModal(finestra);
    }
    m_stato->Riprendi();
    p1->setFocus();
}

void frmClock::cmdAbout_Click()
{
    Suona(Suono::NuovaSezione);
    {
        frmAbout finestra(this);
        platform().dialogs->execModal(finestra);
    }
    p1->setFocus();
}
