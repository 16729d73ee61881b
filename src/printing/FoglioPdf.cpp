#include "FoglioPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QSaveFile>

#include "ErroriStampa.h"
#include "FoglioOrologio.h"
#include "PdfPage.h"

namespace Foglio {

namespace {

// Fine enough for the pictures of the sheet to stay sharp when printed.
constexpr int kRisoluzionePdf = 1200;

QString MotivoFile(const QSaveFile& f)
{
    switch (f.error()) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("Non hai il permesso di scrivere in quella cartella: scegline un'altra.");
    case QFileDevice::ResourceError:
        return QStringLiteral("Sul disco non c'è più spazio: liberane un po' o scegli un altro disco.");
    case QFileDevice::WriteError:
        return QStringLiteral("Il file non si è potuto scrivere fino in fondo: controlla il disco e riprova.");
    default:
        return QStringLiteral("Il file non si può creare in quella cartella (%1): scegline un'altra.")
            .arg(f.errorString());
    }
}

} // namespace

QString SalvaPdf(const QString& file, OpzioniFoglio opzioni)
{
    const QFileInfo info(file);
    if (info.isDir())
        return QStringLiteral("Con quel nome c'è già una cartella: scegli un altro nome per il file.");
    if (!info.absoluteDir().exists())
        return QStringLiteral("La cartella scelta non esiste: scegline un'altra.");

    opzioni.larghezzaStampabile = kLarghezzaPdf;
    const QPageLayout pagina(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(kMarginePdf, kMarginePdf, kMarginePdf, kMarginePdf), QPageLayout::Millimeter);
    QByteArray pdf;
    const PrintError e = PdfPage::render(
        pagina, kRisoluzionePdf, QStringLiteral("Tempolino - orologio da ritagliare"),
        [&opzioni](QPainter& p) { return DisegnaFoglio(p, opzioni); }, pdf);
    if (e != PrintError::None)
        return ErroriStampa::Descrizione(e);

    // Written beside the file and put in its place at the end: a failure leaves no
    // half-written file behind and an older file of the same name as it was.
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly))
        return MotivoFile(uscita);
    if (uscita.write(pdf) != pdf.size()) {
        const QString motivo = MotivoFile(uscita);
        uscita.cancelWriting();
        return motivo;
    }
    if (!uscita.commit())
        return MotivoFile(uscita);
    return {};
}

} // namespace Foglio
