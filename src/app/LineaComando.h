// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: the help and the version, in Italian, answered before
// any window system is needed; anything else it does not know is refused with the
// usage and exit code 2. Without options the program starts as usual.
//
// Worksheets for the class: --schede opens their window alone; --scheda CODICE and
// --nuova-scheda write a sheet with --pdf FILE, without any window or screen.

#include <QString>
#include <QStringList>

#include "CodiceScheda.h"

class LineaComando {
public:
    // What to do after reading the arguments.
    struct Esito {
        // True when the program starts; otherwise it ends at once with `codice`.
        bool avvia = true;
        int codice = 0;
        // What to write on standard output and on standard error (either may be empty).
        QString uscita;
        QString errori;

        // What starts: the clock, the worksheets' window alone, or a worksheet written
        // to `filePdf` (the sheet of `codiceScheda`, or a new one with the window's choices).
        enum class Modo { Orologio, FinestraSchede, SchedaPdf };
        Modo modo = Modo::Orologio;
        bool nuovaScheda = false;
        CodiceScheda codiceScheda;
        QString filePdf;
        // --lavagna: the class clock opens over the whole screen as soon as the main
        // window shows.
        bool lavagna = false;
    };

    // Reads the arguments as main() gets them, the program's own name first.
    static Esito Esamina(const QStringList& argomenti);

    // The text of --help.
    static QString Aiuto();
    // The text of --version.
    static QString Versione();
};
