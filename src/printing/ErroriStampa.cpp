// SPDX-License-Identifier: GPL-3.0-or-later
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
    {PrintError::JobRefused,
     "La stampante non ha accettato il lavoro di stampa. Controlla le impostazioni della stampante e riprova."},
    {PrintError::PaperUnavailable,
     "La stampante non può stampare su un foglio A4 in verticale. Scegli come predefinita una stampante che usa "
     "fogli A4."},
    {PrintError::PrinterFault,
     "La stampante segnala un problema: controlla che sia accesa, collegata e che abbia carta."},
    {PrintError::SheetIncomplete,
     "Manca un disegno del foglio da stampare: il foglio non è stato stampato. Installa di nuovo Tempolino."},
    {PrintError::NotSent, "Il foglio non è stato consegnato alla stampante. Riprova tra qualche istante."},
    {PrintError::PrinterStopped,
     "La stampante è ferma: è stata messa in pausa, oppure si è fermata per un guasto. Controlla che sia accesa e "
     "collegata, riattivala nelle impostazioni delle stampanti del computer e riprova."},
    {PrintError::NotAcceptingJobs,
     "La stampante è impostata per rifiutare nuovi lavori di stampa. Nelle impostazioni delle stampanti del computer "
     "falle accettare di nuovo i lavori, poi riprova."},
    {PrintError::SpoolerNotRunning,
     "Il servizio di stampa del computer non è in funzione. Avvialo (o riavvia il computer), poi riprova."},
    {PrintError::JobCancelled,
     "Il lavoro di stampa è stato annullato appena consegnato. Controlla la coda della stampante e riprova."},
    {PrintError::JobAborted,
     "La stampante ha interrotto il lavoro di stampa per un errore. Controlla che sia accesa e collegata, poi "
     "riprova."},
    {PrintError::NotAllowed,
     "Questo utente del computer non ha il permesso di stampare su questa stampante. Chiedi a chi gestisce il "
     "computer di darlo, poi riprova."},
    {PrintError::SpoolerNoAnswer,
     "Il servizio di stampa non risponde. Riprova tra qualche minuto, oppure salva l'orologio come PDF per stamparlo "
     "più tardi."},
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
    return QStringLiteral(" Errore nella fase di stampa.\r\n") + Descrizione(errore) + QStringLiteral(" (Errore num. ")
        + QString::number(static_cast<int>(errore)) + QStringLiteral(" )");
}

} // namespace ErroriStampa
