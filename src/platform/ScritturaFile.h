// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a whole file in one go, so that it is either all there or not touched: the
// data goes into a new file beside it, which takes the file's name only once every
// byte is on the disk. What went wrong is told as one of a few plain cases (the
// system's own texts are in English, and say too little), for the caller to put into
// words.

#include <QByteArray>
#include <QString>

namespace ScritturaFile {

enum class Esito {
    Fatto,               // the file is written
    CartellaAssente,     // the folder of the file does not exist
    NomeDiCartella,      // the name is a folder's
    CartellaNegata,      // this user may not write in the folder
    DiscoSolaLettura,    // the folder is on a disk that can only be read
    DiscoPieno,          // the disk has no room for the whole file
    FileNonSostituibile, // a file of that name is there and may not be replaced
    Altro,               // anything else the disk refused
};

// Writes `dati` to `file`, replacing it whole, or leaves everything as it was.
Esito Scrivi(const QString& file, const QByteArray& dati);

} // namespace ScritturaFile
