#include "ErroriStampa.h"

namespace ErroriStampa {
namespace {

struct Voce {
    PrintError errore;
    const char* descrizione;
};

// The one table of print errors; the numbers are those of PrintError.
constexpr Voce kErrori[] = {
    {PrintError::NoDefaultPrinter,
     "Nessuna stampante predefinita è installata. Installa una stampante e sceglila come predefinita."},
    {PrintError::JobRefused, "La stampante non ha accettato il lavoro di stampa."},
    {PrintError::PaperUnavailable, "La stampante non può stampare su un foglio A4 in verticale."},
    {PrintError::PrinterFault,
     "La stampante segnala un problema: controlla che sia accesa, collegata e che abbia carta."},
    {PrintError::SheetIncomplete, "Manca un disegno del foglio da stampare: il foglio non è stato stampato."},
    {PrintError::NotSent, "Il foglio non è stato consegnato alla stampante."},
};

} // namespace

QString Descrizione(PrintError errore)
{
    for (const Voce& v : kErrori)
        if (v.errore == errore)
            return QString::fromUtf8(v.descrizione);
    return {};
}

QString Messaggio(PrintError errore)
{
    return QStringLiteral(" Errore nella fase di stampa.\r\n") + Descrizione(errore)
           + QStringLiteral(" (Errore num. ") + QString::number(static_cast<int>(errore)) + QStringLiteral(" )");
}

} // namespace ErroriStampa
