// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worksheet written to a PDF from the command line, without any window or screen:
// the sheet of a code, or a new one with the window's choices whose code goes to
// standard output.

#include <QString>

#include "LineaComando.h"

namespace SchedaDaRiga {

// What the command line gets back.
struct Risultato {
    int codice = 0;
    QString uscita;
    QString errori;
};

// Writes the sheet the command line asks for; a Qt application object must exist
// (no screen is needed). `seme` is the seed of a new sheet.
Risultato Scrivi(const LineaComando::Esito& esito, int seme);

// Runs it all from main(): starts Qt without a screen, draws the seed of a new sheet,
// writes the file and its messages, and returns the exit code.
int Esegui(int argc, char* argv[], const LineaComando::Esito& esito);

} // namespace SchedaDaRiga
