// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ending the program when its desktop session ends under it.
//
// When the X server goes away (the user logs out, a remote session drops) Qt learns
// it while handling window events and ends the process with exit(). exit() then
// destroys Qt's own global objects while the program's windows, timers and audio
// threads still stand on them, which can hang or crash the process instead of
// ending it. The program instead ends at once, at the moment the loss is known:
// one line on standard error, the single-copy lock given up, exit code 1, nothing
// else torn down.

namespace FineSessione {

// Watches for the lost display from now on. Call once, after the application object
// exists.
void Sorveglia();

// Tells that main() is returning normally: an exit from here on is the program's own.
void UscitaNormale();

// The line written on standard error when the session has gone.
const char* Messaggio();

} // namespace FineSessione
