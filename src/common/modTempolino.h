// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide values and services shared by every window: the size factor,
// the message table, the Roman numerals, sound effects and the voice (which ask the
// clock's sound switch), the dialog frame and the hand pointer, and the start-up
// procedure.

#include <QString>
#include <array>
#include <cstdint>

#include "Suoni.h"

class QWidget;
class StatoOrologio;

namespace modTempolino {

// Size factor of the main window: 1.0 below 1024x768, 1.3 from 1024x768 up.
extern float Scala;
// The ten texts of the message window, by message code.
extern std::array<QString, 10> Messaggi;
// The code of the message the message window shows next.
extern std::uint8_t CodiceMessaggio;

// The text of the four-line message for a screen below 800x600.
QString TestoRisoluzione();

// The size factor for a screen of the given size.
float ScalaPerSchermo(int larghezza, int altezza);

void InizializzaMessaggi();
void CancellaMessaggi();

// The sound switch of the whole program belongs to the clock's state; the main window
// names its state here for as long as it lives. Switched off, the voice stops at once.
void UsaStatoOrologio(StatoOrologio* stato);
// Sounds on: the clock's switch, or on when there is no clock (yet).
bool SuoniAttivi();

// Plays a sound effect while the sounds are on.
void Suona(Suono suono);
// Plays a sound effect whatever the switch says: the splash's ticks, and the click of
// the switch itself, heard both when switching off and when switching on.
void SuonaEffetto(Suono suono);

// Says a text aloud with the Italian voice, only while the sounds are on (the voice
// is one of the program's sounds); a text still being said is cut.
void DiciAVoce(const QString& testo);
// Stops what the voice is saying.
void FermaVoce();

// A dialog frame without a title-bar icon.
void ImpostaBordo(QWidget* frm);
// The hand pointer over every button, check box and option button of frm.
void ImpostaPuntatore(QWidget* frm);

// The start-up: refuses a second copy and a screen below 800x600, then shows the
// splash, behind which the main window is built once the event loop runs. Returns
// false when the program must end at once.
bool Main();

} // namespace modTempolino
