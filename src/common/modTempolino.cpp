// SPDX-License-Identifier: GPL-3.0-or-later
#include "modTempolino.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>
#include <cmath>

#include "Platform.h"
#include "Risorse.h"
#include "StatoOrologio.h"

namespace modTempolino {

float Scala = 1.0f;
std::array<QString, 10> Messaggi;
std::uint8_t CodiceMessaggio = 0;

QString TestoRisoluzione()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Per visualizzare correttamente il gioco") + crlf
        + QStringLiteral("occorre impostare una risoluzione video") + crlf + QStringLiteral("non inferiore a 800x600.")
        + crlf + QStringLiteral("Modificare la risoluzione video e, quindi, riprovare.");
}

float ScalaPerSchermo(int larghezza, int altezza)
{
    return (larghezza >= 1024 && altezza >= 768) ? 1.3f : 1.0f;
}

void InizializzaMessaggi()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString att = QStringLiteral("Attenzione: ");
    const QString grande = QStringLiteral("il numero che hai inserito è troppo grande!");
    Messaggi[0] = crlf + QStringLiteral("Risposta esatta!");
    Messaggi[1] = QStringLiteral("Hai sbagliato: riprova!") + crlf
        + QStringLiteral("(Ti sei ricordato  di verificare se è mattina o sera, oppure se è "
                         "pomeriggio o notte?)");
    Messaggi[2] = att + grande + crlf + QStringLiteral(" Le ORE possono essere al massimo 23");
    Messaggi[3] = att + grande + crlf + QStringLiteral(" I MINUTI possono essere al massimo 59");
    Messaggi[4] = att + crlf + QStringLiteral("devi inserire l'ora.");
    Messaggi[5] = att + crlf + QStringLiteral("devi inserire i minuti.");
    Messaggi[6] = att + QStringLiteral("stai per iniziare la prova di controllo!") + crlf
        + QStringLiteral("In questa prova devi rispondere esattamente (puoi fare un solo errore) ")
        + QStringLiteral(" a tutte nove le domande.") + crlf + QStringLiteral("Se ci riesci diventi: ") + crlf
        + QStringLiteral("\"Maestro Orologiaio\" o \"Maestra Orologiaia\" e puoi stampare ")
        + QStringLiteral("un bellissimo orologio per giocare con i tuoi amici e le tue amiche!");
    Messaggi[7] = QStringLiteral("Peccato: hai sbagliato la risposta e la prova è finita!") + crlf
        + QStringLiteral("Cerca di allenarti un po' e poi riprova. Se rispondi esattamente a tutte ")
        + QStringLiteral(" le nove domande della prova di controllo diventi: \"Maestro Orologiaio\" "
                         "o \"Maestra Orologiaia")
        + QStringLiteral(" e puoi stampare un bellissimo orologio.");
    Messaggi[8] = QStringLiteral("Fantastico: nove risposte esatte!") + crlf
        + QStringLiteral("Hai superato la prova di controllo.") + crlf
        + QStringLiteral("Adesso prepara la stampante e, dopo aver chiuso questa finestra...")
        + QStringLiteral(" potrai finalmente stampare un bellissimo orologio  per giocare con i "
                         "tuoi amici e le tue amiche!");
    Messaggi[9] = att + crlf + QStringLiteral("hai sbagliato la risposta!") + crlf
        + QStringLiteral("Se fai un altro errore dovrai inizare la prova da capo.");
}

void CancellaMessaggi()
{
    for (QString& m : Messaggi)
        m.clear();
}

namespace {
QPointer<StatoOrologio> g_stato;
} // namespace

void UsaStatoOrologio(StatoOrologio* stato)
{
    g_stato = stato;
    if (stato)
        QObject::connect(stato, &StatoOrologio::suoniCambiati, stato, [](bool attivi) {
            if (!attivi)
                FermaVoce();
        });
}

bool SuoniAttivi()
{
    return !g_stato || g_stato->SuoniAttivi();
}

void Suona(Suono suono)
{
    if (SuoniAttivi())
        SuonaEffetto(suono);
}

void SuonaEffetto(Suono suono)
{
    platform().sound->play(static_cast<int>(suono));
}

void DiciAVoce(const QString& testo)
{
    if (SuoniAttivi())
        platform().speech->say(testo);
}

void FermaVoce()
{
    platform().speech->stop();
}

void ImpostaBordo(QWidget* frm)
{
    // A fixed dialog frame: title and close box, no icon, no resizing.
    frm->setWindowFlags((frm->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog | Qt::CustomizeWindowHint
                        | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    frm->setWindowIcon(QIcon());
    frm->update();
}

void ImpostaPuntatore(QWidget* frm)
{
    const QCursor mano = Risorse::cursore(101);
    for (QAbstractButton* b : frm->findChildren<QAbstractButton*>())
        b->setCursor(mano);
}

} // namespace modTempolino
