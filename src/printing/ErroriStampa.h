// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own print errors: the number and the description that the print
// window shows when a page could not be printed.

#include <QString>

#include "Printers.h"

namespace ErroriStampa {

// What a parent reads about an error, in Italian; empty for PrintError::None.
QString Descrizione(PrintError errore);

// The whole text of the message box: " Errore nella fase di stampa." on the first
// line, then the description and the error's number.
QString Messaggio(PrintError errore);

} // namespace ErroriStampa
