// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoglioPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>

#include "ErroriStampa.h"
#include "FoglioOrologio.h"
#include "PdfPage.h"
#include "ScritturaFile.h"

namespace Foglio {

namespace {

// Fine enough for the pictures of the sheet to stay sharp when printed.
constexpr int kRisoluzionePdf = 1200;

// What happened and what to do, in words for the child's parents.
QString Motivo(ScritturaFile::Esito esito, const QString& file)
{
    const QFileInfo info(file);
    const QString cartella = QDir::toNativeSeparators(info.absolutePath());
    using ScritturaFile::Esito;
    switch (esito) {
    case Esito::Fatto:
        return {};
    case Esito::CartellaAssente:
        return QStringLiteral("La cartella «%1» non esiste (forse è stata spostata o cancellata): scegline un'altra.")
            .arg(cartella);
    case Esito::NomeDiCartella:
        return QStringLiteral("Con quel nome c'è già una cartella: scegli un altro nome per il file.");
    case Esito::CartellaNegata:
        return QStringLiteral("Non hai il permesso di scrivere nella cartella «%1»: scegline un'altra, per esempio "
                              "la cartella Documenti.")
            .arg(cartella);
    case Esito::DiscoSolaLettura:
        return QStringLiteral("La cartella «%1» è su un disco che si può solo leggere: scegli una cartella su un altro "
                              "disco (se è una chiavetta, controlla che non sia protetta dalla scrittura).")
            .arg(cartella);
    case Esito::DiscoPieno:
        return QStringLiteral("Sul disco non c'è abbastanza spazio per il file: libera un po' di spazio, oppure "
                              "scegli una cartella su un altro disco.");
    case Esito::FileNonSostituibile:
        return QStringLiteral("C'è già un file «%1» e non si può sostituire (è protetto dalla scrittura): scegli un "
                              "altro nome per il file.")
            .arg(info.fileName());
    case Esito::Altro:
        break;
    }
    return QStringLiteral("Il disco non ha accettato il file: riprova, oppure scegli una cartella su un altro disco.");
}

} // namespace

QString SalvaDisegnoPdf(const QString& file, const QString& titolo, const DisegnoPdf& disegno)
{
    // The questions that need no drawing first: a wrong place is said at once.
    const QFileInfo info(file);
    if (info.isDir())
        return Motivo(ScritturaFile::Esito::NomeDiCartella, file);
    if (!QFileInfo(info.absolutePath()).isDir())
        return Motivo(ScritturaFile::Esito::CartellaAssente, file);

    const QPageLayout pagina(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(kMarginePdf, kMarginePdf, kMarginePdf, kMarginePdf), QPageLayout::Millimeter);
    QByteArray pdf;
    const PrintError e = PdfPage::render(
        pagina, kRisoluzionePdf, titolo, [&disegno](QPainter& p) { return disegno(p, kLarghezzaPdf); }, pdf);
    if (e != PrintError::None)
        return ErroriStampa::Descrizione(e);
    // All of it or nothing: a failure leaves no half-written file behind and an older
    // file of the same name as it was.
    return Motivo(ScritturaFile::Scrivi(file, pdf), file);
}

QString SalvaPdf(const QString& file, OpzioniFoglio opzioni)
{
    return SalvaDisegnoPdf(file, QStringLiteral("Tempolino - orologio da ritagliare"),
                           [&opzioni](QPainter& p, double larghezza) {
                               opzioni.larghezzaStampabile = larghezza;
                               return DisegnaFoglio(p, opzioni);
                           });
}

} // namespace Foglio
